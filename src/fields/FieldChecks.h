#pragma once
// The checks the property pages run on values once they are parsed: ranges, text lengths, the
// largest rate of each unit, and the limits that depend on an object's settings.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace netloom {

constexpr bool InRange(int32_t value, int32_t min, int32_t max) {
    return value >= min && value <= max;
}

constexpr bool FitsLength(std::string_view text, size_t maxChars) {
    return text.size() <= maxChars;
}

// The line rate of the adapter in each rate unit (cells/s, kbit/s, Mbit/s). A unit index
// outside the list is answered with the cells maximum; the pages never store such an index.
int32_t MaxRateForUnit(int32_t unit);

// The value a page returns for a list or radio group. Nothing selected (-1) never reaches an
// object: the stored value is kept when it is one of the validCount values the field knows
// (it may lie beyond the entries a page offers), and 0 replaces anything else.
int32_t ListIndexToStore(int32_t selected, int32_t stored, int32_t validCount);

// What a page stores for a list or radio group of `entries` entries that it was loaded with
// `stored` and that was left untouched: the entry shown, or ListIndexToStore when none is.
int32_t UntouchedListIndex(int32_t stored, int32_t entries, int32_t validCount);

// How many values a traffic profile number field knows: any number that names no profile now
// may name one later, so an unlisted stored number is kept.
constexpr int32_t kAnyProfileNumber = INT32_MAX;

// The VPI/VCI split of an adapter: 10 bits in all, of which MaxVpiBits go to the VPI.
constexpr int32_t kVpiVciBits = 10;
constexpr int32_t kMaxVpiBitsLimit = 5;

struct VpiVciLimits {
    bool vpiFixed;   // no VPI bits: the VPI is always 0
    int32_t vpiMax;  // 2^b - 1
    int32_t vciMax;  // 2^(10-b) - 1
};
// The bounds of a PVC's VPI and VCI for an adapter with vpiBits VPI bits. A value outside
// 0..10 (only from a defective file) is taken as the nearest end of that span.
VpiVciLimits PvcLimits(int32_t vpiBits);
// The VPI a PVC's "General" page shows when it opens, and so stores on OK: without VPI bits
// only VPI 0 exists, whatever was stored.
int32_t PvcPageVpi(int32_t vpi, int32_t vpiBits);

// Frame sizes of a virtual adapter's "General" page, by type: the entries offered and the range
// accepted. LAN Emulation has its own; Classical IP and RFC 1483 share the rest.
std::vector<std::string_view> FrameSizeChoices(int32_t elanType);
int32_t MinFrameSize(int32_t elanType);
int32_t MaxFrameSize(int32_t elanType);
// Length limits of text fields: a LAN Emulation LAN name, a PVC's IP address.
constexpr size_t kMaxLanName = 32;
constexpr size_t kMaxPvcIpAddress = 15;

// A traffic profile's burst size, in cells.
constexpr int32_t kMinBurst = 1;
constexpr int32_t kMaxBurst = 255;

// The trace event classes a virtual adapter's "Trace" page has boxes for, bits 0 up; the page
// rebuilds the mask from its boxes, so a stored mask keeps only these bits.
constexpr int kTraceClasses = 16;
constexpr int32_t TraceMaskOnPage(int32_t mask) {
    return static_cast<int32_t>(static_cast<uint32_t>(mask) & ((1u << kTraceClasses) - 1));
}

// An unsigned field with a range, named by the keyword of the value it edits.
struct RangedKeyword {
    std::string_view keyword;
    int32_t min;
    int32_t max;
};
// The fields of "LANE Advanced" in exchange order (the left column, then the right one) and
// of "1577 Advanced".
extern const std::array<RangedKeyword, 12> kLaneAdvancedFields;
extern const std::array<RangedKeyword, 3> kClipAdvancedFields;

// What clicking "Ethernet" and "Token-Ring" puts into a LAN Emulation frame size.
constexpr std::string_view kEthernetFrameSize = "1516";
constexpr std::string_view kTokenRingFrameSize = "9234";

}  // namespace netloom
