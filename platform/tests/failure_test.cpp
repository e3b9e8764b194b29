#include "platform/Failure.h"
#include <gtest/gtest.h>

TEST(Failure, CarriesDescriptionAndNumber)
{
    const platform::Failure failure(QStringLiteral("Fichier introuvable"), 53);
    EXPECT_EQ(failure.description(), QStringLiteral("Fichier introuvable"));
    EXPECT_EQ(failure.number(), 53);
}
