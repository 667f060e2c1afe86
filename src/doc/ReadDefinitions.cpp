// Reading a configuration file into the object tree. The reader never stops on bad content:
// each problem is reported with the line that caused it, skipped, and reading goes on.

#include <memory>

#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/ConfigReader.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "res/Strings.h"

namespace netloom {

void CDocObject::ReadKeywordLine(CConfigReader& ar, const std::string& keyword,
                                 std::string& value) {
    const int index = FindKeyword(keyword);
    if (index < 0) {
        ar.Report(IDS_ILLEGAL_KEYWORD,
                  FormatString(IDS_ILLEGAL_KEYWORD, {m_pszSection ? m_pszSection : "", keyword}));
        return;
    }
    StartValueTransfer();
    TransferKeyword(index, value, true, ar.ValueReport());
    // The line that holds the value: the same keyword again gives its later value and line,
    // unless it holds none the member could take.
    if (ValueTaken()) SetKeywordLine(index, ar.LineNumber());
}

void CDocObject::ReadDefinition(CConfigReader& ar) {
    std::string keyword;
    std::string value;
    while (ar.NextLine(keyword, value)) {
        if (m_pszEndKeyword && EqualsNoCase(keyword, m_pszEndKeyword)) return;
        ReadKeywordLine(ar, keyword, value);
    }
}

void C_Doc_Elan::ReadDefinition(CConfigReader& ar) {
    std::string keyword;
    std::string value;
    while (ar.NextLine(keyword, value)) {
        if (EqualsNoCase(keyword, "EndVirtualAdapter")) return;
        if (EqualsNoCase(keyword, "DefineProfileMapping")) {
            // Appended before its block is read, so a broken block still leaves the mapping.
            Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
            Mappings.back()->SetDefineLine(ar.LineNumber());
            Mappings.back()->ReadDefinition(ar);
            continue;
        }
        ReadKeywordLine(ar, keyword, value);
    }
}

namespace {

// The type of a DefineVirtualAdapter line: its value goes through the line procedure again,
// and the first word is the type word.
int32_t ReadElanType(CConfigReader& ar, const std::string& lineValue) {
    std::string typeWord;
    std::string rest;
    if (!SplitKeywordLine(lineValue, typeWord, rest)) typeWord.clear();
    const int found = kElanTypeReadWords.Find(typeWord);
    switch (found) {
        case 0:
        case 1:
        case 2:
            return found;
        case 3:
            return ELAN_CLASSICAL_IP;  // "Rfc1577"
        case 4:
            return ELAN_RFC1483;  // "Rfc1483"
        default:
            // The message has one insert, numbered %2 in the string table.
            ar.Report(IDS_ILLEGAL_ELAN_TYPE, FormatString(IDS_ILLEGAL_ELAN_TYPE, {"", typeWord}));
            return ELAN_LANE;
    }
}

}  // namespace

void C_Doc_Adapter::ReadDefinition(CConfigReader& ar) {
    std::string keyword;
    std::string value;
    while (ar.NextLine(keyword, value)) {
        if (EqualsNoCase(keyword, "EndAdapter")) return;
        if (EqualsNoCase(keyword, "DefineTrafficProfile")) {
            TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
            TrafficProfiles.back()->SetDefineLine(ar.LineNumber());
            TrafficProfiles.back()->ReadDefinition(ar);
        } else if (EqualsNoCase(keyword, "DefineVirtualAdapter")) {
            VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(ReadElanType(ar, value)));
            C_Doc_Elan* elan = VirtualAdapters.back().get();
            elan->SetDefineLine(ar.LineNumber());
            ar.VirtualAdapterTable().push_back(elan);
            elan->ReadDefinition(ar);
        } else if (EqualsNoCase(keyword, "DefinePvc")) {
            const long defineLine = ar.LineNumber();
            auto pvc = std::make_unique<C_Doc_Pvc>();
            pvc->SetDefineLine(defineLine);
            pvc->ReadDefinition(ar);
            // UserInstance is taken as unsigned, so a negative number names no virtual adapter.
            const uint32_t instance = static_cast<uint32_t>(pvc->UserInstance);
            auto& table = ar.VirtualAdapterTable();
            if (instance < table.size()) {
                C_Doc_Elan* owner = table[instance];
                pvc->VirtualAdapter = owner;
                owner->Pvcs.push_back(std::move(pvc));
            } else {
                ar.Report(IDS_PVC_UNDEFINED_ELAN,
                          FormatString(IDS_PVC_UNDEFINED_ELAN, {std::to_string(pvc->UserInstance)}),
                          defineLine);
            }
        } else {
            ReadKeywordLine(ar, keyword, value);
        }
    }
}

void C_Doc_Cfgfile::ReadDefinition(CConfigReader& ar) {
    ar.VirtualAdapterTable().clear();
    std::string keyword;
    std::string value;
    while (ar.NextLine(keyword, value)) {
        if (!EqualsNoCase(keyword, "DefineAdapter")) continue;
        Adapters.push_back(std::make_unique<C_Doc_Adapter>());
        Adapters.back()->SetDefineLine(ar.LineNumber());
        Adapters.back()->ReadDefinition(ar);
    }
    m_nLinesGeneration = NewLinesGeneration();
    for (auto& adapter : Adapters) {
        adapter->SetLinesGeneration(m_nLinesGeneration);
        for (auto& profile : adapter->TrafficProfiles)
            profile->SetLinesGeneration(m_nLinesGeneration);
        for (auto& elan : adapter->VirtualAdapters) {
            elan->SetLinesGeneration(m_nLinesGeneration);
            for (auto& mapping : elan->Mappings)
                mapping->SetLinesGeneration(m_nLinesGeneration);
            for (auto& pvc : elan->Pvcs)
                pvc->SetLinesGeneration(m_nLinesGeneration);
        }
    }
}

}  // namespace netloom
