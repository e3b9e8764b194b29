#include "platform/NumberText.h"

#include "platform/Failure.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <limits>

namespace platform
{

namespace
{

Failure typeMismatch()
{
    return Failure(QStringLiteral("Incompatibilité de type"), 13);
}

Failure overflow()
{
    return Failure(QStringLiteral("Dépassement de capacité"), 6);
}

// The digit's value, -1 for a character that is no digit of any radix read here.
int digitValue(QChar digit)
{
    const char16_t unit = digit.unicode();
    if (unit >= u'0' && unit <= u'9')
        return unit - u'0';
    if (unit >= u'a' && unit <= u'f')
        return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F')
        return unit - u'A' + 10;
    return -1;
}

qint32 radixNumber(QStringView digits, int radix)
{
    if (digits.endsWith(u'&'))
        digits.chop(1);
    if (digits.isEmpty())
        throw typeMismatch();
    quint64 value = 0;
    for (const QChar digit : digits) {
        const int valueOfDigit = digitValue(digit);
        if (valueOfDigit < 0 || valueOfDigit >= radix)
            throw typeMismatch();
        value = value * radix + valueOfDigit;
        if (value > std::numeric_limits<quint32>::max())
            throw overflow();
    }
    return static_cast<qint32>(static_cast<quint32>(value));
}

qint32 decimalNumber(QStringView text)
{
    static const QRegularExpression decimal(
        QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?$)"));
    if (!decimal.match(text).hasMatch())
        throw typeMismatch();
    // Ties go to the even integer: the default rounding mode.
    const double rounded = std::nearbyint(text.toDouble());
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        throw overflow();
    return static_cast<qint32>(rounded);
}

} // namespace

qint32 int32FromText(QStringView text)
{
    const QStringView number = text.trimmed();
    if (number.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return radixNumber(number.mid(2), 16);
    if (number.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        return radixNumber(number.mid(2), 8);
    return decimalNumber(number);
}

} // namespace platform
