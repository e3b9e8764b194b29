#include "translation-editor/ListQueries.h"

#include "platform/TextCharacters.h"
#include "storage/FrenchOrder.h"
#include "storage/TextCollation.h"
#include "translation-editor/ContainsFunction.h"

namespace peluvar
{

namespace
{

// Texts in French order (accented capitals among their letters), which no index of a file can
// hold: SQLite sorts the keys of the rows. Ties are broken by the rowid (an integer key of the
// table is the rowid) so that a list always comes in one order; a table with only its four text
// fields has no other key.
QString initialOrder()
{
    return QStringLiteral(" ORDER BY %1, %2, rowid")
        .arg(storage::inFrenchOrder(QStringLiteral("T_TRAD1")),
             storage::inFrenchOrder(QStringLiteral("T_VALEUR")));
}

// A null text would be bound as SQL Null, which equals nothing.
QString bindable(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

ListQuery initialList()
{
    return {QStringLiteral("SELECT * FROM TTRAD") + initialOrder(), {}};
}

ListQuery selectionList(const QString &answer)
{
    const QString prefix = bindable(withoutOuterBlanks(answer));
    // substr counts characters, so the length is counted the same way.
    const auto length = static_cast<qlonglong>(platform::characterCount(prefix));
    // Accented capitals too: a collation of our own, as no index serves a prefix of the text.
    return {QStringLiteral("SELECT * FROM TTRAD WHERE substr(T_VALEUR, 1, ?) = ? COLLATE %1")
                    .arg(storage::CaseFoldCollation) +
                initialOrder(),
            {length, prefix}};
}

ListQuery frenchOrderList()
{
    return {QStringLiteral("SELECT * FROM TTRAD ORDER BY %1, rowid")
                .arg(storage::inFrenchOrder(QStringLiteral("T_VALEUR"))),
            {}};
}

ListQuery searchCondition(const QString &answer)
{
    return {ContainsFunctionName + QStringLiteral("(T_VALEUR, ?) = 1"), {bindable(answer)}};
}

QString withoutOuterBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace peluvar
