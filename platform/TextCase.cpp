#include "platform/TextCase.h"

#include <QChar>

namespace platform
{

namespace
{

char32_t capitalOf(char32_t point)
{
    const char32_t capital = QChar::toUpper(point);
    return QChar::toCaseFolded(capital) == QChar::toCaseFolded(point) ? capital : point;
}

} // namespace

QString upperCase(QStringView text)
{
    QString upper;
    upper.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            const char32_t capital = capitalOf(QChar::surrogateToUcs4(unit, text[++at].unicode()));
            upper.append(QChar(QChar::highSurrogate(capital))).append(QChar(QChar::lowSurrogate(capital)));
        } else {
            // A lone surrogate is kept as it stands.
            upper.append(QChar(char16_t(QChar::isSurrogate(unit) ? unit : capitalOf(unit))));
        }
    }
    return upper;
}

} // namespace platform
