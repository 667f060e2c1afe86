#pragma once
// The steps done on the document, in order, with the point reached by Undo and the point where
// the document was last read or saved. The document is modified exactly when the two differ.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "doc/EditStep.h"

namespace netloom {

class CEditHistory {
  public:
    // Records a step just done; the steps that were undone before it can no longer be redone.
    void Push(std::unique_ptr<CEditStep> step);

    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < m_steps.size(); }
    // The step Undo or Redo would take; null when there is none.
    CEditStep* NextUndo() const { return CanUndo() ? m_steps[m_position - 1].get() : nullptr; }
    CEditStep* NextRedo() const { return CanRedo() ? m_steps[m_position].get() : nullptr; }
    // Move the position over the step just undone or redone.
    void StepBack() {
        if (CanUndo()) --m_position;
    }
    void StepForward() {
        if (CanRedo()) ++m_position;
    }

    // The document now matches its file here.
    void MarkSavePoint() { m_savePoint = m_position; }
    // The document differs from its file whatever is undone or redone.
    void LoseSavePoint() { m_savePoint = kNoSavePoint; }
    bool IsAtSavePoint() const { return m_savePoint == m_position; }

    // Forgets every step; the save point stays where it is only if the position was there.
    void Clear();

  private:
    static constexpr size_t kNoSavePoint = static_cast<size_t>(-1);
    std::vector<std::unique_ptr<CEditStep>> m_steps;
    size_t m_position = 0;
    size_t m_savePoint = 0;
};

}  // namespace netloom
