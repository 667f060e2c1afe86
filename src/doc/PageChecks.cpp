// The page contract: for every page of an object's sheet, what a user meets who brings just
// that page to the front and presses OK without touching anything. The page loads the stored
// values into its controls and saves them back through the same field rules the pages use
// (fields/), so every check that fails is a refusal and every value that comes back otherwise
// is a change. A value only normalised (an address in its canonical form) is no change; a
// value the file does not hold for the object's type is judged by its checks only.

#include "doc/PageChecks.h"

#include <string_view>

#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "fields/AddressField.h"
#include "fields/FieldChecks.h"
#include "fields/FieldMessages.h"
#include "fields/IntegerField.h"
#include "fields/ProfileList.h"

namespace netloom {

const std::string& CFindingList::RangeText(int32_t min, int32_t max) {
    if (m_rangeText.empty() || min != m_nRangeMin || max != m_nRangeMax) {
        m_rangeText = RangeMessage(min, max);
        m_nRangeMin = min;
        m_nRangeMax = max;
    }
    return m_rangeText;
}

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted.append(text);
    quoted += '"';
    return quoted;
}

// A value as a finding shows it: the file's text, or the number when the file has no word.
std::string Shown(std::string_view text, int32_t number) {
    return text.empty() ? WriteDecimal(number) : std::string(text);
}

// One page of one object: runs the page's exchanges in the save direction on the stored values
// and reports every failure, not only the first.
class CPageJudge {
  public:
    CPageJudge(CObjectFindings& findings, std::string_view page)
        : m_findings(findings), m_page(page) {}

    void Refuse(int keyword, std::string_view value, std::string_view message) {
        m_findings.Add(CFindingKind::PageRefuses, keyword,
                       {m_findings.Object().KeywordName(keyword), " ", value,
                        " is refused on the \"", m_page, "\" page: ", message},
                       m_page);
    }

    // The number shown in a field, read back as the page reads it; false when it is refused.
    bool Unsigned(int keyword, int32_t value) {
        int32_t parsed = 0;
        if (ParseUnsignedField(WriteDecimal(value), parsed)) return true;
        Refuse(keyword, m_findings.ValueText(keyword), PositiveIntegerMessage());
        return false;
    }
    bool Signed(int keyword, int32_t value) {
        int32_t parsed = 0;
        if (ParseSignedField(WriteDecimal(value), parsed)) return true;
        Refuse(keyword, m_findings.ValueText(keyword), IntegerMessage());
        return false;
    }
    void Range(int keyword, int32_t value, int32_t min, int32_t max) {
        if (!InRange(value, min, max))
            Refuse(keyword, m_findings.ValueText(keyword), m_findings.List().RangeText(min, max));
    }
    void UnsignedInRange(int keyword, int32_t value, int32_t min, int32_t max) {
        if (Unsigned(keyword, value)) Range(keyword, value, min, max);
    }

    // An address field holds the text as stored; its canonical form is what the page stores,
    // which is a normalisation, not a change.
    bool Atm(int keyword, const std::string& value, std::string* parsed = nullptr) {
        std::string& canonical = m_findings.List().address;
        if (ParseAtmAddress(value, canonical)) {
            if (parsed) *parsed = canonical;
            return true;
        }
        Refuse(keyword, Quoted(value), InvalidAtmAddressMessage());
        return false;
    }
    void Mac(int keyword, const std::string& value) {
        if (!ParseMacAddress(value, m_findings.List().address))
            Refuse(keyword, Quoted(value), InvalidMacAddressMessage());
    }
    void MaxChars(int keyword, const std::string& value, size_t maxChars) {
        if (!FitsLength(value, maxChars)) Refuse(keyword, Quoted(value), MaxCharsMessage(maxChars));
    }

    // A drop-down list or radio group loaded with value; returns what the page stores.
    int32_t List(int keyword, int32_t value, int32_t entries, int32_t validCount,
                 const WordList* words) {
        const int32_t stored = UntouchedListIndex(value, entries, validCount);
        if (stored != value) {
            const std::string before = words ? Shown(words->At(value), value) : WriteDecimal(value);
            const std::string after =
                words ? Shown(words->At(stored), stored) : WriteDecimal(stored);
            const std::string beforeText = words ? std::string(words->At(value)) : before;
            const std::string afterText = words ? std::string(words->At(stored)) : after;
            Change(keyword, beforeText, afterText, before, after,
                   {"the \"", m_page, "\" page has no entry for it"});
        }
        return stored;
    }
    // A rate's unit list: a changed unit only counts when the file text changes with it.
    int32_t UnitList(int keyword, const Rate& rate) {
        const int32_t stored =
            UntouchedListIndex(rate.Unit, kRateUnitWords.count, kRateUnitWords.count);
        if (stored == rate.Unit) return stored;
        const std::string before = WriteRate(rate.Value, rate.Unit);
        const std::string after = WriteRate(rate.Value, stored);
        Change(keyword, before, after, before, after,
               {"the \"", m_page, "\" page has no unit ", WriteDecimal(rate.Unit)});
        return stored;
    }
    void CheckBox(int keyword, int32_t value) {
        // Checked exactly for 1; anything else (only a damaged block holds it) comes back 0.
        const int32_t stored = value == 1 ? 1 : 0;
        if (stored == value) return;
        const std::string before = WriteBoolean(value);
        const std::string after = WriteBoolean(stored);
        Change(keyword, before, after, before + " (" + WriteDecimal(value) + ")", after,
               {"the \"", m_page, "\" page's check box holds only 0 and 1"});
    }

    // The stored value would go from beforeText to afterText (file forms); shown as before and
    // after, with the pieces of why. Values the file does not hold for the object are left out.
    void Change(int keyword, std::string_view beforeText, std::string_view afterText,
                std::string_view before, std::string_view after,
                std::initializer_list<std::string_view> why) {
        if (beforeText == afterText || !m_findings.Object().IsKeywordUsed(keyword)) return;
        std::string reason;
        for (const std::string_view piece : why)
            reason += piece;
        m_findings.Add(CFindingKind::PageChanges, keyword,
                       {m_findings.Object().KeywordName(keyword), " ", before, " becomes ", after,
                        ", since ", reason, "."},
                       m_page);
    }

  private:
    CObjectFindings& m_findings;
    std::string_view m_page;
};

// The keyword indexes of the objects' tables, as their TransferKeyword numbers them.
namespace kw {
// clang-format off
enum Adapter { EmptyCells, EnableSvcSupport, FramingMode, IlmiRegisterAddresses, LecsAtmAddress,
               MasterTiming, MaxLineRate, MaxPvcs, MaxVciBits, MaxVpiBits, UniVersion };
enum Profile { DescrType, QosClass, PeakRate, SustainedRate, MaxBurstSize };
enum Elan { AgingTime, ArpResponseTime, ArpServer, ArpTimeout, ElanAtmAddress,
            DefaultTrafficProfile, Encapsulation, FlushTimeout, ForwardDelayTime, ElanIpAddress,
            JoinTimeout, LanName, LanType, MaxArpRetryCount, MaxDataFrameSize, MaxDdVccs,
            MaxDestinations, MaxReceiveRateDifference, MaxTransmitRateDifference,
            MaxUnknownFrameCount, MaxUnknownFrameTime, MaximumOpenCircuits, MtuSize,
            PromiscuousMode, ServerAtmAddress, TraceMask, VccTimeoutPeriod };
enum Pvc { PvcAtmAddress, PvcType, Vpi, Vci, UserInstance, TrafficProfileSelector,
           PvcIpAddress, MacAddress };
enum Mapping { VcType, MappingAtmAddress, AddressMask, TrafficProfileList };
// clang-format on
}  // namespace kw

// The number fields of the two advanced pages, in the order of kLaneAdvancedFields and
// kClipAdvancedFields, which give their keywords and ranges.
int32_t C_Doc_Elan::*const kLaneAdvancedMembers[] = {
    &C_Doc_Elan::AgingTime,
    &C_Doc_Elan::FlushTimeout,
    &C_Doc_Elan::JoinTimeout,
    &C_Doc_Elan::MaxDdVccs,
    &C_Doc_Elan::MaxUnknownFrameCount,
    &C_Doc_Elan::MaximumOpenCircuits,
    &C_Doc_Elan::ArpResponseTime,
    &C_Doc_Elan::ForwardDelayTime,
    &C_Doc_Elan::MaxArpRetryCount,
    &C_Doc_Elan::MaxDestinations,
    &C_Doc_Elan::MaxUnknownFrameTime,
    &C_Doc_Elan::VccTimeoutPeriod,
};
int32_t C_Doc_Elan::*const kClipAdvancedMembers[] = {
    &C_Doc_Elan::VccTimeoutPeriod,
    &C_Doc_Elan::ArpTimeout,
    &C_Doc_Elan::MaximumOpenCircuits,
};
static_assert(std::size(kLaneAdvancedMembers) == kLaneAdvancedFields.size());
static_assert(std::size(kClipAdvancedMembers) == kClipAdvancedFields.size());

// The fields' keywords as indexes in the virtual adapter's table, which every virtual adapter
// shares: looked up once, not for each virtual adapter of a large configuration.
template <size_t N>
std::array<int, N> KeywordIndexes(const C_Doc_Elan& elan,
                                  const std::array<RangedKeyword, N>& fields) {
    std::array<int, N> indexes{};
    for (size_t i = 0; i < N; ++i)
        indexes[i] = elan.FindKeyword(fields[i].keyword);
    return indexes;
}

template <size_t N, class Members>
void CheckRangedFields(CPageJudge& page, C_Doc_Elan& elan,
                       const std::array<RangedKeyword, N>& fields,
                       const std::array<int, N>& keywords, const Members& members) {
    for (size_t i = 0; i < N; ++i)
        page.UnsignedInRange(keywords[i], elan.*members[i], fields[i].min, fields[i].max);
}

}  // namespace

void CheckAdapterPages(C_Doc_Adapter& adapter, CFindingList& out) {
    CObjectFindings findings(adapter, out);
    {
        CPageJudge page(findings, "General");
        page.CheckBox(kw::EnableSvcSupport, adapter.EnableSvcSupport);
        page.CheckBox(kw::IlmiRegisterAddresses, adapter.IlmiRegisterAddresses);
        // The list offers two of the three versions; the third is kept.
        page.List(kw::UniVersion, adapter.UniVersion, 2, kUniVersionWords.count, &kUniVersionWords);
        // An empty stored address is what "Wellknown address" stands for and stays empty.
        std::string parsed;
        if (page.Atm(kw::LecsAtmAddress, adapter.LecsAtmAddress, &parsed))
            page.MaxChars(kw::LecsAtmAddress, parsed, kAtmAddressLength);
    }
    {
        CPageJudge page(findings, "Advanced");
        page.List(kw::FramingMode, adapter.FramingMode, kFramingModeWords.count,
                  kFramingModeWords.count, &kFramingModeWords);
        page.List(kw::EmptyCells, adapter.EmptyCells, kEmptyCellsWords.count,
                  kEmptyCellsWords.count, &kEmptyCellsWords);
        page.CheckBox(kw::MasterTiming, adapter.MasterTiming);
        page.UnsignedInRange(kw::MaxVpiBits, adapter.MaxVpiBits, 0, kMaxVpiBitsLimit);
        page.UnsignedInRange(kw::MaxVciBits, adapter.MaxVciBits, adapter.MaxVpiBits,
                             kVpiVciBits - adapter.MaxVpiBits);
    }
    {
        CPageJudge page(findings, "Traffic Control");
        const int32_t unit = page.UnitList(kw::MaxLineRate, adapter.MaxLineRate);
        page.UnsignedInRange(kw::MaxLineRate, adapter.MaxLineRate.Value, 1, MaxRateForUnit(unit));
    }
}

void CheckProfilePages(C_Doc_TrafficProfile& profile, CFindingList& out) {
    CObjectFindings findings(profile, out);
    CPageJudge page(findings, "Traffic Profile Properties");
    page.List(kw::DescrType, profile.DescrType, kDescrTypeWords.count, kDescrTypeWords.count,
              &kDescrTypeWords);
    page.List(kw::QosClass, profile.QosClass, kQosClassWords.count, kQosClassWords.count,
              &kQosClassWords);
    const bool peakRead = page.Signed(kw::PeakRate, profile.PeakRate.Value);
    const bool sustainedRead = page.Signed(kw::SustainedRate, profile.SustainedRate.Value);
    if (page.Signed(kw::MaxBurstSize, profile.MaxBurstSize))
        page.Range(kw::MaxBurstSize, profile.MaxBurstSize, kMinBurst, kMaxBurst);
    // The rates are judged by the units the lists return, whether or not their fields are
    // enabled for the profile's type.
    const int32_t peakUnit = page.UnitList(kw::PeakRate, profile.PeakRate);
    const int32_t sustainedUnit = page.UnitList(kw::SustainedRate, profile.SustainedRate);
    if (peakRead) page.Range(kw::PeakRate, profile.PeakRate.Value, 1, MaxRateForUnit(peakUnit));
    if (sustainedRead)
        page.Range(kw::SustainedRate, profile.SustainedRate.Value, 1,
                   MaxRateForUnit(sustainedUnit));
}

void CheckElanPages(C_Doc_Elan& elan, const CAdapterFacts& facts, CFindingList& out) {
    CObjectFindings findings(elan, out);
    {
        CPageJudge page(findings, "General");
        page.Atm(kw::ElanAtmAddress, elan.AtmAddress);  // checked even where it is disabled
        page.List(kw::LanType, elan.LanType, kLanTypeWords.count, kLanTypeWords.count,
                  &kLanTypeWords);
        const bool lane = elan.Type == ELAN_LANE;
        page.UnsignedInRange(lane ? kw::MaxDataFrameSize : kw::MtuSize,
                             lane ? elan.MaxDataFrameSize : elan.MtuSize, MinFrameSize(elan.Type),
                             MaxFrameSize(elan.Type));
    }
    if (elan.Type == ELAN_LANE) {
        CPageJudge lane(findings, "LANE");
        lane.Atm(kw::ServerAtmAddress, elan.ServerAtmAddress);
        lane.MaxChars(kw::LanName, elan.LanName, kMaxLanName);
        CPageJudge advanced(findings, "LANE Advanced");
        static const auto keywords = KeywordIndexes(elan, kLaneAdvancedFields);
        CheckRangedFields(advanced, elan, kLaneAdvancedFields, keywords, kLaneAdvancedMembers);
    } else if (elan.Type == ELAN_CLASSICAL_IP) {
        CPageJudge clip(findings, "Rfc1577");
        clip.Atm(kw::ArpServer, elan.ArpServer);
        CPageJudge advanced(findings, "1577 Advanced");
        static const auto keywords = KeywordIndexes(elan, kClipAdvancedFields);
        CheckRangedFields(advanced, elan, kClipAdvancedFields, keywords, kClipAdvancedMembers);
    } else if (elan.Type == ELAN_RFC1483) {
        CPageJudge rfc(findings, "Rfc1483");
        rfc.List(kw::Encapsulation, elan.Encapsulation, kEncapsulationWords.count,
                 kEncapsulationWords.count, &kEncapsulationWords);
    }
    if (elan.Type != ELAN_RFC1483) {
        CPageJudge page(findings, "Traffic Parameters");
        page.Unsigned(kw::MaxReceiveRateDifference, elan.MaxReceiveRateDifference.Value);
        page.Unsigned(kw::MaxTransmitRateDifference, elan.MaxTransmitRateDifference.Value);
        page.List(kw::DefaultTrafficProfile, elan.DefaultTrafficProfile, facts.offeredProfiles,
                  kAnyProfileNumber, nullptr);
        page.UnitList(kw::MaxTransmitRateDifference, elan.MaxTransmitRateDifference);
        page.UnitList(kw::MaxReceiveRateDifference, elan.MaxReceiveRateDifference);
    }
    {
        CPageJudge page(findings, "Trace");
        page.CheckBox(kw::PromiscuousMode, elan.PromiscuousMode);
        const std::string before = WriteHex4(elan.TraceMask);
        const std::string after = WriteHex4(TraceMaskOnPage(elan.TraceMask));
        page.Change(kw::TraceMask, before, after, before, after,
                    {"the \"Trace\" page keeps only the ", std::to_string(kTraceClasses),
                     " trace event classes"});
    }
}

namespace {

// Why the "Mapping" page's list differs from the stored one: numbers that name no profile or
// come again, tokens read as another number, and the token that ends the list.
std::string DroppedProfilesText(std::string_view list, int32_t offered) {
    std::string why;
    auto add = [&why](const std::string& part) {
        why += why.empty() ? "" : ", ";
        why += part;
    };
    std::vector<int64_t> taken;
    for (const std::string_view token : ProfileListTokens(list)) {
        int64_t n = 0;
        const bool read = ReadProfileToken(token, n);
        if (EndsProfileList(read, n)) {
            add("the list ends at " + Quoted(token));
            break;
        }
        const std::string number = std::to_string(n);
        if (token != number) add(Quoted(token) + " is read as " + number);
        bool repeated = false;
        for (const int64_t t : taken)
            repeated = repeated || t == n;
        if (n < 0 || n >= offered)
            add(number + " names no traffic profile");
        else if (repeated)
            add(number + " comes again");
        else
            taken.push_back(n);
    }
    return why.empty() ? "the page writes each number followed by one blank" : why;
}

bool SameTokens(std::string_view a, std::string_view b) {
    return ProfileListTokens(a) == ProfileListTokens(b);
}

}  // namespace

void CheckMappingPages(C_Doc_TpMapping& mapping, const C_Doc_Elan& elan, const CAdapterFacts& facts,
                       CFindingList& out) {
    CObjectFindings findings(mapping, out);
    {
        CPageJudge page(findings, "General");
        page.Atm(kw::MappingAtmAddress, mapping.AtmAddress);
        page.Atm(kw::AddressMask, mapping.AddressMask);
        // A LAN Emulation virtual adapter's mappings have a ninth type, "Multicast".
        const int32_t entries = kVcTypeWords.count + (elan.Type == ELAN_LANE ? 1 : 0);
        page.List(kw::VcType, mapping.VcType, entries, entries, &kVcTypeWords);
    }
    {
        CPageJudge page(findings, "Mapping");
        const int32_t offered = facts.offeredProfiles;
        const ProfileNameFn offers = [offered](int32_t n, std::string&) {
            return n >= 0 && n < offered;
        };
        const std::string after = PageTrafficProfileList(mapping.TrafficProfileList, offers);
        // Tokens compared, so that the blank the page puts after every number is no change.
        if (!SameTokens(mapping.TrafficProfileList, after))
            page.Change(kw::TrafficProfileList, mapping.TrafficProfileList, after,
                        Quoted(mapping.TrafficProfileList), Quoted(after),
                        {DroppedProfilesText(mapping.TrafficProfileList, offered)});
    }
}

void CheckPvcPages(C_Doc_Pvc& pvc, const C_Doc_Elan& elan, const CAdapterFacts& facts,
                   CFindingList& out) {
    CObjectFindings findings(pvc, out);
    const int32_t vpiBits = facts.adapter ? facts.adapter->MaxVpiBits : 0;
    {
        CPageJudge page(findings, "General");
        const VpiVciLimits limits = PvcLimits(vpiBits);
        if (limits.vpiFixed) {
            const int32_t shown = PvcPageVpi(pvc.Vpi, vpiBits);
            page.Change(kw::Vpi, WriteDecimal(pvc.Vpi), WriteDecimal(shown), WriteDecimal(pvc.Vpi),
                        WriteDecimal(shown), {"MaxVpiBits is ", WriteDecimal(vpiBits)});
        } else {
            page.UnsignedInRange(kw::Vpi, pvc.Vpi, 0, limits.vpiMax);
        }
        page.UnsignedInRange(kw::Vci, pvc.Vci, 1, limits.vciMax);
    }
    if (elan.Type == ELAN_LANE) {
        CPageJudge page(findings, "Lan Emulation");
        page.List(kw::PvcType, pvc.PvcType, kPvcTypeWords.count, kPvcTypeWords.count,
                  &kPvcTypeWords);
        page.Atm(kw::PvcAtmAddress, pvc.AtmAddress);
    } else {
        // Both fields are checked whether or not they apply to the virtual adapter.
        CPageJudge page(findings, "Rfc1577/1483");
        page.MaxChars(kw::PvcIpAddress, pvc.IpAddress, kMaxPvcIpAddress);
        page.Mac(kw::MacAddress, pvc.MacAddress);
    }
    {
        CPageJudge page(findings, "Traffic Profile");
        page.List(kw::TrafficProfileSelector, pvc.TrafficProfileSelector, facts.offeredProfiles,
                  kAnyProfileNumber, nullptr);
    }
}

}  // namespace netloom
