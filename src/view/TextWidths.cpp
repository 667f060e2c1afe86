#include "view/TextWidths.h"

#include <QHashFunctions>
#include <algorithm>

namespace netloom {

namespace {

// Room for every row a fit of the column measures, several times over.
constexpr size_t kSlots = 16384;
constexpr size_t kMostKept = kSlots / 2;
constexpr size_t kMostChars = kMostKept * 48;

}  // namespace

size_t CTextWidths::HashOf(QStringView text) {
    return qHash(text, 0);
}

size_t CTextWidths::SlotOf(QStringView text, size_t hash) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const CEntry& entry = m_slots[slot];
        if (entry.width < 0) return slot;
        if (entry.hash == hash && entry.length == static_cast<size_t>(text.size()) &&
            std::equal(text.utf16(), text.utf16() + text.size(), m_chars.begin() + entry.offset))
            return slot;
    }
}

int CTextWidths::Find(QStringView text) const {
    if (m_used == 0) return -1;
    return m_slots[SlotOf(text, HashOf(text))].width;
}

void CTextWidths::Keep(QStringView text, int width) {
    const size_t length = static_cast<size_t>(text.size());
    if (width < 0 || length > kMostChars) return;
    if (m_used >= kMostKept || m_chars.size() + length > kMostChars) Clear();
    if (m_slots.empty()) m_slots.resize(kSlots);
    const size_t hash = HashOf(text);
    CEntry& entry = m_slots[SlotOf(text, hash)];
    if (entry.width >= 0) return;  // kept already
    entry.hash = hash;
    entry.offset = static_cast<uint32_t>(m_chars.size());
    entry.length = static_cast<uint32_t>(length);
    entry.width = width;
    m_chars.insert(m_chars.end(), text.utf16(), text.utf16() + length);
    ++m_used;
}

void CTextWidths::Clear() {
    if (m_used == 0) return;
    std::fill(m_slots.begin(), m_slots.end(), CEntry());
    m_chars.clear();
    m_used = 0;
}

}  // namespace netloom
