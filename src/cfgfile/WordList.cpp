#include "cfgfile/WordList.h"

#include <cstddef>

namespace netloom {

namespace {
constexpr unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

template <size_t N>
constexpr WordList MakeList(const std::string_view (&words)[N]) {
    return WordList{words, static_cast<int>(N)};
}

constexpr std::string_view kEmptyCells[] = {"Idle", "Unassigned"};
constexpr std::string_view kFramingMode[] = {"SONET", "SDH"};
constexpr std::string_view kUniVersion[] = {"Uni3.0", "Uni3.1", "Uni4.0"};
constexpr std::string_view kDescrType[] = {"BestEffort", "NoClpNoScr", "NoClpScr",
                                           "ClpNoTaggingScr", "ClpTaggingScr"};
constexpr std::string_view kQosClass[] = {"QOS_NONE", "QOS_1", "QOS_2", "QOS_3", "QOS_4"};
constexpr std::string_view kEncapsulation[] = {"LlcSnapBridged", "LlcSnap"};
constexpr std::string_view kLanType[] = {"Ethernet", "Token-Ring"};
constexpr std::string_view kPvcType[] = {"Unknown", "ControlDirect", "MulticastSend"};
constexpr std::string_view kVcType[] = {
    "AnyType",    "AnyLaneType",        "LaneDataType",        "LaneCtrlType",
    "LaneMsType", "AnyClassicalIPType", "ClassicalIPDataType", "ClassicalIPCtrlType"};
constexpr std::string_view kRateUnit[] = {"Cells", "Kbps", "Mbps"};
constexpr std::string_view kElanType[] = {"LanEmulation", "ClassicalIp",
                                          "MultiProtocolEncapsulation"};
// The older words "Rfc1577" and "Rfc1483" are still read; the reader maps them to 1 and 2.
constexpr std::string_view kElanTypeRead[] = {"LanEmulation", "ClassicalIp",
                                              "MultiProtocolEncapsulation", "Rfc1577", "Rfc1483"};
}  // namespace

const WordList kEmptyCellsWords = MakeList(kEmptyCells);
const WordList kFramingModeWords = MakeList(kFramingMode);
const WordList kUniVersionWords = MakeList(kUniVersion);
const WordList kDescrTypeWords = MakeList(kDescrType);
const WordList kQosClassWords = MakeList(kQosClass);
const WordList kEncapsulationWords = MakeList(kEncapsulation);
const WordList kLanTypeWords = MakeList(kLanType);
const WordList kPvcTypeWords = MakeList(kPvcType);
const WordList kVcTypeWords = MakeList(kVcType);
const WordList kRateUnitWords = MakeList(kRateUnit);
const WordList kElanTypeWords = MakeList(kElanType);
const WordList kElanTypeReadWords = MakeList(kElanTypeRead);

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(static_cast<unsigned char>(a[i])) !=
            FoldAscii(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

int WordList::Find(std::string_view text) const {
    for (int i = 0; i < count; ++i) {
        if (EqualsNoCase(words[i], text)) return i;
    }
    return -1;
}

}  // namespace netloom
