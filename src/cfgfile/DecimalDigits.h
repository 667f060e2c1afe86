#pragma once
// A 32-bit number in decimal, as "%d" writes it, put straight where it goes. Writing a file
// puts one on most of its lines and in most labels; the library's conversion, general over
// bases and types and reached through two calls, costs half as much again.

#include <cstdint>
#include <cstring>

namespace netloom {

// The room PutDecimal needs where it writes: "-2147483648".
inline constexpr size_t kDecimalRoom = 11;

// Writes value at at, which has room for kDecimalRoom bytes, and returns the end.
inline char* PutDecimal(char* at, int32_t value) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    // The magnitude in unsigned arithmetic, where the most negative number has one too.
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) {
        *at++ = '-';
        magnitude = 0u - magnitude;
    }
    size_t digits = 1;
    for (uint32_t bound = 10; digits < 10 && magnitude >= bound; bound *= 10)
        ++digits;
    char* const end = at + digits;
    char* put = end;
    while (magnitude >= 100) {
        const uint32_t pair = magnitude % 100 * 2;
        magnitude /= 100;
        put -= 2;
        std::memcpy(put, kPairs + pair, 2);
    }
    if (magnitude >= 10)
        std::memcpy(put - 2, kPairs + magnitude * 2, 2);
    else
        put[-1] = static_cast<char>('0' + magnitude);
    return end;
}

}  // namespace netloom
