#include "launcher/login/LoginText.h"
#include "launcher/login/Mdp.h"

#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using login::Code_MDP;

namespace
{

struct CodeCase {
    const char16_t *motDePasse;
    qint32 code;
};

TEST(PasswordCode, WeighsTheThirdLetterMostThenTheFirstSecondAndFourth)
{
    const CodeCase cases[] = {
        {u"AAAA", 19683 + 729 + 27 + 1 + 377},
        {u"ABCD", 19683 * 3 + 729 * 1 + 27 * 2 + 4 + 377},
        {u"BACD", 19683 * 3 + 729 * 2 + 27 * 1 + 4 + 377},
        {u"ZZZZ", 19683 * 26 + 729 * 26 + 27 * 26 + 26 + 377}, // beyond 16 bits
    };
    for (const CodeCase &c : cases)
        EXPECT_EQ(Code_MDP(QString::fromUtf16(c.motDePasse)), c.code)
            << QString::fromUtf16(c.motDePasse).toStdString();
}

TEST(PasswordCode, RefusesAnythingButFourCapitals)
{
    for (const char16_t *refuse :
         {u"", u"ABC", u"ABCDE", u"abcd", u"ABcD", u"AB1D", u"AB D", u"ÉBCD", u"@ABC", u"[ABC"})
        EXPECT_EQ(Code_MDP(QString::fromUtf16(refuse)), -1) << QString::fromUtf16(refuse).toStdString();
}

TEST(PasswordCode, EveryOrderOfTheSameLettersHasItsOwnCode)
{
    std::string lettres = "ABCD";
    QSet<qint32> codes;
    do
        codes.insert(Code_MDP(QString::fromStdString(lettres)));
    while (std::next_permutation(lettres.begin(), lettres.end()));
    EXPECT_EQ(codes.size(), 24);
}

TEST(LoginText, OnlySpacesAreBlanks)
{
    EXPECT_TRUE(login::videOuBlancs(QString()));
    EXPECT_TRUE(login::videOuBlancs(QStringLiteral("   ")));
    EXPECT_FALSE(login::videOuBlancs(QStringLiteral("\t")));
    EXPECT_FALSE(login::videOuBlancs(QStringLiteral(" a ")));
    EXPECT_EQ(login::texteEssai(2), QStringLiteral(" 2ème essai"));
}

} // namespace
