// The document: numbering and owner links, relabelling, adding and removing objects by kind.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/TreeOutline.h"

namespace netloom {
namespace {

using test::Open;

const char kTwoByTwo[] =
    "DefineAdapter\n"
    "DefineTrafficProfile\nEndTrafficProfile\nDefineTrafficProfile\nEndTrafficProfile\n"
    "DefineVirtualAdapter\nDefineProfileMapping\nEndProfileMapping\nEndVirtualAdapter\n"
    "DefineVirtualAdapter ClassicalIp\nDefineProfileMapping\nEndProfileMapping\n"
    "DefineProfileMapping\nEndProfileMapping\nEndVirtualAdapter\n"
    "DefinePvc\nUserInstance 0\nEndPvc\nDefinePvc\nUserInstance 1\nEndPvc\n"
    "EndAdapter\n"
    "DefineAdapter\n"
    "DefineTrafficProfile\nEndTrafficProfile\n"
    "DefineVirtualAdapter\nEndVirtualAdapter\n"
    "DefineVirtualAdapter Rfc1483\nDefineProfileMapping\nEndProfileMapping\nEndVirtualAdapter\n"
    "DefinePvc\nUserInstance 2\nEndPvc\nDefinePvc\nUserInstance 3\nEndPvc\n"
    "EndAdapter\n";

TEST(Document, RenumberNumbersAndLinksEveryObject) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    auto& adapters = doc.Cfgfile().Adapters;
    ASSERT_EQ(adapters.size(), 2u);
    EXPECT_EQ(adapters[1]->m_nNumber, 1);
    EXPECT_EQ(adapters[1]->TrafficProfiles[0]->m_nNumber, 0);  // anew per adapter
    EXPECT_EQ(adapters[1]->TrafficProfiles[0]->Adapter, adapters[1].get());
    EXPECT_EQ(adapters[0]->VirtualAdapters[1]->m_nNumber, 1);
    EXPECT_EQ(adapters[1]->VirtualAdapters[0]->m_nNumber, 2);  // across the configuration
    EXPECT_EQ(adapters[1]->VirtualAdapters[1]->m_nNumber, 3);
    EXPECT_EQ(adapters[1]->VirtualAdapters[1]->Adapter, adapters[1].get());
    EXPECT_EQ(adapters[0]->VirtualAdapters[1]->Pvcs[0]->m_nNumber, 1);
    EXPECT_EQ(adapters[1]->VirtualAdapters[0]->Pvcs[0]->m_nNumber, 0);  // PVCs start again
    EXPECT_EQ(adapters[0]->VirtualAdapters[1]->Mappings[1]->m_nNumber, 2);
    EXPECT_EQ(adapters[1]->VirtualAdapters[1]->Mappings[0]->m_nNumber, 0);
    EXPECT_EQ(adapters[1]->VirtualAdapters[1]->Mappings[0]->VirtualAdapter,
              adapters[1]->VirtualAdapters[1].get());
}

// Records the texts the document gives tree nodes.
class CFakeTree : public CTreeNodeHost {
  public:
    void SetNodeText(void* item, const std::string& text) override {
        texts[item] = text;
        ++calls;
    }
    std::map<void*, std::string> texts;
    int calls = 0;
};

TEST(Document, RenumberRelabelsNodesAfterARemoval) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    CFakeTree tree;
    int items[3];
    auto& adapters = doc.Cfgfile().Adapters;
    adapters[1]->m_node = {&items[0], &tree};
    adapters[1]->VirtualAdapters[0]->m_node = {&items[1], &tree};
    adapters[1]->VirtualAdapters[1]->Pvcs[0]->m_node = {&items[2], &tree};

    doc.m_pCurAdapter = adapters[0].get();
    std::unique_ptr<CDocObject> removed = doc.RemoveObject(adapters[0].get());
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->m_nType, DOC_TYPE_ADAPTER);
    EXPECT_EQ(tree.texts[&items[0]], "Physical ATM Adapter 0");
    EXPECT_EQ(tree.texts[&items[1]], "Virtual Adapter 0 - Ethernet LanEmulation");
    EXPECT_EQ(tree.texts[&items[2]], "Pvc 1: Vpi/Vci 0/32");
    // The removed subtree is intact and owned by the caller.
    EXPECT_EQ(static_cast<C_Doc_Adapter*>(removed.get())->VirtualAdapters.size(), 2u);
}

// A node is relabelled by a print of its label, not by the label: over labels that each differ
// from the last in one byte, in length or not at all (as renumbering changes them), the tree is
// given every changed label and no unchanged one.
TEST(Document, RelabelGivesTheTreeEveryChangedLabelAndNoOther) {
    CFakeTree tree;
    int item = 0;
    CTreeNodeRef node{&item, &tree};
    std::string label = "Virtual Adapter 12 - Token-Ring LanEmulation";
    node.SetText(label);
    std::mt19937 random(7);
    int changes = 1;
    for (int step = 0; step < 20000; ++step) {
        const std::string before = label;
        const unsigned pick = random() % 4;
        if (pick == 1 && !label.empty()) {
            char& c = label[random() % label.size()];
            c = static_cast<char>(c == '9' ? '0' : c + 1);
        } else if (pick == 2 && label.size() < 80) {
            label += static_cast<char>('0' + random() % 10);
        } else if (pick == 3 && !label.empty()) {
            label.pop_back();
        }
        node.Relabel(label);
        if (label != before) ++changes;
        ASSERT_EQ(tree.calls, changes) << "step " << step << ": \"" << label << '"';
        ASSERT_EQ(tree.texts[&item], label);
    }
}

TEST(Document, AddPastedObjectFollowsTheSelectionContext) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    auto& adapters = doc.Cfgfile().Adapters;

    // Without a current adapter a profile has nowhere to go: handed back, not leaked.
    std::unique_ptr<CDocObject> rejected;
    EXPECT_FALSE(doc.AddPastedObject(std::make_unique<C_Doc_TrafficProfile>(), &rejected));
    ASSERT_NE(rejected, nullptr);

    doc.m_pCurAdapter = adapters[1].get();
    EXPECT_TRUE(doc.AddPastedObject(std::move(rejected)));
    EXPECT_EQ(adapters[1]->TrafficProfiles.size(), 2u);
    EXPECT_EQ(adapters[1]->TrafficProfiles[1]->m_nNumber, 1);
    EXPECT_EQ(adapters[1]->TrafficProfiles[1]->Adapter, adapters[1].get());

    doc.m_pCurElan = adapters[0]->VirtualAdapters[0].get();
    EXPECT_TRUE(doc.AddPastedObject(std::make_unique<C_Doc_Pvc>()));
    EXPECT_EQ(adapters[0]->VirtualAdapters[0]->Pvcs.size(), 2u);
    EXPECT_TRUE(doc.AddPastedObject(std::make_unique<C_Doc_Adapter>()));
    EXPECT_EQ(adapters.size(), 3u);
    EXPECT_EQ(adapters[2]->m_nNumber, 2);
    EXPECT_TRUE(doc.AddPastedObject(std::make_unique<C_Doc_Elan>(ELAN_RFC1483)));
    EXPECT_EQ(adapters[1]->VirtualAdapters.size(), 3u);
    EXPECT_EQ(adapters[1]->VirtualAdapters[2]->m_nNumber, 4);

    // The configuration object and a mislabelled object are refused.
    EXPECT_FALSE(doc.AddPastedObject(std::make_unique<C_Doc_Cfgfile>()));
    auto impostor = std::make_unique<CDocObject>();
    impostor->m_nType = DOC_TYPE_PVC;
    rejected.reset();
    EXPECT_FALSE(doc.AddPastedObject(std::move(impostor), &rejected));
    EXPECT_NE(rejected, nullptr);
}

TEST(Document, RemoveObjectOnlyFindsObjectsInTheContextsList) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    auto& adapters = doc.Cfgfile().Adapters;
    C_Doc_Pvc* pvc = adapters[1]->VirtualAdapters[1]->Pvcs[0].get();
    doc.m_pCurElan = adapters[1]->VirtualAdapters[0].get();  // not the PVC's owner
    EXPECT_EQ(doc.RemoveObject(pvc), nullptr);
    doc.m_pCurElan = adapters[1]->VirtualAdapters[1].get();
    EXPECT_NE(doc.RemoveObject(pvc), nullptr);
    EXPECT_TRUE(adapters[1]->VirtualAdapters[1]->Pvcs.empty());
}

TEST(Document, DeleteContentsEmptiesEverythingAndTheContext) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    doc.m_pCurAdapter = doc.Cfgfile().Adapters[0].get();
    doc.m_pCurPvc = doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->Pvcs[0].get();
    doc.DeleteContents();
    EXPECT_TRUE(doc.Cfgfile().Adapters.empty());
    EXPECT_EQ(doc.m_pCurAdapter, nullptr);
    EXPECT_EQ(doc.m_pCurPvc, nullptr);
    EXPECT_EQ(doc.ConfigurationText(), "");
}

TEST(Document, TreeOutlineFollowsTheDisplayOption) {
    CNetloomDoc doc;
    Open(doc, kTwoByTwo);
    auto count = [](const std::vector<TreeOutlineNode>& nodes, NodeKind kind) {
        int n = 0;
        for (const auto& node : nodes)
            n += node.kind == kind;
        return n;
    };
    const auto shown = BuildTreeOutline(doc.Cfgfile(), "/x.cfg", true);
    EXPECT_EQ(shown[0].label, "/x.cfg");
    EXPECT_EQ(count(shown, NODE_TRAFFIC_PROFILES), 2);
    EXPECT_EQ(count(shown, NODE_TRAFFIC_PROFILE), 3);
    EXPECT_EQ(count(shown, NODE_MAPPINGS), 3);  // not under the RFC 1483 virtual adapter
    EXPECT_EQ(count(shown, NODE_MAPPING), 3);   // its mapping is kept but not shown
    EXPECT_EQ(count(shown, NODE_PVCS), 4);
    const auto hidden = BuildTreeOutline(doc.Cfgfile(), "/x.cfg", false);
    EXPECT_EQ(count(hidden, NODE_TRAFFIC_PROFILES), 0);
    EXPECT_EQ(count(hidden, NODE_MAPPINGS), 0);
    EXPECT_EQ(count(hidden, NODE_PVC), 4);
    // Hidden objects are still written.
    EXPECT_NE(doc.ConfigurationText().find("DefineProfileMapping"), std::string::npos);
}

}  // namespace
}  // namespace netloom
