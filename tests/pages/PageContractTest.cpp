// The configuration checks against the real pages: for every object of generated and hostile
// files and every page of its sheet (all optional pages present), open the sheet, bring just
// that page to the front, press OK, and compare with the checks' findings for that page: OK is
// refused exactly when a check of the page fails, and once accepted, the values stored
// differently are exactly those the page's change findings name.

#include <QDialog>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "ConfigGenerator.h"
#include "PageTestSupport.h"
#include "archive/Archive.h"
#include "doc/Adapter.h"
#include "doc/ConfigChecks.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "fields/AddressField.h"
#include "fields/ProfileList.h"
#include "pages/PropertySheet.h"

namespace netloom::test {
namespace {

// The keyword values as the file shows them, for the keywords the file holds; addresses in
// their canonical form and profile lists by their tokens, since the pages may normalise them.
std::vector<std::string> FileValues(CDocObject& object) {
    std::vector<std::string> values(static_cast<size_t>(object.m_nKeywords));
    for (int i = 0; i < object.m_nKeywords; ++i) {
        if (!object.IsKeywordUsed(i)) continue;
        std::string text;
        object.TransferKeyword(i, text, false);
        const std::string name = object.KeywordName(i);
        std::string canonical;
        if (name == "MacAddress") {
            if (ParseMacAddress(text, canonical)) text = canonical;
        } else if (name.find("Address") != std::string::npos || name == "ArpServer") {
            if (name != "IpAddress" && ParseAtmAddress(text, canonical)) text = canonical;
        } else if (name == "TrafficProfileList") {
            std::string tokens;
            for (const std::string_view token : ProfileListTokens(text)) {
                tokens.append(token);
                tokens += ' ';
            }
            text = tokens;
        }
        values[static_cast<size_t>(i)] = text;
    }
    return values;
}

struct COutcome {
    bool reached = true;  // the page came to the front
    bool accepted = false;
    std::set<std::string> changed;  // keywords whose file value differs afterwards
    QStringList tabs;
};

class PageContractTest : public PagesTest {
  protected:
    // Opens the object's sheet, goes to page (by position), presses OK; the object is put back
    // as it was afterwards.
    COutcome OpenAndConfirm(CDocObject& object, int page) {
        COutcome outcome;
        std::vector<uint8_t> saved;
        {
            CArchive store(saved);
            object.SerializeProperties(store);
        }
        const std::vector<std::string> before = FileValues(object);
        outcome.accepted = Run([&] { return object.EditProperties(); },
                               [&](QDialog& dialog) {
                                   if (auto* sheet = qobject_cast<CPropertySheet*>(&dialog)) {
                                       outcome.tabs = TabTitles(*sheet);
                                       if (page > 0) {
                                           ClickTab(*sheet, outcome.tabs.value(page));
                                           if (sheet->ActiveIndex() != page) {
                                               outcome.reached = false;
                                               ClickCancel(dialog);
                                               return;
                                           }
                                       }
                                   }
                                   ClickOk(dialog);
                                   if (dialog.isVisible()) ClickCancel(dialog);
                               });
        const std::vector<std::string> after = FileValues(object);
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i] != after[i])
                outcome.changed.insert(object.KeywordName(static_cast<int>(i)));
        }
        CArchive load(saved.data(), saved.size());
        object.SerializeProperties(load);
        return outcome;
    }

    struct CPageFindings {
        bool refuses = false;
        std::set<std::string> changes;
    };
    static CPageFindings FindingsOn(const CFindings& findings, CDocObject& object,
                                    const QString& page) {
        CPageFindings on;
        for (const CFinding& finding : findings) {
            if (finding.object != &object || finding.page.empty()) continue;
            if (QString::fromStdString(std::string(finding.page)) != page && !page.isEmpty())
                continue;
            if (finding.kind == CFindingKind::PageRefuses) on.refuses = true;
            if (finding.kind == CFindingKind::PageChanges) on.changes.emplace(finding.keyword);
        }
        return on;
    }

    // Every page of the object against its findings; returns the number of pages compared.
    int CheckObject(CDocObject& object, const CFindings& findings) {
        const COutcome first = OpenAndConfirm(object, 0);
        Tally(first);
        const QString firstPage = first.tabs.value(0);  // empty for the profile dialog
        const CPageFindings onFirst = FindingsOn(findings, object, firstPage);
        EXPECT_EQ(!first.accepted, onFirst.refuses)
            << object.GetLabel() << " page " << firstPage.toStdString();
        if (first.accepted) {
            EXPECT_EQ(first.changed, onFirst.changes) << object.GetLabel();
        }
        int compared = 1;
        for (int page = 1; page < first.tabs.size(); ++page) {
            const COutcome outcome = OpenAndConfirm(object, page);
            Tally(outcome);
            if (!outcome.reached) {
                // Only a refusing first page keeps the user from turning to another.
                EXPECT_TRUE(onFirst.refuses) << object.GetLabel();
                break;
            }
            // Leaving the first page stored its values; what it changed is its own.
            const CPageFindings on = FindingsOn(findings, object, first.tabs[page]);
            EXPECT_EQ(!outcome.accepted, on.refuses)
                << object.GetLabel() << " page " << first.tabs[page].toStdString();
            if (outcome.accepted) {
                std::set<std::string> own;
                for (const std::string& keyword : outcome.changed) {
                    if (first.changed.count(keyword) == 0) own.insert(keyword);
                }
                EXPECT_EQ(own, on.changes)
                    << object.GetLabel() << " page " << first.tabs[page].toStdString();
            }
            ++compared;
        }
        return compared;
    }

    int CheckDocument(const std::string& text) {
        CNetloomDoc doc;
        doc.ReadText(text, nullptr);
        doc.Renumber();
        const CFindings findings = CheckConfiguration(doc);
        int compared = 0;
        for (auto& adapter : doc.Cfgfile().Adapters) {
            compared += CheckObject(*adapter, findings);
            for (auto& profile : adapter->TrafficProfiles)
                compared += CheckObject(*profile, findings);
            for (auto& elan : adapter->VirtualAdapters) {
                compared += CheckObject(*elan, findings);
                for (auto& mapping : elan->Mappings)
                    compared += CheckObject(*mapping, findings);
                for (auto& pvc : elan->Pvcs)
                    compared += CheckObject(*pvc, findings);
            }
        }
        return compared;
    }

    void Tally(const COutcome& outcome) {
        if (!outcome.reached)
            ++m_unreached;
        else if (!outcome.accepted)
            ++m_refused;
        else if (!outcome.changed.empty())
            ++m_changed;
        else
            ++m_clean;
    }

    CScopedOptions m_allPages{m_userOptions, true, true};
    // What the runs met: the comparison means something only when every outcome occurs.
    int m_refused = 0;
    int m_changed = 0;
    int m_clean = 0;
    int m_unreached = 0;
};

// Values chosen to meet every kind of refusal and change the pages have.
const char kEdgeValues[] =
    "DefineAdapter\nUniVersion Uni4.0\nLecsAtmAddress 47:00\nMaxVpiBits 0\n"
    "DefineTrafficProfile\nDescrType BestEffort\nSustainedRate 0\nMaxBurstSize 0\n"
    "EndTrafficProfile\nDefineTrafficProfile\nPeakRate 160 Mbps\nEndTrafficProfile\n"
    "DefineVirtualAdapter LanEmulation\nTraceMask 30001\nDefaultTrafficProfile -1\n"
    "LanName a-lan-name-of-more-than-thirty-two-characters\nMaxDataFrameSize 9235\n"
    "FlushTimeout 0\nMaxReceiveRateDifference -1\n"
    "DefineProfileMapping\nTrafficProfileList 1 1 7 -3 0\nEndProfileMapping\n"
    "DefineProfileMapping\nAddressMask 12\nTrafficProfileList 1 0\nEndProfileMapping\n"
    "EndVirtualAdapter\nDefinePvc\nUserInstance 0\nVpi 2\nTrafficProfileSelector -4\nEndPvc\n"
    "DefinePvc\nUserInstance 0\nVci 0\nAtmAddress 39\nEndPvc\n"
    "DefineVirtualAdapter ClassicalIp\nArpServer x\nArpTimeout 0\nEndVirtualAdapter\n"
    "DefinePvc\nUserInstance 1\nIpAddress 1234567890123456\nMacAddress q\nEndPvc\n"
    "DefineVirtualAdapter Rfc1483\nEncapsulation LlcSnapBridged\nMtuSize 39\n"
    "AtmAddress 39 84 zz\nEndVirtualAdapter\nEndAdapter\n"
    "DefineAdapter\nMaxVpiBits 3\nMaxVciBits 7\nMaxLineRate 353208 Kbps\n"
    "DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
    "DefinePvc\nUserInstance 3\nVpi 8\nVci 128\nEndPvc\nEndAdapter\n";

TEST_F(PageContractTest, FindingsOfEveryPageMatchWhatThePagesDo) {
    int compared = CheckDocument(kEdgeValues);
    for (const char* file :
         {"fuzz/corpus/cfgfile/values-and-line-ends.cfg", "fuzz/corpus/cfgfile/older-words.cfg"}) {
        SCOPED_TRACE(file);
        std::ifstream in(std::string(NETLOOM_SOURCE_DIR) + "/" + file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        compared += CheckDocument(text.str());
    }
    for (uint32_t seed : {3u, 8u}) {
        SCOPED_TRACE(seed);
        compared += CheckDocument(bench::GenerateConfiguration(1, seed));
    }
    EXPECT_GT(compared, 60);
    EXPECT_GT(m_refused, 10);
    EXPECT_GT(m_changed, 5);
    EXPECT_GT(m_clean, 10);
    EXPECT_GT(m_unreached, 0);
    std::printf("pages compared %d: refused %d, changed %d, clean %d, out of reach %d\n", compared,
                m_refused, m_changed, m_clean, m_unreached);
}

}  // namespace
}  // namespace netloom::test
