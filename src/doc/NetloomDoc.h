#pragma once
// CNetloomDoc: the open configuration, its selection context, numbering and the operations
// that add and remove objects by kind. Free of any toolkit; the GUI drives it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "doc/Cfgfile.h"
#include "doc/EditHistory.h"

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_Pvc;
class C_Doc_TpMapping;
class CMessageSink;
class CTextSource;
class CDocView;

class CNetloomDoc {
  public:
    CNetloomDoc();
    ~CNetloomDoc();
    CNetloomDoc(const CNetloomDoc&) = delete;
    CNetloomDoc& operator=(const CNetloomDoc&) = delete;

    // Deletes every configuration object, clears the selection context and forgets the edit
    // history.
    void DeleteContents();

    // Reads configuration text into the (emptied) document; problems go to sink.
    void ReadText(std::string_view text, CMessageSink* sink);
    // The same for text that comes piece by piece.
    void ReadText(CTextSource& source, CMessageSink* sink);

    // The whole file text, as saving writes it. Refreshes the derived values (MaxPvcs, the
    // sustained rate of best-effort profiles, each PVC's UserInstance).
    std::string ConfigurationText();
    // The same text in place of what text held, in the room text has when that is enough:
    // the caller may have made TextRoom() in it beforehand.
    void WriteConfigurationText(std::string& text);
    // The room the next text is likely to need, from the size of the text last read or
    // written, so that the text is made in one block rather than copied again as it grows.
    size_t TextRoom() const { return m_nTextRoom; }

    // Numbers every object and sets the owner links; relabels every object with a tree node.
    void Renumber();

    // Appends object to the list its type code and the selection context name; false (and the
    // object handed back through rejected) when no list takes it.
    bool AddPastedObject(std::unique_ptr<CDocObject> object,
                         std::unique_ptr<CDocObject>* rejected = nullptr);
    // Takes object out of the list its type code and the selection context name and hands it
    // back; null when it is not there.
    std::unique_ptr<CDocObject> RemoveObject(CDocObject* object);

    void ClearSelectionContext();

    C_Doc_Cfgfile& Cfgfile() { return m_cfgfile; }

    // Every change of the contents is a step done here: the step reports to the view, the
    // history records it and the document counts as modified. False when the step could not
    // be done; then nothing changed and nothing is recorded.
    bool Apply(std::unique_ptr<CEditStep> step);
    // Undo and Redo of the newest step done or undone; false when there is none.
    bool Undo();
    bool Redo();
    const CEditHistory& History() const { return m_history; }

    // The view the steps report to; null for none.
    void SetView(CDocView* view) { m_pView = view; }
    CDocView* View() const { return m_pView; }

    // Modified exactly while the history is away from where the file was last read or saved,
    // or the contents were changed outside it.
    bool IsModified() const { return !m_history.IsAtSavePoint(); }
    // false: the document now matches its file (read or saved); true: it differs, whatever is
    // undone or redone.
    void SetModifiedFlag(bool modified = true);
    // Called after each step is done, undone or redone (the checks run again).
    void SetStepObserver(std::function<void()> observer) { m_stepObserver = std::move(observer); }
    // Called with the new state each time IsModified() changes.
    void SetModifiedObserver(std::function<void(bool)> observer) {
        m_modifiedObserver = std::move(observer);
    }

    C_Doc_Adapter* m_pCurAdapter = nullptr;
    C_Doc_TrafficProfile* m_pCurTrafficProfile = nullptr;
    C_Doc_Elan* m_pCurElan = nullptr;
    C_Doc_Pvc* m_pCurPvc = nullptr;
    C_Doc_TpMapping* m_pCurMapping = nullptr;

  private:
    // Runs change and tells the observer when the modified state changed with it.
    template <class Change>
    void Tracked(Change change);
    // Runs move (a step recorded, undone or redone) tracked, then tells the step observer.
    template <class Move>
    void MoveInHistory(Move move);
    // The object whose list the selection context names for objects of type code type.
    CDocObject* ContextOwner(int16_t type);

    C_Doc_Cfgfile m_cfgfile;
    size_t m_nTextRoom = 0;
    // The objects Renumber gives their labels again, kept between calls only for its room.
    std::vector<CDocObject*> m_relabelled;
    // After the contents: steps own objects that were taken out of them, and go first.
    CEditHistory m_history;
    CDocView* m_pView = nullptr;
    std::function<void(bool)> m_modifiedObserver;
    std::function<void()> m_stepObserver;
};

}  // namespace netloom
