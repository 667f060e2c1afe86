#pragma once
// Measures the heap a piece of code uses: the peak of the bytes held at once and the largest
// single request, counted from the moment a meter starts. Under AddressSanitizer it listens to
// the sanitizer's allocation hooks; otherwise this test program replaces the global operator
// new and delete to count. Only one meter runs at a time.

#include <cstddef>

namespace netloom::test {

class CHeapMeter {
  public:
    CHeapMeter();
    ~CHeapMeter();
    CHeapMeter(const CHeapMeter&) = delete;
    CHeapMeter& operator=(const CHeapMeter&) = delete;

    // Highest number of bytes held at once beyond what was held when the meter started.
    size_t PeakBytes() const;
    // The largest single allocation made while the meter ran.
    size_t LargestAllocation() const;
};

}  // namespace netloom::test
