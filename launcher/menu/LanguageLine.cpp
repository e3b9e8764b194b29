#include "launcher/menu/LanguageLine.h"

#include "launcher/services/IniLines.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"

#include <algorithm>
#include <limits>

namespace menu
{

namespace
{

const QString keyTight = QStringLiteral("LANGUE=");
const QString keySpaced = QStringLiteral("LANGUE =");

bool qualifies(const QString &line)
{
    return platform::upperCase(line.left(keyTight.size())) == keyTight ||
           platform::upperCase(line.left(keySpaced.size())) == keySpaced;
}

// An optional sign, then at least one digit; nothing else.
bool isWholeNumber(const QString &text)
{
    const qsizetype digits = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    return text.size() > digits &&
           std::all_of(text.begin() + digits, text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

qint16 toInteger16(const QString &text)
{
    const QString number = services::trimBlanks(text);
    if (!isWholeNumber(number))
        throw platform::Failure(QStringLiteral("Incompatibilité de type"), 13);
    bool inRange = false;
    const int value = number.toInt(&inRange);
    if (!inRange || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw platform::Failure(QStringLiteral("Dépassement de capacité"), 6);
    return static_cast<qint16>(value);
}

qint16 languageFromIniLines(const QStringList &lines)
{
    for (QString line : services::iniContent(lines)) {
        if (!qualifies(line))
            continue;
        line.remove(keyTight, Qt::CaseInsensitive);
        line.remove(keySpaced, Qt::CaseInsensitive);
        return toInteger16(line);
    }
    return 0;
}

} // namespace menu
