#pragma once
// Values are the configuration file's bytes; on screen they are QStrings. The two meet through
// Latin-1, which maps every byte to one character and back, so nothing is lost in a round trip.

#include <QString>
#include <string>
#include <string_view>

namespace netloom {

inline QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 become "?"; pages check with FindNonLatin1 before storing text.
inline std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// A string-table entry as shown on screen.
QString TableString(int id);

// The first character of text that has no Latin-1 byte (a surrogate pair whole), or an empty
// string when every character has one.
QString FindNonLatin1(const QString& text);

}  // namespace netloom
