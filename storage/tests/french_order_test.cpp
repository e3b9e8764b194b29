#include "storage/FrenchOrder.h"

#include "storage/Database.h"
#include "storage/tests/support/Databases.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace
{

QStringList texts(std::initializer_list<const char *> utf8)
{
    QStringList list;
    for (const char *text : utf8)
        list << QString::fromUtf8(text);
    return list;
}

// Each list in order, every text strictly before the next ones.
const QStringList OrderedLists[] = {
    // Accented capitals among their letters.
    texts({"achats", "Aide devis", "Bons", "Devis client", "Échéance", "étiquette", "Fermer", "Zone"}),
    // The accents in dictionary order.
    texts({"e", "é", "è", "ê", "ë", "f"}),
    texts({"c", "ç", "d"}),
    // Accents before case, compared from the first letter on.
    texts({"cote", "Cote", "coté", "côte", "Côte", "côté"}),
    texts({"ete", "Ete", "eté", "Eté", "été", "Été"}),
    // Case letter by letter.
    texts({"ab", "aB", "Ab", "AB"}),
    // Blanks and punctuation, then digits character by character, then letters.
    texts({"", " fin", "(fin)", "«fin»", "😀", "0 fin", "Zone 10", "Zone 2", "Zone A", "zone b", "α"}),
    // Ligatures as their letters, after them.
    texts({"coeur", "cœur", "Coeur", "coeurs"}),
    texts({"strasse", "straße", "Strasse", "Straße", "strasses"}),
    texts({"fi", "ﬁ", "Fi", "fin"}),
    texts({"2", "²", "3"}),
    // Apostrophes and hyphens count last.
    texts({"la", "laide", "l'aide", "l’aide", "Laide", "laides", "porte", "portemonnaie", "porte-monnaie",
           "portes"}),
};

TEST(FrenchOrder, EachListComesInItsOrder)
{
    for (const QStringList &list : OrderedLists)
        for (qsizetype i = 0; i < list.size(); ++i)
            for (qsizetype j = 0; j < list.size(); ++j)
                EXPECT_EQ(storage::compareInFrenchOrder(list[i], list[j]), (i > j) - (i < j))
                    << list[i].toStdString() << " / " << list[j].toStdString();
}

TEST(FrenchOrder, AnAccentWrittenApartFromItsLetterIsTheSame)
{
    EXPECT_EQ(storage::compareInFrenchOrder(u"Été", u"E\u0301te\u0301"), 0);
    EXPECT_EQ(storage::compareInFrenchOrder(u"Å", u"A\u030A"), 0);
    // A lone accent, or half a character, still has its place.
    EXPECT_EQ(storage::compareInFrenchOrder(u"\u0301a", u"a"), 1);
    EXPECT_EQ(storage::compareInFrenchOrder(QString(QChar(0xD800)) + QLatin1Char('a'), u"a"), -1);
}

// Our connections sort by the keys that the SQL function gives, Null first, then the empty text.
TEST(FrenchOrder, SqlFunctionGivesTheKeysOnOurConnections)
{
    testing_support::TempFolder folder;
    storage::Database database = storage::Database::open(storage_testing::makeDatabase(
        folder, QStringLiteral("WORDS.MDB"), QStringLiteral("CREATE TABLE WORDS (W TEXT)")));
    const QStringList ordered =
        texts({"", "achats", "Aide devis", "Bons", "cote", "Cote", "coté", "côte", "Devis client", "Échéance",
               "étiquette", "Fermer", "Straße l’œuvre 😀", "Zone"});
    for (qsizetype i = ordered.size() - 1; i >= 0; --i) {
        database.execute(QStringLiteral("INSERT INTO WORDS VALUES (?)"), {ordered[i]});
        if (i == ordered.size() / 2)
            database.execute(QStringLiteral("INSERT INTO WORDS VALUES (NULL)"));
    }
    storage::QueryCursor rows =
        database.openQuery(QStringLiteral("SELECT W, %1 FROM WORDS ORDER BY %1, rowid")
                               .arg(storage::inFrenchOrder(QStringLiteral("W"))));
    EXPECT_FALSE(rows.value(0).isValid());
    EXPECT_FALSE(rows.value(1).isValid());
    QStringList sorted;
    for (rows.moveNext(); !rows.atEnd(); rows.moveNext()) {
        const QString text = rows.value(0).toString();
        sorted << text;
        EXPECT_EQ(rows.value(1).toByteArray(), storage::frenchSortKey(text)) << text.toStdString();
    }
    EXPECT_EQ(sorted, ordered);
}

} // namespace
