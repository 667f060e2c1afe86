// The edit commands' enabling rules, the selection context, the five Insert commands and the
// document's New / Open / Save sequences, driven without any GUI.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/CommandIds.h"
#include "doc/CommandRules.h"
#include "doc/DocLifecycle.h"
#include "doc/DocView.h"
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

using test::CrLf;

// Answers every sheet with answer; records what was edited and what owners it saw.
class CScriptedEditor : public CObjectEditor {
  public:
    bool Edit(C_Doc_Adapter&) override { return Note("adapter"); }
    bool Edit(C_Doc_TrafficProfile& p) override {
        sawOwner = p.Adapter != nullptr;
        return Note("profile");
    }
    bool Edit(C_Doc_Elan& e) override {
        sawOwner = e.Adapter != nullptr;
        return Note("elan");
    }
    bool Edit(C_Doc_TpMapping& m) override {
        sawOwner = m.VirtualAdapter != nullptr;
        return Note("mapping");
    }
    bool Edit(C_Doc_Pvc& p) override {
        sawOwner = p.VirtualAdapter != nullptr;
        return Note("pvc");
    }
    bool Edit(C_Doc_Cfgfile& c) override {
        if (answer) c.m_nAdapterModel = model;
        return Note("cfgfile");
    }
    bool ChooseVirtualAdapterType(int& type) override {
        edited.push_back("type");
        if (chooseAnswer) type = elanType;
        return chooseAnswer;
    }
    bool Note(const char* what) {
        edited.push_back(what);
        return answer;
    }

    bool answer = true;
    bool chooseAnswer = true;
    int elanType = ELAN_LANE;
    int model = MODEL_KA210X;
    bool sawOwner = false;
    std::vector<std::string> edited;
};

class CRecordingView : public CDocView {
  public:
    void ObjectAdded(CDocObject& o) override { added.push_back(&o); }
    void ObjectRemoved(CDocObject& o) override { removed.push_back(&o); }
    void ObjectRelabelled(CDocObject& o) override { relabelled.push_back(&o); }
    void SelectObject(CDocObject& o) override { selected.push_back(&o); }
    void SetRootText(const std::string& path) override { rootText = path; }
    std::vector<CDocObject*> added, removed, relabelled, selected;
    std::string rootText;
};

const std::string kTwoAdapters = CrLf({
    "DefineAdapter",
    "    DefineVirtualAdapter LanEmulation",
    "    EndVirtualAdapter",
    "    DefineVirtualAdapter Rfc1483",
    "    EndVirtualAdapter",
    "EndAdapter",
    "DefineAdapter",
    "    DefineVirtualAdapter ClassicalIp",
    "    EndVirtualAdapter",
    "EndAdapter",
});

class DocCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_previous = SetObjectEditor(&m_editor);
        test::Open(m_doc, kTwoAdapters);
        m_doc.SetView(&m_view);
    }
    void TearDown() override { SetObjectEditor(m_previous); }

    C_Doc_Adapter& Adapter(size_t i) { return *m_doc.Cfgfile().Adapters.at(i); }
    C_Doc_Elan& Elan(size_t a, size_t e) { return *Adapter(a).VirtualAdapters.at(e); }
    std::vector<bool> InsertStates() {
        std::vector<bool> states;
        for (int id = ID_INSERT_ADAPTER; id <= ID_INSERT_MAPPING; ++id)
            states.push_back(IsInsertCommandEnabled(id, m_doc, m_options));
        return states;  // adapter, virtual adapter, traffic profile, PVC, mapping
    }

    CScriptedEditor m_editor;
    CObjectEditor* m_previous = nullptr;
    CNetloomDoc m_doc;
    CUserOptions m_options;
    CRecordingView m_view;
};

TEST_F(DocCommandsTest, SelectionContextFollowsTheNodeKind) {
    C_Doc_Elan& lane = Elan(0, 0);
    auto pvc = std::make_unique<C_Doc_Pvc>();
    lane.Pvcs.push_back(std::move(pvc));
    m_doc.Renumber();
    C_Doc_Pvc* thePvc = lane.Pvcs[0].get();

    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTERS, &Adapter(1));
    EXPECT_EQ(m_doc.m_pCurAdapter, &Adapter(1));
    EXPECT_EQ(m_doc.m_pCurElan, nullptr);

    SetSelectionContext(m_doc, NODE_PVC, thePvc);
    EXPECT_EQ(m_doc.m_pCurPvc, thePvc);
    EXPECT_EQ(m_doc.m_pCurElan, &lane);
    EXPECT_EQ(m_doc.m_pCurAdapter, &Adapter(0));

    SetSelectionContext(m_doc, NODE_PVCS, &Elan(1, 0));
    EXPECT_EQ(m_doc.m_pCurPvc, nullptr);
    EXPECT_EQ(m_doc.m_pCurElan, &Elan(1, 0));
    EXPECT_EQ(m_doc.m_pCurAdapter, &Adapter(1));

    SetSelectionContext(m_doc, NODE_CONFIGURATION, &m_doc.Cfgfile());
    EXPECT_EQ(m_doc.m_pCurAdapter, nullptr);
    EXPECT_EQ(m_doc.m_pCurElan, nullptr);

    // A node whose data is not of the class its kind names sets nothing.
    SetSelectionContext(m_doc, NODE_TRAFFIC_PROFILE, &Adapter(0));
    EXPECT_EQ(m_doc.m_pCurAdapter, nullptr);
    EXPECT_EQ(m_doc.m_pCurTrafficProfile, nullptr);
    SetSelectionContext(m_doc, -1, nullptr);
    EXPECT_EQ(m_doc.m_pCurAdapter, nullptr);
}

TEST_F(DocCommandsTest, InsertCommandsFollowContextOptionsAndRfc1483) {
    using V = std::vector<bool>;
    // Root: only Insert Adapter.
    SetSelectionContext(m_doc, NODE_CONFIGURATION, &m_doc.Cfgfile());
    EXPECT_EQ(InsertStates(), (V{true, false, false, false, false}));

    // A "Virtual Adapters" group: its adapter is current; profiles hidden.
    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTERS, &Adapter(0));
    EXPECT_EQ(InsertStates(), (V{true, true, false, false, false}));
    m_options.DisplayTrafficProfiles = true;
    EXPECT_EQ(InsertStates(), (V{true, true, true, false, false}));

    // LANE virtual adapter: PVC and mapping.
    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTER, &Elan(0, 0));
    EXPECT_EQ(InsertStates(), (V{true, true, true, true, true}));
    m_options.DisplayTrafficProfiles = false;
    EXPECT_EQ(InsertStates(), (V{true, true, false, true, false}));

    // RFC 1483: one PVC, never a mapping.
    m_options.DisplayTrafficProfiles = true;
    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTER, &Elan(0, 1));
    EXPECT_EQ(InsertStates(), (V{true, true, true, true, false}));
    ASSERT_TRUE(InsertPvc(m_doc));
    EXPECT_EQ(InsertStates(), (V{true, true, true, false, false}));
    m_editor.edited.clear();
    EXPECT_FALSE(RunInsertCommand(ID_INSERT_PVC, m_doc, m_options));
    EXPECT_TRUE(m_editor.edited.empty()) << "a disabled command opened a sheet";
    EXPECT_EQ(Elan(0, 1).Pvcs.size(), 1u);

    EXPECT_TRUE(IsObjectNodeKind(0));
    EXPECT_FALSE(IsDeletableNodeKind(0));
    for (int kind : {2, 4, 6, 8, -1, 10}) {
        EXPECT_FALSE(IsObjectNodeKind(kind)) << kind;
        EXPECT_FALSE(IsDeletableNodeKind(kind)) << kind;
    }
    for (int kind : {1, 3, 5, 7, 9})
        EXPECT_TRUE(IsDeletableNodeKind(kind)) << kind;
}

TEST_F(DocCommandsTest, ConfirmedInsertAppendsAddsNodeRenumbersAndMarksModified) {
    m_options.DisplayTrafficProfiles = true;
    SetSelectionContext(m_doc, NODE_ADAPTER, &Adapter(1));
    m_editor.elanType = ELAN_RFC1483;
    ASSERT_TRUE(RunInsertCommand(ID_INSERT_VIRTUAL_ADAPTER, m_doc, m_options));
    EXPECT_EQ(m_editor.edited, (std::vector<std::string>{"type", "elan"}));
    EXPECT_TRUE(m_editor.sawOwner) << "the owner must be linked before the sheet opens";
    ASSERT_EQ(Adapter(1).VirtualAdapters.size(), 2u);
    C_Doc_Elan& added = *Adapter(1).VirtualAdapters.back();
    EXPECT_EQ(added.Type, ELAN_RFC1483);
    EXPECT_EQ(added.m_nNumber, 3);  // numbered across the whole configuration
    EXPECT_EQ(m_view.added, (std::vector<CDocObject*>{&added}));
    EXPECT_TRUE(m_doc.IsModified());

    ASSERT_TRUE(RunInsertCommand(ID_INSERT_TRAFFIC_PROFILE, m_doc, m_options));
    EXPECT_EQ(Adapter(1).TrafficProfiles.back()->Adapter, &Adapter(1));

    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTER, &Elan(0, 0));
    ASSERT_TRUE(RunInsertCommand(ID_INSERT_MAPPING, m_doc, m_options));
    EXPECT_TRUE(m_editor.sawOwner);
    ASSERT_TRUE(RunInsertCommand(ID_INSERT_ADAPTER, m_doc, m_options));
    EXPECT_EQ(m_doc.Cfgfile().Adapters.size(), 3u);
    EXPECT_EQ(m_doc.Cfgfile().Adapters.back()->m_nNumber, 2);
    EXPECT_EQ(m_view.added.size(), 4u);
}

TEST_F(DocCommandsTest, CancelledInsertChangesNothing) {
    m_options.DisplayTrafficProfiles = true;
    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTER, &Elan(0, 0));
    const std::string before = m_doc.ConfigurationText();
    m_editor.answer = false;
    for (int id = ID_INSERT_ADAPTER; id <= ID_INSERT_MAPPING; ++id)
        EXPECT_FALSE(RunInsertCommand(id, m_doc, m_options)) << id;
    // The type dialog's cancel ends Insert Virtual Adapter before any sheet.
    m_editor.answer = true;
    m_editor.chooseAnswer = false;
    m_editor.edited.clear();
    EXPECT_FALSE(InsertVirtualAdapter(m_doc));
    EXPECT_EQ(m_editor.edited, (std::vector<std::string>{"type"}));

    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_view.added.empty());
    EXPECT_EQ(m_doc.ConfigurationText(), before);
}

TEST_F(DocCommandsTest, NothingIsInsertedWithoutAnEditor) {
    SetObjectEditor(nullptr);
    SetSelectionContext(m_doc, NODE_VIRTUAL_ADAPTER, &Elan(0, 0));
    EXPECT_FALSE(InsertAdapter(m_doc));
    EXPECT_FALSE(InsertVirtualAdapter(m_doc));
    EXPECT_FALSE(InsertPvc(m_doc));
    EXPECT_EQ(m_doc.Cfgfile().Adapters.size(), 2u);
}

// A single-document layer that reads from a map of "files".
class CFakeFramework : public CDocFramework {
  public:
    explicit CFakeFramework(CNetloomDoc& doc) : m_doc(doc) {}
    bool NewDocumentStep() override {
        m_doc.DeleteContents();
        path.clear();
        m_doc.SetModifiedFlag(false);
        return true;
    }
    bool OpenDocumentStep(const std::string& p) override {
        auto it = files.find(p);
        if (it == files.end()) return false;
        m_doc.DeleteContents();
        m_doc.ReadText(it->second, nullptr);
        m_doc.SetModifiedFlag(false);
        return true;
    }
    bool SaveDocumentStep(const std::string& p) override {
        if (!canSave) return false;
        files[p] = m_doc.ConfigurationText();
        m_doc.SetModifiedFlag(false);
        return true;
    }
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    std::string GetPathName() const override { return path; }
    void SetPathName(const std::string& p, bool addToRecent) override {
        path = p;
        title = p.substr(p.find_last_of('/') + 1);
        if (addToRecent) recent.push_back(p);
    }

    CNetloomDoc& m_doc;
    std::map<std::string, std::string> files;
    std::string title = "Untitled";
    std::string path;
    std::vector<std::string> recent;
    bool canSave = true;
};

TEST_F(DocCommandsTest, NewDocumentIsTitledAfterTheModel) {
    CFakeFramework framework(m_doc);
    m_doc.SetModifiedFlag();
    ASSERT_TRUE(OnNewDocument(m_doc, framework));
    EXPECT_TRUE(m_doc.Cfgfile().Adapters.empty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(framework.title, "ka-210x");
    EXPECT_EQ(m_doc.Cfgfile().m_name, "ka-210x");

    m_editor.model = MODEL_KA3301;
    ASSERT_TRUE(OnNewDocument(m_doc, framework));
    EXPECT_EQ(framework.title, "ka-3301");

    m_editor.model = 7;  // no name: the framework's title stays
    framework.title = "Untitled";
    ASSERT_TRUE(OnNewDocument(m_doc, framework));
    EXPECT_EQ(m_doc.Cfgfile().m_name, "Untitled");

    m_editor.answer = false;
    EXPECT_FALSE(OnNewDocument(m_doc, framework));
}

TEST_F(DocCommandsTest, OpenReadsAndRenumbers) {
    CFakeFramework framework(m_doc);
    framework.files["/cfg/a.cfg"] = kTwoAdapters;
    ASSERT_TRUE(OnOpenDocument(m_doc, framework, "/cfg/a.cfg"));
    EXPECT_EQ(m_doc.Cfgfile().m_name, "/cfg/a.cfg");
    EXPECT_EQ(Elan(1, 0).m_nNumber, 2);
    EXPECT_EQ(Elan(1, 0).Adapter, &Adapter(1));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(m_editor.edited.empty());
}

TEST_F(DocCommandsTest, FailedOpenBecomesANewModifiedDocumentOnThePath) {
    CFakeFramework framework(m_doc);
    m_editor.answer = false;  // even a cancelled adapter type leaves the document open
    ASSERT_TRUE(OnOpenDocument(m_doc, framework, "/cfg/missing.cfg"));
    EXPECT_EQ(m_editor.edited, (std::vector<std::string>{"cfgfile"}));
    EXPECT_TRUE(m_doc.Cfgfile().Adapters.empty());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(framework.path, "/cfg/missing.cfg");
    EXPECT_EQ(framework.recent, (std::vector<std::string>{"/cfg/missing.cfg"}));
    EXPECT_EQ(m_doc.Cfgfile().m_name, "/cfg/missing.cfg");
}

TEST_F(DocCommandsTest, SaveNamesTheConfigurationOnlyWhenItSucceeds) {
    CFakeFramework framework(m_doc);
    framework.path = "/cfg/old.cfg";
    m_doc.Cfgfile().m_name = "/cfg/old.cfg";
    m_doc.SetModifiedFlag();

    framework.canSave = false;
    EXPECT_FALSE(OnSaveDocument(m_doc, framework, &m_view, "/cfg/new.cfg"));
    EXPECT_EQ(m_doc.Cfgfile().m_name, "/cfg/old.cfg");
    EXPECT_EQ(m_view.rootText, "/cfg/old.cfg");
    EXPECT_TRUE(m_doc.IsModified());

    framework.canSave = true;
    ASSERT_TRUE(OnSaveDocument(m_doc, framework, &m_view, "/cfg/new.cfg"));
    EXPECT_EQ(m_doc.Cfgfile().m_name, "/cfg/new.cfg");
    EXPECT_EQ(m_view.rootText, "/cfg/new.cfg");
    EXPECT_EQ(framework.files["/cfg/new.cfg"], m_doc.ConfigurationText());
    EXPECT_FALSE(m_doc.IsModified());
}

}  // namespace
}  // namespace netloom
