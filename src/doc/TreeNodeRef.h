#pragma once
// A handle to a node of the tree view, as the core sees it: an opaque item and the view that
// holds it. The view implements CTreeNodeHost; the core never looks inside the item.

#include <string>

namespace netloom {

class CTreeNodeHost {
  public:
    virtual ~CTreeNodeHost() = default;
    virtual void SetNodeText(void* item, const std::string& text) = 0;
};

struct CTreeNodeRef {
    void* m_hItem = nullptr;
    CTreeNodeHost* m_pView = nullptr;

    bool IsSet() const { return m_hItem != nullptr && m_pView != nullptr; }
    void Clear() { *this = CTreeNodeRef(); }
    void SetText(const std::string& text) const {
        if (IsSet()) m_pView->SetNodeText(m_hItem, text);
    }
};

}  // namespace netloom
