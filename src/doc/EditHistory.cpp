#include "doc/EditHistory.h"

namespace netloom {

void CEditHistory::Push(std::unique_ptr<CEditStep> step) {
    if (m_savePoint != kNoSavePoint && m_savePoint > m_position) m_savePoint = kNoSavePoint;
    // Newest first, so that each step goes before the older ones whose objects it may name.
    while (m_steps.size() > m_position)
        m_steps.pop_back();
    m_steps.push_back(std::move(step));
    ++m_position;
}

void CEditHistory::Clear() {
    const bool saved = IsAtSavePoint();
    while (!m_steps.empty())
        m_steps.pop_back();
    m_position = 0;
    m_savePoint = saved ? 0 : kNoSavePoint;
}

}  // namespace netloom
