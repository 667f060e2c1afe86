#pragma once
// A handle to a node of the tree view, as the core sees it: an opaque item and the view that
// holds it. The view implements CTreeNodeHost; the core never looks inside the item.

#include <cstddef>
#include <cstdint>
#include <cstring>
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
    // Eight bytes a step, so that a label of forty costs five steps rather than forty. Each step
    // maps the print so far one to one for a given word (xor, an odd multiplier, an xor-shift),
    // so texts of one length that differ in a single word never share a print; the length
    // goes in first. Never 0, which stands for "none known".
    static uint64_t TextPrint(const std::string& text) {
        constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
        uint64_t hash = (static_cast<uint64_t>(text.size()) + 1) * kOdd;
        const auto step = [&hash](uint64_t word) {
            hash = (hash ^ word) * kOdd;
            hash ^= hash >> 32;
        };
        const char* at = text.data();
        size_t left = text.size();
        for (; left >= 8; at += 8, left -= 8) {
            uint64_t word;
            std::memcpy(&word, at, 8);
            step(word);
        }
        if (left > 0) {
            uint64_t word = 0;
            std::memcpy(&word, at, left);
            step(word);
        }
        return hash != 0 ? hash : 1;
    }
};

}  // namespace netloom
