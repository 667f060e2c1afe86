#pragma once
// Puts short texts together on the stack, so that they cost the string one append (each append
// checks the string's room and may grow it). A piece that does not fit goes to the string after
// what came before it, so a text of any length comes out whole.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cfgfile/DecimalDigits.h"

namespace netloom {

class CTextBuilder {
  public:
    explicit CTextBuilder(std::string& out) : m_out(out) {}
    CTextBuilder(const CTextBuilder&) = delete;
    CTextBuilder& operator=(const CTextBuilder&) = delete;

    CTextBuilder& operator<<(std::string_view piece) {
        // An empty view may have no data at all, which memcpy must not be given.
        if (piece.empty()) return *this;
        if (piece.size() > Room()) {
            Flush();
            if (piece.size() > Room()) {
                m_out.append(piece);
                return *this;
            }
        }
        std::memcpy(m_at, piece.data(), piece.size());
        m_at += piece.size();
        return *this;
    }
    // A literal's length is known here, so its copy is a store or two rather than a call.
    template <size_t N>
    CTextBuilder& operator<<(const char (&literal)[N]) {
        static_assert(N > 0 && N - 1 <= sizeof m_text);
        if (N - 1 > Room()) Flush();
        std::memcpy(m_at, literal, N - 1);
        m_at += N - 1;
        return *this;
    }
    CTextBuilder& operator<<(char c) {
        if (Room() == 0) Flush();
        *m_at++ = c;
        return *this;
    }
    // The number in decimal, as "%d" writes it.
    CTextBuilder& Decimal(int32_t value) {
        if (Room() < kDecimalRoom) Flush();
        m_at = PutDecimal(m_at, value);
        return *this;
    }
    // Hands what is put together to the string; to be called once the last piece is in.
    void Flush() {
        m_out.append(m_text, static_cast<size_t>(m_at - m_text));
        m_at = m_text;
    }

  private:
    size_t Room() const { return static_cast<size_t>(m_text + sizeof m_text - m_at); }

    std::string& m_out;
    char m_text[160];
    char* m_at = m_text;
};

}  // namespace netloom
