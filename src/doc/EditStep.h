#pragma once
// One change of the document's contents, as the edit history keeps it: it can be done again
// and undone. A step owns every object that is out of the document because of it (a deleted
// object while the delete is done, an inserted one while the insert is undone), so undoing
// puts back the very same objects, and objects named by older steps stay alive.

#include <string>

namespace netloom {

class CNetloomDoc;

class CEditStep {
  public:
    explicit CEditStep(std::string name) : m_name(std::move(name)) {}
    virtual ~CEditStep() = default;
    CEditStep(const CEditStep&) = delete;
    CEditStep& operator=(const CEditStep&) = delete;

    // What the Undo and Redo items call it: "Insert Adapter", "Paste", ...
    const std::string& Name() const { return m_name; }

    // Carries the change out (the first time, or again after an undo); false when it could
    // not be, and then nothing changed.
    virtual bool Do(CNetloomDoc& doc) = 0;
    virtual void Undo(CNetloomDoc& doc) = 0;

  private:
    std::string m_name;
};

}  // namespace netloom
