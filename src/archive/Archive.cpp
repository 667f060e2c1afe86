#include "archive/Archive.h"

namespace netloom {

namespace {
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigIndexTag = 0x7FFF;
constexpr uint32_t kBigClassFlag = 0x80000000u;
constexpr uint16_t kSchema = 1;
}  // namespace

CArchive::CArchive(std::vector<uint8_t>& out) : m_out(&out) {}

CArchive::CArchive(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

void CArchive::Need(size_t bytes) const {
    if (bytes > m_size - m_pos) throw CArchiveException("the block ends early");
}

void CArchive::WriteU16(uint16_t v) {
    m_out->push_back(static_cast<uint8_t>(v & 0xFF));
    m_out->push_back(static_cast<uint8_t>(v >> 8));
}

void CArchive::WriteU32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        m_out->push_back(static_cast<uint8_t>(v >> shift));
}

uint8_t CArchive::ReadU8() {
    Need(1);
    return m_data[m_pos++];
}

uint16_t CArchive::ReadU16() {
    Need(2);
    const uint16_t v = static_cast<uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return v;
}

uint32_t CArchive::ReadU32() {
    Need(4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | m_data[m_pos + static_cast<size_t>(i)];
    m_pos += 4;
    return v;
}

void CArchive::Int32(int32_t& value) {
    if (IsStoring())
        WriteU32(static_cast<uint32_t>(value));
    else
        value = static_cast<int32_t>(ReadU32());
}

void CArchive::UInt16(uint16_t& value) {
    if (IsStoring())
        WriteU16(value);
    else
        value = ReadU16();
}

void CArchive::String(std::string& value) {
    if (IsStoring()) {
        const size_t n = value.size();
        if (n > 0xFFFFFFFFu) throw CArchiveException("string too long for the archive");
        if (n < 0xFF) {
            m_out->push_back(static_cast<uint8_t>(n));
        } else if (n < 0xFFFE) {
            m_out->push_back(0xFF);
            WriteU16(static_cast<uint16_t>(n));
        } else {
            m_out->push_back(0xFF);
            WriteU16(0xFFFF);
            WriteU32(static_cast<uint32_t>(n));
        }
        m_out->insert(m_out->end(), value.begin(), value.end());
        return;
    }
    // A length may come in a longer form than it needs: other writers of the format are not
    // held to the shortest one. Only 0xFFFE in the 16-bit place means something else.
    size_t n = ReadU8();
    if (n == 0xFF) {
        const uint16_t w = ReadU16();
        if (w == 0xFFFE) throw CArchiveException("wide strings are not part of this format");
        n = w == 0xFFFF ? ReadU32() : w;
    }
    Need(n);
    const std::string_view text(reinterpret_cast<const char*>(m_data + m_pos), n);
    // Every text of an object is the value of one line of the configuration file; a line break
    // in it would write lines of its own into the file saved after a paste.
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw CArchiveException("line break in a text");
    value.assign(text);
    m_pos += n;
}

void CArchive::WriteCount(size_t count) {
    if (count > 0xFFFFFFFFu) throw CArchiveException("list too long for the archive");
    if (count < 0xFFFF) {
        WriteU16(static_cast<uint16_t>(count));
    } else {
        WriteU16(0xFFFF);
        WriteU32(static_cast<uint32_t>(count));
    }
}

size_t CArchive::ReadCount() {
    size_t count = ReadU16();
    if (count == 0xFFFF) count = ReadU32();  // any count, not only one that needs 32 bits
    // Every element takes at least its two-byte class identity, so a count beyond that is
    // a lie about the block's size.
    if (count > Remaining() / 2) throw CArchiveException("list count beyond the block's size");
    return count;
}

void CArchive::WriteClassIdentity(std::string_view className) {
    const auto found = m_storedClasses.find(std::string(className));
    if (found == m_storedClasses.end()) {
        WriteU16(kNewClassTag);
        WriteU16(kSchema);
        WriteU16(static_cast<uint16_t>(className.size()));
        m_out->insert(m_out->end(), className.begin(), className.end());
        m_storedClasses.emplace(std::string(className), m_nextIndex++);
    } else if (found->second < kBigIndexTag) {
        WriteU16(static_cast<uint16_t>(kClassTag | found->second));
    } else {
        WriteU16(kBigIndexTag);
        WriteU32(kBigClassFlag | found->second);
    }
    ++m_nextIndex;  // the element that follows takes the next number
}

void CArchive::ReadClassIdentity(std::string_view expectedClass) {
    if (m_loadedIndex.empty()) m_loadedIndex.emplace_back();  // index 0 is never used
    const uint16_t tag = ReadU16();
    if (tag == kNewClassTag) {
        if (ReadU16() != kSchema) throw CArchiveException("unsupported schema number");
        const uint16_t length = ReadU16();
        Need(length);
        const std::string_view name(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        if (name != expectedClass) throw CArchiveException("unexpected class in list");
        for (const auto& known : m_loadedIndex) {
            if (known == name) throw CArchiveException("class named twice");
        }
        m_loadedIndex.emplace_back(name);
    } else {
        uint32_t index;
        if (tag == kBigIndexTag) {
            const uint32_t big = ReadU32();
            if ((big & kBigClassFlag) == 0) throw CArchiveException("reference to an element");
            index = big & ~kBigClassFlag;  // any index, not only one the 16-bit tag cannot carry
        } else if (tag & kClassTag) {
            index = tag & ~kClassTag;
        } else {
            throw CArchiveException(tag == 0 ? "null element" : "reference to an element");
        }
        if (index >= m_loadedIndex.size() || m_loadedIndex[index].empty() ||
            m_loadedIndex[index] != expectedClass)
            throw CArchiveException("unknown class reference");
    }
    m_loadedIndex.emplace_back();  // the element's own number
}

}  // namespace netloom
