#include "ui/Latin1.h"

#include "res/Strings.h"

namespace netloom {

QString TableString(int id) {
    return FromBytes(LoadString(id));
}

QString FindNonLatin1(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return text.mid(i, 2);
        return QString(c);
    }
    return QString();
}

}  // namespace netloom
