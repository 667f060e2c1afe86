// Fuzz target for reading clipboard and drag-and-drop blocks (CClipObject). A block comes from
// another process, so any bytes must read without a crash, without a leak and with memory in
// proportion to the block. A block that reads may use longer forms of its counts, lengths and
// indexes than the writer does, so what it writes back may differ from it, but no longer than
// the block, and must be settled: read again, it writes the same bytes.
// An object that reads is also pasted into a document and saved, and what is saved must open
// and save again to the same text.

#include <sanitizer/allocator_interface.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cfgfile/MessageSink.h"
#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"

namespace {

using namespace netloom;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_clipobject: %s\n", what);
    std::abort();
}

// Heap use while a block is read, through the sanitizer's allocation hooks.
struct CHeapMeter {
    bool active = false;
    long long live = 0;
    long long peak = 0;
    size_t largest = 0;
};
CHeapMeter g_meter;

void OnMalloc(const volatile void*, size_t size) {
    if (!g_meter.active) return;
    g_meter.live += static_cast<long long>(size);
    if (g_meter.live > g_meter.peak) g_meter.peak = g_meter.live;
    if (size > g_meter.largest) g_meter.largest = size;
}

void OnFree(const volatile void* ptr) {
    if (!g_meter.active || ptr == nullptr) return;
    g_meter.live -= static_cast<long long>(__sanitizer_get_allocated_size(ptr));
}

// An object costs a few hundred bytes in memory for the few bytes that name it in a block (a
// mapping with three empty texts takes 9), so memory may be a fixed multiple of the block, but
// no count or length in the block may make it larger.
constexpr long long kBytesPerBlockByte = 64;
constexpr long long kFixedHeap = 64 * 1024;

// Objects of each kind in a document.
struct CObjectCounts {
    size_t adapters = 0, profiles = 0, elans = 0, mappings = 0, pvcs = 0;
    bool operator==(const CObjectCounts& o) const {
        return adapters == o.adapters && profiles == o.profiles && elans == o.elans &&
               mappings == o.mappings && pvcs == o.pvcs;
    }
};

CObjectCounts CountObjects(CNetloomDoc& doc) {
    CObjectCounts n;
    for (auto& adapter : doc.Cfgfile().Adapters) {
        ++n.adapters;
        n.profiles += adapter->TrafficProfiles.size();
        for (auto& elan : adapter->VirtualAdapters) {
            ++n.elans;
            n.mappings += elan->Mappings.size();
            n.pvcs += elan->Pvcs.size();
        }
    }
    return n;
}

class CCountingSink : public CMessageSink {
  public:
    void Report(int, const std::string&, long) override { ++count; }
    long count = 0;
};

// Pastes the object into a document with one adapter holding a virtual adapter of each type,
// saves, and opens what was saved.
void PasteAndSave(CClipObject& clip, size_t size) {
    CNetloomDoc doc;
    doc.ReadText(
        "DefineAdapter\r\n"
        " DefineVirtualAdapter LanEmulation\r\n EndVirtualAdapter\r\n"
        " DefineVirtualAdapter ClassicalIp\r\n EndVirtualAdapter\r\n"
        " DefineVirtualAdapter MultiProtocolEncapsulation\r\n EndVirtualAdapter\r\n"
        "EndAdapter\r\n",
        nullptr);
    doc.Renumber();
    C_Doc_Adapter* adapter = doc.Cfgfile().Adapters.front().get();
    doc.m_pCurAdapter = adapter;
    doc.m_pCurElan = adapter->VirtualAdapters[size % adapter->VirtualAdapters.size()].get();
    clip.PasteInto(doc, "Paste");

    // What is saved after a paste opens silently to the same objects. Values may still be
    // normalised by that first save (an enumeration index without a word is left out, say), so
    // from then on saving what was opened must give the same text.
    const std::string saved = doc.ConfigurationText();
    CNetloomDoc reopened;
    CCountingSink sink;
    reopened.ReadText(saved, &sink);
    reopened.Renumber();
    if (sink.count != 0) Fail("the file saved after a paste opens with messages");
    if (!(CountObjects(reopened) == CountObjects(doc)))
        Fail("the file saved after a paste opens to other objects");
    const std::string first = reopened.ConfigurationText();
    CNetloomDoc again;
    again.ReadText(first, nullptr);
    again.Renumber();
    if (again.ConfigurationText() != first) Fail("saving a pasted object does not settle");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CClipObject clip;
    std::string error;
    size_t consumed = 0;
    g_meter = CHeapMeter{};
    g_meter.active = true;
    const bool read = clip.Read(data, size, &error, &consumed);
    g_meter.active = false;

    const long long bound = kBytesPerBlockByte * static_cast<long long>(size) + kFixedHeap;
    if (g_meter.peak > bound) Fail("reading took memory beyond the block's size");
    if (static_cast<long long>(g_meter.largest) > bound)
        Fail("one allocation beyond the block's size");

    if (!read) {
        if (error.empty()) Fail("a refused block without a reason");
        if (clip.m_pObject != nullptr) Fail("a refused block left an object");
        return 0;
    }
    if (consumed < 2 || consumed > size) Fail("consumed is outside the block");
    const std::vector<uint8_t> written = clip.Write();
    if (written.size() > consumed) Fail("the block writes back longer than it was read");
    CClipObject again;
    size_t consumedAgain = 0;
    if (!again.Read(written.data(), written.size(), &error, &consumedAgain))
        Fail("what a block writes back does not read");
    if (consumedAgain != written.size()) Fail("what a block writes back does not read whole");
    if (again.Write() != written) Fail("a block written back, read and written again differs");

    if (clip.m_pObject != nullptr) PasteAndSave(clip, size);
    return 0;
}
