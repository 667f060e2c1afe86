#pragma once
// Inside the configuration checks: how findings are worded and placed, and the page contract
// of each kind of object (what its pages refuse or change when confirmed untouched).

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "doc/ConfigChecks.h"

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_TpMapping;
class C_Doc_Pvc;

// The findings being gathered, and the generation of lines that belong to the file.
struct CFindingList {
    std::vector<CFinding> findings;
    CTextRoom texts;
    uint64_t linesGeneration = 0;
    // Where each finding's object label is made before it joins the finding's text, and where
    // an address is put in its canonical form while it is checked: kept for the whole run.
    std::string label;
    std::string address;
    // RangeMessage(min, max), made again only when the range differs from the last one asked
    // for: most refusals of a large configuration repeat a few ranges.
    const std::string& RangeText(int32_t min, int32_t max);
    // The object's Define line, or 0 when its lines are not those of the file.
    long DefineLineOf(const CDocObject& object) const;

  private:
    std::string m_rangeText;  // empty until a range is asked for
    int32_t m_nRangeMin = 0;
    int32_t m_nRangeMax = 0;
};

// The findings of one object: each text starts with its label in quotes, each line is its
// keyword's line or else its Define line.
class CObjectFindings {
  public:
    CObjectFindings(CDocObject& object, CFindingList& out) : m_object(object), m_out(out) {}

    // keyword: index in the object's table, or -1 for the object as a whole. what: the pieces
    // of what is wrong, joined in the finding's text. page: a literal, or empty.
    void Add(CFindingKind kind, int keyword, std::initializer_list<std::string_view> what,
             std::string_view page = std::string_view());

    CDocObject& Object() const { return m_object; }
    CFindingList& List() const { return m_out; }
    // The keyword's value as the file shows it.
    std::string ValueText(int keyword) const;

  private:
    CDocObject& m_object;
    CFindingList& m_out;
};

// What the checks need to know of a physical adapter, found once for all its objects.
struct CAdapterFacts {
    C_Doc_Adapter* adapter = nullptr;
    // How many traffic profile numbers the adapter names: its profiles, or with none the
    // hardware defaults (GetTrafficProfileName).
    int32_t offeredProfiles = 0;
};
CAdapterFacts FactsOf(C_Doc_Adapter& adapter);

// Why a traffic profile number names nothing, for a finding's text: "which has 3 (0 to 2)".
std::string OfferedProfilesText(const CAdapterFacts& facts);

// The page contract, page by page in sheet order, every page present.
void CheckAdapterPages(C_Doc_Adapter& adapter, CFindingList& out);
void CheckProfilePages(C_Doc_TrafficProfile& profile, CFindingList& out);
void CheckElanPages(C_Doc_Elan& elan, const CAdapterFacts& facts, CFindingList& out);
void CheckMappingPages(C_Doc_TpMapping& mapping, const C_Doc_Elan& elan, const CAdapterFacts& facts,
                       CFindingList& out);
void CheckPvcPages(C_Doc_Pvc& pvc, const C_Doc_Elan& elan, const CAdapterFacts& facts,
                   CFindingList& out);

}  // namespace netloom
