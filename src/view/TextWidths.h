#pragma once
// Widths of texts measured before, kept by text. Each text is copied once into one block of
// characters, so that keeping a width costs no allocation of its own and holds no text of the
// tree alive: strings kept alive here, scattered among the tree's, would leave the memory of
// the next configuration read in pieces, and every walk over its objects slower.

#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace netloom {

class CTextWidths {
  public:
    // The width kept for text, or -1 if none is.
    int Find(QStringView text) const;
    // Keeps width for text, which is not kept yet; starts again when there is no more room.
    void Keep(QStringView text, int width);
    void Clear();

  private:
    struct CEntry {
        size_t hash = 0;
        uint32_t offset = 0;
        uint32_t length = 0;
        int width = -1;  // -1: a free slot
    };
    static size_t HashOf(QStringView text);
    size_t SlotOf(QStringView text, size_t hash) const;

    std::vector<CEntry> m_slots;  // open addressing; a power of two, at most half used
    std::vector<char16_t> m_chars;
    size_t m_used = 0;
};

}  // namespace netloom
