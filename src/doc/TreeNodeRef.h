#pragma once
// A handle to a node of the tree view, as the core sees it: an opaque item and the view that
// holds it. The view implements CTreeNodeHost; the core never looks inside the item.

#include <cstdint>
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
    // A fingerprint of the text last given to the node through this handle, 0 while none is
    // known. Renumbering gives every node its label again and most keep theirs: told apart
    // here, an unchanged label costs no look into the tree, whose items lie all over memory.
    uint64_t m_nTextPrint = 0;

    bool IsSet() const { return m_hItem != nullptr && m_pView != nullptr; }
    void Clear() { *this = CTreeNodeRef(); }
    void SetText(const std::string& text) {
        if (!IsSet()) return;
        m_pView->SetNodeText(m_hItem, text);
        m_nTextPrint = TextPrint(text);
    }
    // The node was made with text.
    void NoteText(const std::string& text) { m_nTextPrint = TextPrint(text); }
    // As SetText, but only when text is not what the node was last given through this handle.
    void Relabel(const std::string& text) {
        if (!IsSet()) return;
        const uint64_t print = TextPrint(text);
        if (print == m_nTextPrint) return;
        m_pView->SetNodeText(m_hItem, text);
        m_nTextPrint = print;
    }

  private:
    // 64-bit FNV-1a, never 0.
    static uint64_t TextPrint(const std::string& text) {
        uint64_t hash = 14695981039346656037ull;
        for (const char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
        return hash | 1;
    }
};

}  // namespace netloom
