// Undo and Redo of every kind of edit, driven without any GUI: what comes back is the same
// configuration text, the same labels and the very same objects, and the modified flag follows
// the point where the file was last read or saved.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "clip/ClipObject.h"
#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/CommandIds.h"
#include "doc/CommandRules.h"
#include "doc/DocView.h"
#include "doc/EditSteps.h"
#include "doc/Elan.h"
#include "doc/InsertCommands.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/TreeOutline.h"
#include "doc/UserOptions.h"

namespace netloom {
namespace {

// Confirms every sheet after changing one value that shows in the object's label or text.
class CChangingEditor : public CObjectEditor {
  public:
    bool Edit(C_Doc_Adapter& o) override { return Set(o.MaxVciBits, 8 + Next() % 8); }
    bool Edit(C_Doc_TrafficProfile& o) override { return Set(o.MaxBurstSize, 1 + Next() % 90); }
    bool Edit(C_Doc_Elan& o) override { return Set(o.AgingTime, 10 + Next() % 300); }
    bool Edit(C_Doc_TpMapping& o) override { return Set(o.VcType, Next() % 4); }
    bool Edit(C_Doc_Pvc& o) override { return Set(o.Vci, 32 + Next() % 1000); }
    bool Edit(C_Doc_Cfgfile& o) override { return Set(o.m_nAdapterModel, Next() % 2); }
    bool ChooseVirtualAdapterType(int& type) override {
        type = static_cast<int>(Next() % 3);
        return true;
    }
    std::mt19937 random{7};

  private:
    uint32_t Next() { return static_cast<uint32_t>(random()); }
    static bool Set(int32_t& field, uint32_t value) {
        field = static_cast<int32_t>(value);
        return true;
    }
};

// Every node the tree would show, as (kind, item data), in display order.
std::vector<std::pair<int, CDocObject*>> Nodes(CNetloomDoc& doc) {
    std::vector<std::pair<int, CDocObject*>> nodes;
    for (const TreeOutlineNode& node : BuildTreeOutline(doc.Cfgfile(), std::string(), true))
        nodes.emplace_back(node.kind, node.object);
    return nodes;
}

// What the user sees of the objects: each one's identity and label.
std::vector<std::pair<CDocObject*, std::string>> Labels(CNetloomDoc& doc) {
    std::vector<std::pair<CDocObject*, std::string>> labels;
    for (const auto& [kind, object] : Nodes(doc)) {
        if (IsObjectNodeKind(kind)) labels.emplace_back(object, object->GetLabel());
    }
    return labels;
}

class EditHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_previous = SetObjectEditor(&m_editor);
        test::Open(m_doc, test::SourceFile("examples/ka-210x.cfg"));
        m_options.DisplayTrafficProfiles = true;
    }
    void TearDown() override { SetObjectEditor(m_previous); }

    void Select(int kind, CDocObject* object) { SetSelectionContext(m_doc, kind, object); }
    // A copy of object pasted where the node (kind, target) puts it.
    bool Paste(CDocObject& object, int kind, CDocObject* target, int targetKind) {
        CClipObject writer(object, static_cast<uint16_t>(kind));
        const std::vector<uint8_t> block = writer.Write();
        CClipObject reader;
        if (!reader.Read(block.data(), block.size())) return false;
        Select(targetKind, target);
        return CanAccept(targetKind, kind) && reader.PasteInto(m_doc, "Paste");
    }
    bool Properties(CDocObject& object) {
        std::vector<uint8_t> before = SnapshotProperties(object);
        return object.EditProperties() &&
               m_doc.Apply(MakePropertiesStep(object, std::move(before), "Properties"));
    }
    bool Delete(CDocObject& object) { return m_doc.Apply(MakeRemoveStep(object, "Delete")); }
    void UndoAll() {
        while (m_doc.Undo()) {
        }
    }
    void RedoAll() {
        while (m_doc.Redo()) {
        }
    }

    CChangingEditor m_editor;
    CObjectEditor* m_previous = nullptr;
    CNetloomDoc m_doc;
    CUserOptions m_options;
};

TEST_F(EditHistoryTest, EachKindOfStepUndoesAndRedoesToTheSameTextAndLabels) {
    auto nodeOf = [this](int kind, size_t n = 0) {
        for (const auto& [k, object] : Nodes(m_doc)) {
            if (k == kind && n-- == 0) return object;
        }
        return static_cast<CDocObject*>(nullptr);
    };
    const int kinds[] = {NODE_ADAPTER, NODE_TRAFFIC_PROFILE, NODE_VIRTUAL_ADAPTER, NODE_PVC,
                         NODE_MAPPING};
    std::vector<std::pair<std::string, std::function<bool()>>> steps;
    for (int id : {ID_INSERT_ADAPTER, ID_INSERT_TRAFFIC_PROFILE, ID_INSERT_VIRTUAL_ADAPTER,
                   ID_INSERT_PVC, ID_INSERT_MAPPING}) {
        steps.emplace_back("insert " + std::to_string(id), [this, id, nodeOf] {
            Select(NODE_VIRTUAL_ADAPTER, nodeOf(NODE_VIRTUAL_ADAPTER, 1));
            return RunInsertCommand(id, m_doc, m_options);
        });
    }
    for (int kind : kinds) {
        steps.emplace_back("delete " + std::to_string(kind), [this, kind, nodeOf] {
            Select(kind, nodeOf(kind, 1));
            return Delete(*nodeOf(kind, 1));
        });
        steps.emplace_back("paste " + std::to_string(kind), [this, kind, nodeOf] {
            return Paste(*nodeOf(kind), kind, nodeOf(NODE_PVC, 1), NODE_PVC);
        });
        steps.emplace_back("properties " + std::to_string(kind),
                           [this, kind, nodeOf] { return Properties(*nodeOf(kind, 1)); });
    }
    steps.emplace_back("properties of the root", [this] { return Properties(m_doc.Cfgfile()); });

    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        const std::string before = m_doc.ConfigurationText();
        const auto labelsBefore = Labels(m_doc);
        ASSERT_TRUE(step());
        const std::string after = m_doc.ConfigurationText();
        const auto labelsAfter = Labels(m_doc);
        ASSERT_TRUE(m_doc.Undo());
        EXPECT_EQ(m_doc.ConfigurationText(), before);
        EXPECT_EQ(Labels(m_doc), labelsBefore);
        ASSERT_TRUE(m_doc.Redo());
        EXPECT_EQ(m_doc.ConfigurationText(), after);
        EXPECT_EQ(Labels(m_doc), labelsAfter);
        EXPECT_FALSE(m_doc.Redo());
    }
}

// A few hundred random edits, undos and redos on generated configurations: undoing them all
// gives back the opened file byte for byte, with the same objects, and redoing them all the
// final one.
TEST_F(EditHistoryTest, RandomEditsAllUndoneGiveBackTheOpenedText) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        m_editor.random.seed(seed);
        if (seed > 1) {
            // A configuration grown from the example by random pastes, then saved and opened.
            for (int i = 0; i < 20; ++i) {
                const auto nodes = Nodes(m_doc);
                const auto& [kind, object] = nodes[random() % nodes.size()];
                const auto& [targetKind, target] = nodes[random() % nodes.size()];
                if (IsDeletableNodeKind(kind)) Paste(*object, kind, target, targetKind);
            }
            const std::string text = m_doc.ConfigurationText();
            m_doc.DeleteContents();
            test::Open(m_doc, text);
        }
        const std::string opened = m_doc.ConfigurationText();
        const auto openedLabels = Labels(m_doc);
        m_doc.SetModifiedFlag(false);

        for (int i = 0; i < 300; ++i) {
            const auto nodes = Nodes(m_doc);
            const auto& [kind, object] = nodes[random() % nodes.size()];
            switch (random() % 8) {
                case 0:
                    m_doc.Undo();
                    break;
                case 1:
                    m_doc.Redo();
                    break;
                case 2:
                    if (IsDeletableNodeKind(kind) && nodes.size() < 400) {
                        const auto& [targetKind, target] = nodes[random() % nodes.size()];
                        Paste(*object, kind, target, targetKind);
                    }
                    break;
                case 3:
                case 4:
                    if (IsDeletableNodeKind(kind)) {
                        Select(kind, object);
                        EXPECT_TRUE(Delete(*object));
                    }
                    break;
                case 5:
                    if (IsObjectNodeKind(kind)) {
                        EXPECT_TRUE(Properties(*object));
                    }
                    break;
                default: {
                    Select(kind, object);
                    const int id = ID_INSERT_ADAPTER + static_cast<int>(random() % 5);
                    if (IsInsertCommandEnabled(id, m_doc, m_options)) {
                        EXPECT_TRUE(RunInsertCommand(id, m_doc, m_options));
                    }
                }
            }
        }
        RedoAll();
        const std::string final = m_doc.ConfigurationText();
        const auto finalLabels = Labels(m_doc);
        UndoAll();
        EXPECT_EQ(m_doc.ConfigurationText(), opened);
        EXPECT_EQ(Labels(m_doc), openedLabels);
        EXPECT_FALSE(m_doc.IsModified());
        RedoAll();
        EXPECT_EQ(m_doc.ConfigurationText(), final);
        EXPECT_EQ(Labels(m_doc), finalLabels);
        UndoAll();
    }
}

TEST_F(EditHistoryTest, TheModifiedFlagFollowsTheSavePoint) {
    std::vector<bool> reported;
    m_doc.SetModifiedObserver([&](bool modified) { reported.push_back(modified); });
    C_Doc_Adapter& adapter = *m_doc.Cfgfile().Adapters.at(0);
    EXPECT_FALSE(m_doc.IsModified());
    ASSERT_TRUE(Properties(adapter));
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.Undo();
    EXPECT_FALSE(m_doc.IsModified()) << "back where the file was read";
    m_doc.Redo();
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.SetModifiedFlag(false);  // saved here
    m_doc.Undo();
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.Redo();
    EXPECT_FALSE(m_doc.IsModified());
    // A step done after an undo makes the saved state unreachable.
    m_doc.Undo();
    ASSERT_TRUE(Properties(adapter));
    m_doc.Undo();
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.History().CanRedo() && m_doc.History().NextRedo()->Name() != "Properties");
    EXPECT_EQ(reported, (std::vector<bool>{true, false, true, false, true, false, true}));
    // A change made outside the history keeps it modified whatever is undone.
    m_doc.SetModifiedFlag(false);
    m_doc.SetModifiedFlag(true);
    UndoAll();
    EXPECT_TRUE(m_doc.IsModified());
    // Opening another file forgets the history.
    m_doc.DeleteContents();
    EXPECT_FALSE(m_doc.History().CanUndo());
    EXPECT_FALSE(m_doc.History().CanRedo());
}

TEST_F(EditHistoryTest, UndoingTheDeleteOfALargeAdapterTakesLittleTime) {
    C_Doc_Adapter& adapter = *m_doc.Cfgfile().Adapters.at(0);
    for (int i = 0; i < 5000; ++i)
        adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    C_Doc_Elan& elan = *adapter.VirtualAdapters.at(0);
    for (int i = 0; i < 5000; ++i)
        elan.Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
    m_doc.Renumber();
    const std::string before = m_doc.ConfigurationText();
    Select(NODE_ADAPTER, &adapter);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Delete(adapter));
    ASSERT_TRUE(m_doc.Undo());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 500);
    EXPECT_EQ(m_doc.Cfgfile().Adapters.at(0).get(), &adapter) << "the same adapter, first again";
    EXPECT_EQ(m_doc.ConfigurationText(), before);
}

}  // namespace
}  // namespace netloom
