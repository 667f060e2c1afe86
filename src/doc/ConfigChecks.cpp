// The configuration checks over the whole document: the page contract of every object, then
// what only the document as a whole shows (shared VPI/VCI pairs, profile numbers naming
// nothing, RFC 1483 virtual adapters with several PVCs), sorted into file order.

#include "doc/ConfigChecks.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

#include "cfgfile/ValueForms.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/PageChecks.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

void CObjectFindings::Add(CFindingKind kind, int keyword, const std::string& what,
                          const std::string& page) {
    CFinding finding;
    finding.object = &m_object;
    finding.kind = kind;
    finding.page = page;
    finding.keyword = keyword >= 0 ? m_object.KeywordName(keyword) : "";
    if (m_object.LinesGeneration() == m_out.linesGeneration) {
        finding.line = keyword >= 0 ? m_object.KeywordLine(keyword) : 0;
        if (finding.line == 0) finding.line = m_object.DefineLine();
    }
    finding.text = '"';
    finding.text += m_object.GetLabel();
    finding.text += "\": ";
    finding.text += what;
    m_out.findings.push_back(std::move(finding));
}

long CFindingList::DefineLineOf(const CDocObject& object) const {
    return object.LinesGeneration() == linesGeneration ? object.DefineLine() : 0;
}

std::string CObjectFindings::ValueText(int keyword) const {
    std::string text;
    m_object.TransferKeyword(keyword, text, false);
    return text;
}

CAdapterFacts FactsOf(C_Doc_Adapter& adapter) {
    CAdapterFacts facts;
    facts.adapter = &adapter;
    // Asked in turn, as the pages fill their lists.
    std::string name;
    while (facts.offeredProfiles < INT32_MAX &&
           adapter.GetTrafficProfileName(facts.offeredProfiles, name))
        ++facts.offeredProfiles;
    return facts;
}

std::string OfferedProfilesText(const CAdapterFacts& facts) {
    const std::string adapter = '"' + facts.adapter->GetLabel() + '"';
    const std::string last = WriteDecimal(facts.offeredProfiles - 1);
    if (facts.adapter->TrafficProfiles.empty())
        return adapter + " has no traffic profiles and offers the hardware defaults 0 to " + last;
    return adapter + " has " + WriteDecimal(facts.offeredProfiles) + " (0 to " + last + ")";
}

namespace {

constexpr int kElanDefaultTrafficProfile = 5;
constexpr int kPvcTrafficProfileSelector = 5;

void CheckProfileNumber(CDocObject& object, int keyword, int32_t number, const CAdapterFacts& facts,
                        CFindingList& out) {
    if (!object.IsKeywordUsed(keyword)) return;  // not part of the file for this type
    if (number >= 0 && number < facts.offeredProfiles) return;
    CObjectFindings(object, out)
        .Add(CFindingKind::UnknownProfile, keyword,
             std::string(object.KeywordName(keyword)) + ' ' + WriteDecimal(number) +
                 " names no traffic profile: " + OfferedProfilesText(facts) + '.');
}

// A PVC's place in file order: by its Define line, PVCs without one after all others, in tree
// order.
struct CPvcPlace {
    long line;
    size_t order;
    C_Doc_Pvc* pvc;
    bool operator<(const CPvcPlace& o) const {
        const long a = line > 0 ? line : LONG_MAX;
        const long b = o.line > 0 ? o.line : LONG_MAX;
        return a != b ? a < b : order < o.order;
    }
};

void CheckSharedVpiVci(C_Doc_Adapter& adapter, CFindingList& out) {
    std::vector<CPvcPlace> places;
    for (auto& elan : adapter.VirtualAdapters) {
        for (auto& pvc : elan->Pvcs)
            places.push_back(CPvcPlace{out.DefineLineOf(*pvc), places.size(), pvc.get()});
    }
    if (places.size() < 2) return;
    std::sort(places.begin(), places.end());
    std::unordered_map<uint64_t, C_Doc_Pvc*> first;
    first.reserve(places.size());
    for (const CPvcPlace& place : places) {
        const uint64_t pair = (uint64_t{static_cast<uint32_t>(place.pvc->Vpi)} << 32) |
                              static_cast<uint32_t>(place.pvc->Vci);
        const auto [it, isFirst] = first.emplace(pair, place.pvc);
        if (isFirst) continue;
        CObjectFindings(*place.pvc, out)
            .Add(CFindingKind::DuplicateVpiVci, -1,
                 "Vpi/Vci " + WriteDecimal(place.pvc->Vpi) + '/' + WriteDecimal(place.pvc->Vci) +
                     " is already used by \"" + it->second->GetLabel() + "\" of \"" +
                     adapter.GetLabel() + "\".");
    }
}

void CheckAdapter(C_Doc_Adapter& adapter, CFindingList& out) {
    const CAdapterFacts facts = FactsOf(adapter);
    CheckAdapterPages(adapter, out);
    for (auto& profile : adapter.TrafficProfiles)
        CheckProfilePages(*profile, out);
    for (auto& elan : adapter.VirtualAdapters) {
        CheckElanPages(*elan, facts, out);
        CheckProfileNumber(*elan, kElanDefaultTrafficProfile, elan->DefaultTrafficProfile, facts,
                           out);
        if (elan->Type == ELAN_RFC1483 && elan->Pvcs.size() > 1) {
            CObjectFindings(*elan, out)
                .Add(CFindingKind::SeveralRfc1483Pvcs, -1,
                     "it carries " + std::to_string(elan->Pvcs.size()) +
                         " PVCs; an RFC 1483 virtual adapter carries one.");
        }
        for (auto& mapping : elan->Mappings)
            CheckMappingPages(*mapping, *elan, facts, out);
        for (auto& pvc : elan->Pvcs) {
            CheckPvcPages(*pvc, *elan, facts, out);
            CheckProfileNumber(*pvc, kPvcTrafficProfileSelector, pvc->TrafficProfileSelector, facts,
                               out);
        }
    }
    CheckSharedVpiVci(adapter, out);
}

}  // namespace

std::vector<CFinding> CheckConfiguration(C_Doc_Cfgfile& cfgfile) {
    CFindingList list;
    list.linesGeneration = cfgfile.m_nLinesGeneration;
    for (auto& adapter : cfgfile.Adapters)
        CheckAdapter(*adapter, list);
    std::vector<CFinding>& findings = list.findings;
    // Found in tree order; a line-less finding keeps its place behind every line.
    std::stable_sort(findings.begin(), findings.end(), [](const CFinding& a, const CFinding& b) {
        const long x = a.line > 0 ? a.line : LONG_MAX;
        const long y = b.line > 0 ? b.line : LONG_MAX;
        return x < y;
    });
    return std::move(findings);
}

std::vector<CFinding> CheckConfiguration(CNetloomDoc& doc) {
    return CheckConfiguration(doc.Cfgfile());
}

}  // namespace netloom
