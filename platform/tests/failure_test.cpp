#include "platform/Failure.h"
#include "platform/FileFailure.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

TEST(Failure, CarriesDescriptionAndNumber)
{
    const platform::Failure failure(QStringLiteral("Fichier introuvable"), 53);
    EXPECT_EQ(failure.description(), QStringLiteral("Fichier introuvable"));
    EXPECT_EQ(failure.number(), 53);
}

// What users read in message boxes: the operation and the file, the cause in French, then the
// system's own text in brackets.
TEST(FileFailure, NamesTheFileAndItsCauseInFrench)
{
    struct Case {
        int error;
        int missingNumber;
        const char *cause;
        int number;
    };
    const Case cases[] = {
        {ENOENT, 53, "fichier ou dossier introuvable", 53},
        {ENOENT, platform::pathNotFound, "dossier introuvable", 76},
        {ENOTDIR, 53, "un élément du chemin n'est pas un dossier", 76},
        {EISDIR, 53, "c'est un dossier et non un fichier", 75},
        {EACCES, 53, "permission refusée", 70},
        {EPERM, 53, "permission refusée", 70},
        {EROFS, 53, "système de fichiers en lecture seule", 70},
        {ENOSPC, 53, "disque plein", 61},
        {EDQUOT, 53, "quota du disque dépassé", 61},
        {ETXTBSY, 53, "fichier en cours d'utilisation", 70},
        {EBUSY, 53, "fichier en cours d'utilisation", 70},
        {EEXIST, 53, "le fichier existe déjà", 58},
        {ENOTEMPTY, 53, "le dossier n'est pas vide", 58},
        {EIO, 53, "erreur de lecture ou d'écriture sur le disque", 57},
        {EMFILE, 53, "trop de fichiers ouverts", 67},
        {EXDEV, 53, "impossible de déplacer un fichier vers un autre disque", 74},
        {ENAMETOOLONG, 53, "nom de fichier trop long", 75},
        {ESTALE, 53, "serveur ou réseau inaccessible", 75},
        {EDOM, 53, "erreur du système n° 33", 75},
    };
    const QString path = QStringLiteral("/srv/SOC1/torbprod.ini");
    for (const Case &c : cases) {
        const platform::Failure failure =
            platform::fileFailure(QStringLiteral("Impossible d'écrire"), path, c.error, c.missingNumber);
        const QString expected =
            QStringLiteral("Impossible d'écrire %1 : %2 (%3)")
                .arg(path, QString::fromUtf8(c.cause), QString::fromLocal8Bit(std::strerror(c.error)));
        EXPECT_EQ(failure.description(), expected);
        EXPECT_EQ(failure.number(), c.number) << c.cause;
    }
}

TEST(FileFailure, WithoutAPathNamesTheOperationAlone)
{
    EXPECT_TRUE(
        platform::fileFailure(QStringLiteral("Impossible de lire le dossier courant"), QString(), EACCES)
            .description()
            .startsWith(QStringLiteral("Impossible de lire le dossier courant : permission refusée (")));
}
