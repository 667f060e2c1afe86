// The configuration checks over the whole document: the page contract of every object, then
// what only the document as a whole shows (shared VPI/VCI pairs, profile numbers naming
// nothing, RFC 1483 virtual adapters with several PVCs), sorted into file order.

#include "doc/ConfigChecks.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <utility>

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

void CObjectFindings::Add(CFindingKind kind, int keyword,
                          std::initializer_list<std::string_view> what, std::string_view page) {
    CFinding& finding = m_out.findings.emplace_back();
    finding.object = &m_object;
    finding.kind = kind;
    finding.page = page;
    if (keyword >= 0) finding.keyword = m_object.KeywordName(keyword);
    if (m_object.LinesGeneration() == m_out.linesGeneration) {
        finding.line = keyword >= 0 ? m_object.KeywordLine(keyword) : 0;
        if (finding.line == 0) finding.line = m_object.DefineLine();
    }
    // Made in the findings' room, sized from its pieces.
    m_object.MakeLabel(m_out.label);
    size_t length = m_out.label.size() + 4;
    for (const std::string_view piece : what)
        length += piece.size();
    char* const text = m_out.texts.Take(length);
    char* at = text;
    const auto put = [&at](std::string_view piece) {
        if (piece.empty()) return;
        std::memcpy(at, piece.data(), piece.size());
        at += piece.size();
    };
    put("\"");
    put(m_out.label);
    put("\": ");
    for (const std::string_view piece : what)
        put(piece);
    finding.labelLength = m_out.label.size();
    finding.text = std::string_view(text, static_cast<size_t>(at - text));
}

char* CTextRoom::Take(size_t length) {
    // Blocks of 64 KiB: a few hundred texts each. A longer text gets a block of its own size.
    constexpr size_t kBlock = 64 * 1024;
    if (length > m_nLeft) {
        const size_t size = std::max(length, kBlock);
        std::unique_ptr<char[]> block(new char[size]);  // filled before it is read
        m_blocks.push_back(std::move(block));
        m_pNext = m_blocks.back().get();
        m_nLeft = size;
    }
    char* const room = m_pNext;
    m_pNext += length;
    m_nLeft -= length;
    return room;
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
             {object.KeywordName(keyword), " ", WriteDecimal(number),
              " names no traffic profile: ", OfferedProfilesText(facts), "."});
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
    // The first PVC in file order with a pair owns it. Sorted by pair and then by place, the
    // owner of each pair comes first: no table of nodes to make for every PVC.
    std::vector<std::pair<uint64_t, size_t>> byPair;
    byPair.reserve(places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        const C_Doc_Pvc& pvc = *places[i].pvc;
        const uint64_t pair =
            (uint64_t{static_cast<uint32_t>(pvc.Vpi)} << 32) | static_cast<uint32_t>(pvc.Vci);
        byPair.emplace_back(pair, i);
    }
    std::sort(byPair.begin(), byPair.end());
    std::vector<size_t> ownerOf(places.size());
    for (size_t k = 0, owner = 0; k < byPair.size(); ++k) {
        if (k == 0 || byPair[k].first != byPair[k - 1].first) owner = byPair[k].second;
        ownerOf[byPair[k].second] = owner;
    }
    for (size_t i = 0; i < places.size(); ++i) {
        if (ownerOf[i] == i) continue;
        C_Doc_Pvc& pvc = *places[i].pvc;
        CObjectFindings(pvc, out).Add(
            CFindingKind::DuplicateVpiVci, -1,
            {"Vpi/Vci ", WriteDecimal(pvc.Vpi), "/", WriteDecimal(pvc.Vci),
             " is already used by \"", places[ownerOf[i]].pvc->GetLabel(), "\" of \"",
             adapter.GetLabel(), "\"."});
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
                     {"it carries ", std::to_string(elan->Pvcs.size()),
                      " PVCs; an RFC 1483 virtual adapter carries one."});
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

CFindings CheckConfiguration(C_Doc_Cfgfile& cfgfile) {
    CFindingList list;
    list.linesGeneration = cfgfile.m_nLinesGeneration;
    for (auto& adapter : cfgfile.Adapters)
        CheckAdapter(*adapter, list);
    std::vector<CFinding>& findings = list.findings;
    // Found in tree order; a line-less finding keeps its place behind every line, and the
    // findings of one line keep the order they were found in. Sorted as pairs of line and
    // place, the findings themselves then move once each, in place: a second list would double
    // the memory of a hundred thousand findings.
    std::vector<std::pair<long, size_t>> order;
    order.reserve(findings.size());
    for (size_t i = 0; i < findings.size(); ++i) {
        const long line = findings[i].line;
        order.emplace_back(line > 0 ? line : LONG_MAX, i);
    }
    std::sort(order.begin(), order.end());
    // order[k].second: where the finding that belongs at k is now. Each cycle of that
    // permutation is followed once, and a place is marked done by pointing at itself.
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start].second == start) continue;
        CFinding held = std::move(findings[start]);
        size_t at = start;
        while (order[at].second != start) {
            const size_t from = order[at].second;
            findings[at] = std::move(findings[from]);
            order[at].second = at;
            at = from;
        }
        findings[at] = std::move(held);
        order[at].second = at;
    }
    return CFindings{std::move(findings), std::move(list.texts)};
}

CFindings CheckConfiguration(CNetloomDoc& doc) {
    return CheckConfiguration(doc.Cfgfile());
}

}  // namespace netloom
