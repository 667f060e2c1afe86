#pragma once
// Room for many objects of one size, for the items of the configuration tree.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

namespace netloom {

// Room for items of one size, taken from large blocks one after another. A tree is built whole
// and mostly freed whole: from the allocator, each of its hundred thousand items was a block of
// its own, gathered up with its neighbours when freed, and a rebuild spent a fifth of its time
// there. When the last item is given back, the blocks are freed too, so that the memory of a
// large tree does not outlive it, and the next tree again takes its items in the order it makes
// them, the order it lays them out in.
class CItemRoom {
  public:
    explicit CItemRoom(size_t size)
        : m_nSize((std::max(size, sizeof(void*)) + kAlign - 1) / kAlign * kAlign) {}

    void* Take() {
        if (m_pFree != nullptr) {
            void* item = m_pFree;
            std::memcpy(&m_pFree, item, sizeof m_pFree);  // the next free one, kept in this one
            ++m_nLive;
            return item;
        }
        if (m_pNext == nullptr || static_cast<size_t>(m_pEnd - m_pNext) < m_nSize) {
            // Left as it comes: every item is made in its room before it is used.
            std::unique_ptr<unsigned char[]> block(new unsigned char[kItemsPerBlock * m_nSize]);
            m_blocks.push_back(std::move(block));
            m_pNext = m_blocks.back().get();
            m_pEnd = m_pNext + kItemsPerBlock * m_nSize;
        }
        void* item = m_pNext;
        m_pNext += m_nSize;
        ++m_nLive;
        return item;
    }

    void Give(void* item) {
        if (--m_nLive == 0) {
            m_blocks.clear();
            m_pFree = nullptr;
            m_pNext = m_pEnd = nullptr;
            return;
        }
        std::memcpy(item, &m_pFree, sizeof m_pFree);
        m_pFree = item;
    }

    // Blocks held now: none once every item has been given back.
    size_t Blocks() const { return m_blocks.size(); }

  private:
    static constexpr size_t kAlign = alignof(std::max_align_t);
    static constexpr size_t kItemsPerBlock = 1024;

    size_t m_nSize;
    size_t m_nLive = 0;
    void* m_pFree = nullptr;
    unsigned char* m_pNext = nullptr;
    unsigned char* m_pEnd = nullptr;
    std::vector<std::unique_ptr<unsigned char[]>> m_blocks;
};

}  // namespace netloom
