#include "doc/EditSteps.h"

#include "archive/Archive.h"
#include "doc/DocObject.h"
#include "doc/DocView.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"

namespace netloom {

namespace {

// Insert, Paste and Drop: the object goes into a list; undone, it leaves it again and the
// step keeps it.
class CAddStep : public CEditStep {
  public:
    // byContext: the first Do puts the object where the selection context says, and a refused
    // object goes to refused.
    CAddStep(std::unique_ptr<CDocObject> object, std::string name, bool byContext,
             std::unique_ptr<CDocObject>* refused = nullptr)
        : CEditStep(std::move(name)),
          m_object(object.get()),
          m_owned(std::move(object)),
          m_bByContext(byContext),
          m_refused(refused) {}

    bool Do(CNetloomDoc& doc) override {
        if (!m_owned) return false;
        CDocView* view = doc.View();
        if (m_bByContext) {
            // The first paste or drop: the selection context chooses the list, and the
            // document renumbers before the node is added.
            std::unique_ptr<CDocObject> refused;
            const bool added = doc.AddPastedObject(std::move(m_owned), &refused);
            std::unique_ptr<CDocObject>* handBack = m_refused;
            m_refused = nullptr;
            if (!added) {
                (handBack ? *handBack : m_owned) = std::move(refused);
                return false;
            }
            m_bByContext = false;
            m_owner = OwnerOf(doc, *m_object);
            m_index = m_owner ? IndexInOwner(*m_owner, *m_object) : 0;
            if (view) view->ObjectAdded(*m_object);
            return true;
        }
        if (m_owner == nullptr) m_owner = OwnerOf(doc, *m_object);
        if (m_owner == nullptr || !PutInto(*m_owner, m_owned, m_index)) return false;
        m_index = IndexInOwner(*m_owner, *m_object);
        if (view) view->ObjectAdded(*m_object);
        doc.Renumber();
        return true;
    }

    void Undo(CNetloomDoc& doc) override {
        if (m_owned || m_owner == nullptr) return;
        m_owned = TakeFrom(*m_owner, *m_object, m_index);
        if (!m_owned) return;
        if (CDocView* view = doc.View()) view->ObjectRemoved(*m_object);
        ForgetTreeNodes(*m_object);
        doc.Renumber();
        if (CDocView* view = doc.View()) view->SelectObject(*m_owner);
    }

  private:
    CDocObject* m_object;
    std::unique_ptr<CDocObject> m_owned;  // while the object is out of the document
    CDocObject* m_owner = nullptr;
    size_t m_index = static_cast<size_t>(-1);  // at the end the first time
    bool m_bByContext;
    std::unique_ptr<CDocObject>* m_refused;
};

// Delete and Cut: the object leaves its list with everything it owns; undone, it goes back
// to the same place.
class CRemoveStep : public CEditStep {
  public:
    CRemoveStep(CDocObject& object, std::string name)
        : CEditStep(std::move(name)), m_object(&object) {}

    bool Do(CNetloomDoc& doc) override {
        if (m_owned) return false;
        // The first time, the list is the one the selection context names, as Delete and Cut
        // have always taken it, and RemoveObject renumbers; done again, the object leaves the
        // list it went back to.
        const bool first = m_owner == nullptr;
        if (first) {
            m_owner = OwnerOf(doc, *m_object);
            if (m_owner == nullptr) return false;
            m_index = IndexInOwner(*m_owner, *m_object);
            m_owned = doc.RemoveObject(m_object);
        } else {
            m_owned = TakeFrom(*m_owner, *m_object, m_index);
        }
        if (!m_owned) return false;
        if (CDocView* view = doc.View()) view->ObjectRemoved(*m_object);
        ForgetTreeNodes(*m_object);
        if (!first) doc.Renumber();
        return true;
    }

    void Undo(CNetloomDoc& doc) override {
        if (!m_owned || !PutInto(*m_owner, m_owned, m_index)) return;
        if (CDocView* view = doc.View()) view->ObjectAdded(*m_object);
        doc.Renumber();
    }

  private:
    CDocObject* m_object;
    std::unique_ptr<CDocObject> m_owned;  // while the object is out of the document
    CDocObject* m_owner = nullptr;
    size_t m_index = 0;
};

void RestoreProperties(CDocObject& object, const std::vector<uint8_t>& values) {
    // The snapshot was written from the object itself, yet it is read back through the
    // archive's checks for foreign blocks; a value those refuse (a line break that a page let
    // through) keeps the object as it is rather than ending the program.
    try {
        CArchive ar(values.data(), values.size());
        object.SerializeProperties(ar);
    } catch (const CArchiveException&) {
    }
}

class CPropertiesStep : public CEditStep {
  public:
    CPropertiesStep(CDocObject& object, std::vector<uint8_t> before, std::string name)
        : CEditStep(std::move(name)),
          m_object(&object),
          m_before(std::move(before)),
          m_after(SnapshotProperties(object)) {}

    bool Do(CNetloomDoc& doc) override {
        if (m_bDone) return false;
        if (m_bUndone) RestoreProperties(*m_object, m_after);
        Show(doc);
        m_bDone = true;
        return true;
    }

    void Undo(CNetloomDoc& doc) override {
        if (!m_bDone) return;
        RestoreProperties(*m_object, m_before);
        m_bDone = false;
        m_bUndone = true;
        Show(doc);
    }

  private:
    void Show(CNetloomDoc& doc) {
        CDocView* view = doc.View();
        if (view == nullptr) return;
        view->ObjectRelabelled(*m_object);
        if (m_bUndone) view->SelectObject(*m_object);
    }

    CDocObject* m_object;
    std::vector<uint8_t> m_before;
    std::vector<uint8_t> m_after;
    bool m_bDone = false;
    bool m_bUndone = false;  // set once undone: doing it again restores the values after OK
};

}  // namespace

std::unique_ptr<CEditStep> MakeInsertStep(std::unique_ptr<CDocObject> object, std::string name) {
    return std::make_unique<CAddStep>(std::move(object), std::move(name), false);
}

std::unique_ptr<CEditStep> MakePasteStep(std::unique_ptr<CDocObject> object, std::string name,
                                         std::unique_ptr<CDocObject>* refused) {
    return std::make_unique<CAddStep>(std::move(object), std::move(name), true, refused);
}

std::unique_ptr<CEditStep> MakeRemoveStep(CDocObject& object, std::string name) {
    return std::make_unique<CRemoveStep>(object, std::move(name));
}

std::unique_ptr<CEditStep> MakePropertiesStep(CDocObject& object, std::vector<uint8_t> before,
                                              std::string name) {
    return std::make_unique<CPropertiesStep>(object, std::move(before), std::move(name));
}

std::vector<uint8_t> SnapshotProperties(CDocObject& object) {
    std::vector<uint8_t> values;
    CArchive ar(values);
    object.SerializeProperties(ar);
    return values;
}

}  // namespace netloom
