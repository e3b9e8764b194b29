#include "launcher/services/Traduction.h"

#include "launcher/services/IniLines.h"
#include "launcher/services/LauncherEnd.h"
#include "launcher/services/TranslationCopy.h"
#include "platform/CharsetIconv.h"
#include "platform/Files.h"
#include "platform/TextCase.h"
#include "platform/TextCharacters.h"
#include "storage/SeekIgnoringCase.h"
#include "ui/Dialogs.h"

namespace services
{

namespace
{

const QString TargetCharset = QStringLiteral("windows-1250");

void endLauncher(const QString &message)
{
    ui::dialogs().message(message);
    throw LauncherEnd{message};
}

qsizetype leadingBlanks(const QString &text)
{
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == u' ')
        ++count;
    return count;
}

qsizetype trailingBlanks(const QString &text)
{
    qsizetype count = 0;
    while (count < text.size() && text.at(text.size() - 1 - count) == u' ')
        ++count;
    return count;
}

} // namespace

std::unique_ptr<platform::CharsetConverter> createIconvConverter()
{
    return std::make_unique<platform::IconvCharsetConverter>();
}

Traduction::Traduction(SharedState &etat, ConverterFactory createConverter)
    : m_etat(etat), m_createConverter(std::move(createConverter))
{
}

void Traduction::Init_Traduction()
{
    if (m_etat.Num_Langue == 0)
        return;
    const QString baseTrad = m_etat.Chemin_BaseTrad + m_etat.Nom_BaseTrad;
    if (platform::fileMatches(baseTrad).isEmpty())
        endLauncher(QStringLiteral("Base de traduction non trouvée (Translation database not found)"));
    const QString bdloc = platform::currentDirectory() + QStringLiteral("/BDLOC.MDB");
    if (platform::fileMatches(bdloc).isEmpty())
        endLauncher(QStringLiteral("Répertoire TORBPROD incomplet (BDLOC introuvable)"));

    m_etat.DB_LOC = storage::Database::open(bdloc);
    storage::Database &local = *m_etat.DB_LOC;
    copyTranslations(local, baseTrad, m_etat.Num_Langue);

    m_etat.RS_TRAD = local.openTable(QStringLiteral("TMP_TRAD"));
    m_etat.RS_TRAD->setIndex(QStringLiteral("NTX_ABREGE"));
    // A record count of 0; the index has just moved to its first row, if there is one, which
    // tells it without counting the rows.
    if (m_etat.RS_TRAD->atEnd())
        m_etat.Num_Langue = 0;
}

QString Traduction::TRAD(const QString &texte, const std::optional<QVariant> &deuxieme)
{
    if (m_etat.Num_Langue == 0)
        return texte;
    try {
        const std::optional<QString> found = lookUp(texte);
        if (!found)
            return texte;
        if (deuxieme)
            return *found;
        return converter().convert(*found, TargetCharset);
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Proc. TRAD : ") + failure.description());
        return texte;
    }
}

// The translation with texte's outer blanks around it, or nothing when TMP_TRAD has none.
std::optional<QString> Traduction::lookUp(const QString &texte)
{
    const qsizetype lead = leadingBlanks(texte);
    const qsizetype trail = trailingBlanks(texte);
    const QString trimmed = trimBlanks(texte);
    const QString key = platform::firstCharacters(trimmed, TranslationKeyLength);
    if (!m_etat.RS_TRAD || !m_etat.DB_LOC)
        throw platform::Failure(QStringLiteral("Variable objet ou variable de bloc With non définie"), 91);
    storage::TableCursor &cursor = *m_etat.RS_TRAD;
    // The rows that can hold the text share its key ignoring case. NTX_ABREGE keeps SQLite's NOCASE
    // order, which sets the spellings of an accented capital apart: the rows spelled as the text
    // come first, then the other spellings in index order.
    const QString wanted = platform::upperCase(trimmed);
    const bool found = storage::seekIgnoringCase(cursor, key, [&](const storage::TableCursor &row) {
        return platform::upperCase(row.value(QStringLiteral("T_VALEUR")).toString()) == wanted;
    });
    m_etat.DB_LOC->freeLocksWhenIdle();
    if (!found)
        return std::nullopt;
    const QString translation = cursor.value(QStringLiteral("T_TRAD")).toString();
    return QString(lead, u' ') + translation + QString(trail, u' ');
}

platform::CharsetConverter &Traduction::converter()
{
    if (!Conv_Charset)
        Conv_Charset = m_createConverter();
    return *Conv_Charset;
}

} // namespace services
