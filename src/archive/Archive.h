#pragma once
// The binary archive of the clipboard and drag-and-drop blocks: little-endian integers, the
// archive string form, and the object-list form with class identities.
//
// Loading is hostile-input safe: every count and length is checked against the bytes that
// remain, and any fault throws CArchiveException. Callers hold what they build in unique_ptr,
// so a rejected block leaves nothing behind. Counts, string lengths and class indexes are
// accepted in any of their forms, since a block may come from another program that does not
// write the shortest; storing always writes the shortest, so a block that was read once and
// written writes the same bytes from then on.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace netloom {

class CArchiveException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class CArchive {
  public:
    // An archive that stores into out (appending).
    explicit CArchive(std::vector<uint8_t>& out);
    // An archive that loads from the given bytes; they must outlive the archive.
    CArchive(const uint8_t* data, size_t size);

    bool IsStoring() const { return m_out != nullptr; }
    bool IsLoading() const { return m_out == nullptr; }

    // Store or load, by the archive's direction.
    void Int32(int32_t& value);
    void UInt16(uint16_t& value);
    void String(std::string& value);

    // Object-list form: count, then per element its class identity and its own data.
    void WriteCount(size_t count);
    size_t ReadCount();
    void WriteClassIdentity(std::string_view className);
    // Reads a class identity and checks that it names expectedClass.
    void ReadClassIdentity(std::string_view expectedClass);

    // Bytes consumed so far (loading) and still to be read.
    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_size - m_pos; }

    void WriteU16(uint16_t v);
    void WriteU32(uint32_t v);
    uint16_t ReadU16();
    uint32_t ReadU32();
    uint8_t ReadU8();

  private:
    void Need(size_t bytes) const;

    std::vector<uint8_t>* m_out = nullptr;
    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;

    // Classes and list elements share one numbering from 1 in writing order.
    uint32_t m_nextIndex = 1;  // storing: the number the next class or element takes
    std::unordered_map<std::string, uint32_t> m_storedClasses;  // storing: name -> index
    std::vector<std::string> m_loadedIndex;  // loading: index -> class name, "" for an element
};

// Archives a list of owned objects in the object-list form. T names its class in
// T::kClassName and is created with its defaults when loading.
template <class T>
void SerializeObjectList(CArchive& ar, std::vector<std::unique_ptr<T>>& list) {
    if (ar.IsStoring()) {
        ar.WriteCount(list.size());
        for (auto& element : list) {
            ar.WriteClassIdentity(T::kClassName);
            element->Serialize(ar);
        }
        return;
    }
    const size_t count = ar.ReadCount();
    std::vector<std::unique_ptr<T>> loaded;
    for (size_t i = 0; i < count; ++i) {
        ar.ReadClassIdentity(T::kClassName);
        auto element = std::make_unique<T>();
        element->Serialize(ar);
        loaded.push_back(std::move(element));
    }
    list = std::move(loaded);
}

}  // namespace netloom
