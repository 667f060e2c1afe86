#include "fields/FieldChecks.h"

#include "cfgfile/WordList.h"

namespace netloom {

namespace {
constexpr bool IsLane(int32_t elanType) {
    return elanType == 0;
}
}  // namespace

int32_t MaxRateForUnit(int32_t unit) {
    switch (unit) {
        case RATE_KBPS:
            return 155000;
        case RATE_MBPS:
            return 155;
        default:
            return kMaxLineCellRate;
    }
}

int32_t ListIndexToStore(int32_t selected, int32_t stored, int32_t validCount) {
    if (selected >= 0) return selected;
    if (stored >= 0 && stored < validCount) return stored;
    return 0;
}

int32_t UntouchedListIndex(int32_t stored, int32_t entries, int32_t validCount) {
    const int32_t shown = stored >= 0 && stored < entries ? stored : -1;
    return ListIndexToStore(shown, stored, validCount);
}

VpiVciLimits PvcLimits(int32_t vpiBits) {
    int32_t b = vpiBits;
    if (b < 0) b = 0;
    if (b > kVpiVciBits) b = kVpiVciBits;
    return VpiVciLimits{b == 0, (int32_t{1} << b) - 1, (int32_t{1} << (kVpiVciBits - b)) - 1};
}

int32_t PvcPageVpi(int32_t vpi, int32_t vpiBits) {
    return PvcLimits(vpiBits).vpiFixed ? 0 : vpi;
}

const std::array<RangedKeyword, 12> kLaneAdvancedFields = {{
    {"AgingTime", 10, 300},
    {"FlushTimeout", 1, 4},
    {"JoinTimeout", 5, 300},
    {"MaxDdVccs", 5, 1024},
    {"MaxUnknownFrameCount", 1, 10},
    {"MaximumOpenCircuits", 0, 1024},
    {"ArpResponseTime", 1, 30},
    {"ForwardDelayTime", 4, 30},
    {"MaxArpRetryCount", 0, 2},
    {"MaxDestinations", 5, 2048},
    {"MaxUnknownFrameTime", 1, 60},
    {"VccTimeoutPeriod", 0, 1080},
}};

const std::array<RangedKeyword, 3> kClipAdvancedFields = {{
    {"VccTimeoutPeriod", 1, 65535},
    {"ArpTimeout", 1, 6000},
    {"MaximumOpenCircuits", 1, 1024},
}};

std::vector<std::string_view> FrameSizeChoices(int32_t elanType) {
    if (IsLane(elanType)) return {"1516", "4544", "9234"};
    return {"1500", "8192", "32768", "65504"};
}

int32_t MinFrameSize(int32_t elanType) {
    return IsLane(elanType) ? 1516 : 40;
}
int32_t MaxFrameSize(int32_t elanType) {
    return IsLane(elanType) ? 9234 : 65504;
}

}  // namespace netloom
