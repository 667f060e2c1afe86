#include "cfgfile/KeywordTables.h"

namespace netloom {

const KeywordEntry kAdapterKeywords[] = {
    {"EmptyCells", 0},     {"EnableSvcSupport", 0},
    {"FramingMode", 0},    {"IlmiRegisterAddresses", 0},
    {"LecsAtmAddress", 0}, {"MasterTiming", 0},
    {"MaxLineRate", 0},    {"MaxPvcs", 0},
    {"MaxVciBits", 0},     {"MaxVpiBits", 0},
    {"UniVersion", 0},     {nullptr, 0},
};

const KeywordEntry kTrafficProfileKeywords[] = {
    {"DescrType", 0},     {"QosClass", 0},     {"PeakRate", 0},
    {"SustainedRate", 0}, {"MaxBurstSize", 0}, {nullptr, 0},
};

const KeywordEntry kElanKeywords[] = {
    {"AgingTime", 'L'},
    {"ArpResponseTime", 'L'},
    {"ArpServer", 'C'},
    {"ArpTimeout", 'C'},
    {"AtmAddress", 0},
    {"DefaultTrafficProfile", 'm'},
    {"Encapsulation", 'M'},
    {"FlushTimeout", 'L'},
    {"ForwardDelayTime", 'L'},
    {"IpAddress", 'C'},
    {"JoinTimeout", 'L'},
    {"LanName", 'L'},
    {"LanType", 0},
    {"MaxArpRetryCount", 'L'},
    {"MaxDataFrameSize", 'L'},
    {"MaxDdVccs", 'L'},
    {"MaxDestinations", 'L'},
    {"MaxReceiveRateDifference", 'm'},
    {"MaxTransmitRateDifference", 'm'},
    {"MaxUnknownFrameCount", 'L'},
    {"MaxUnknownFrameTime", 'L'},
    {"MaximumOpenCircuits", 'm'},
    {"MtuSize", 'l'},
    {"PromiscuousMode", 0},
    {"ServerAtmAddress", 'L'},
    {"TraceMask", 0},
    {"VccTimeoutPeriod", 'm'},
    {nullptr, 0},
};

const KeywordEntry kPvcKeywords[] = {
    {"AtmAddress", 'L'}, {"PvcType", 'L'},    {"Vpi", 0},
    {"Vci", 0},          {"UserInstance", 0}, {"TrafficProfileSelector", 0},
    {"IpAddress", 'C'},  {"MacAddress", 'B'}, {nullptr, 0},
};

const KeywordEntry kTpMappingKeywords[] = {
    {"VcType", 0}, {"AtmAddress", 0}, {"AddressMask", 0}, {"TrafficProfileList", 0}, {nullptr, 0},
};

}  // namespace netloom
