#include "HeapMeter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define NETLOOM_HEAP_METER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NETLOOM_HEAP_METER_ASAN 1
#endif
#endif

#ifdef NETLOOM_HEAP_METER_ASAN
// The sanitizer runtime's allocation interface (GCC ships the runtime without its header).
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                              void (*free_hook)(const volatile void*));
size_t __sanitizer_get_allocated_size(const volatile void* p);
}
#else
#include <malloc.h>
#endif

namespace netloom::test {

namespace {

std::atomic<bool> g_active{false};
std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};
std::atomic<size_t> g_largest{0};

void Allocated(size_t counted, size_t requested) {
    if (!g_active.load(std::memory_order_relaxed)) return;
    const long long live =
        g_live.fetch_add(static_cast<long long>(counted)) + static_cast<long long>(counted);
    long long peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    size_t largest = g_largest.load();
    while (requested > largest && !g_largest.compare_exchange_weak(largest, requested)) {
    }
}

void Released(size_t counted) {
    if (!g_active.load(std::memory_order_relaxed)) return;
    g_live.fetch_sub(static_cast<long long>(counted));
}

#ifdef NETLOOM_HEAP_METER_ASAN
void OnMalloc(const volatile void*, size_t size) {
    Allocated(size, size);
}
void OnFree(const volatile void* ptr) {
    if (ptr) Released(__sanitizer_get_allocated_size(ptr));
}
[[maybe_unused]] const int g_hooksInstalled =
    __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
#endif

}  // namespace

CHeapMeter::CHeapMeter() {
    g_live = 0;
    g_peak = 0;
    g_largest = 0;
    g_active = true;
}

CHeapMeter::~CHeapMeter() {
    g_active = false;
}

size_t CHeapMeter::PeakBytes() const {
    return static_cast<size_t>(g_peak.load());
}
size_t CHeapMeter::LargestAllocation() const {
    return g_largest.load();
}

}  // namespace netloom::test

#ifndef NETLOOM_HEAP_METER_ASAN
// Without a sanitizer the program counts through its own global operator new and delete; the
// array, nothrow and sized forms of the library forward to these two.
void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (p == nullptr) throw std::bad_alloc();
    netloom::test::Allocated(malloc_usable_size(p), size);
    return p;
}

void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    netloom::test::Released(malloc_usable_size(p));
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
#endif
