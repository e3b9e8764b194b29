#include "launcher/settings/tests/support/DataPathFixture.h"

#include "platform/Files.h"
#include "storage/CreateDatabase.h"
#include "tests/support/fixtures/SchemaFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace settings_testing
{

namespace
{

// A converter that hands the translations back as they are.
class SameText : public platform::CharsetConverter
{
public:
    void setSourceCharset(const QString &) override {}
    QString convert(const QString &text, const QString &) override { return text; }
};

QVariant nullable(const std::optional<QString> &text)
{
    return text ? QVariant(*text) : QVariant();
}

} // namespace

DataPathFixture::DataPathFixture(const QString &schemaFolder, platform::KeySender *keySender)
    : m_formerDirectory(platform::currentDirectory())
{
    QDir().mkpath(data());
    QDir().mkpath(bases());
    writeFile(bases() + QStringLiteral("/TORBSTOC.MDB"));
    writeFile(bases() + QStringLiteral("/TORBCOM.MDB"));
    storage::createDatabase(data() + QStringLiteral("/DBPATH.MDB"),
                            testing_support::schemaText(QStringLiteral("DBPATH.sql"), schemaFolder));
    storage::createDatabase(data() + QStringLiteral("/BDLOC.MDB"),
                            testing_support::schemaText(QStringLiteral("BDLOC.sql"), schemaFolder));
    platform::setCurrentDirectory(data());
    etat.Rep_Donnees = data() + u'/';
    etat.DB_Path = storage::Database::open(data() + QStringLiteral("/DBPATH.MDB"));
    m_traduction = std::make_unique<services::Traduction>(etat, [] { return std::make_unique<SameText>(); });
    m_menu = std::make_unique<ui::Form>(QStringLiteral("MENUPROD"));
    fparsys = std::make_unique<settings::FPARSYS>(
        settings::SettingsContext{etat, *m_traduction, keySender ? *keySender : keys, *m_menu});
}

DataPathFixture::~DataPathFixture()
{
    fparsys.reset();
    etat.RS_TRAD.reset();
    etat.DB_LOC.reset();
    etat.DB_Path.reset();
    platform::setCurrentDirectory(m_formerDirectory);
}

void DataPathFixture::addFolderRows(const QList<storage::FolderRow> &rows)
{
    for (const storage::FolderRow &row : rows)
        etat.DB_Path->execute(QStringLiteral("INSERT INTO TPATH VALUES (?, ?, ?, ?, ?, ?, ?)"),
                              {row.number, row.product, nullable(row.path), nullable(row.programName),
                               nullable(row.databaseName), row.status, row.network});
}

void DataPathFixture::addSampleRows()
{
    const QString folder = bases() + u'/';
    addFolderRows({
        {1, QStringLiteral("TORBSTOC"), folder, QStringLiteral("zlv0.exe"), QStringLiteral("TORBSTOC.MDB"),
         QStringLiteral("R"), QStringLiteral("T")},
        {2, QStringLiteral("MODELES"), root() + QStringLiteral("/MODELES/"), QStringLiteral("modarin.exe"),
         std::nullopt, QStringLiteral("M"), QStringLiteral(" ")},
        {3, QStringLiteral("TORBCOM"), folder, QStringLiteral("torbcom.exe"), QStringLiteral("TORBCOM.MDB"),
         QStringLiteral("M"), QStringLiteral(" ")},
    });
}

void DataPathFixture::addHistory(const QString &folder)
{
    storage::Database::open(data() + QStringLiteral("/BDLOC.MDB"))
        .execute(QStringLiteral("INSERT INTO TMP_MEMOPATH (TMP_PATHBASES) VALUES (?)"), {folder});
}

void DataPathFixture::translate(const QString &french, const QString &translation)
{
    if (!etat.DB_LOC)
        etat.DB_LOC = storage::Database::open(data() + QStringLiteral("/BDLOC.MDB"));
    etat.DB_LOC->execute(QStringLiteral("INSERT INTO TMP_TRAD (T_ABREGE, T_VALEUR, T_TRAD) VALUES (?, ?, ?)"),
                         {french.left(20), french, translation});
    etat.Num_Langue = 1;
    etat.RS_TRAD = etat.DB_LOC->openTable(QStringLiteral("TMP_TRAD"));
    etat.RS_TRAD->setIndex(QStringLiteral("NTX_ABREGE"));
}

void DataPathFixture::writeFile(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("base");
}

QList<storage::FolderRow> DataPathFixture::storedRows() const
{
    storage::Database database = storage::Database::open(data() + QStringLiteral("/DBPATH.MDB"));
    return storage::folderRowsInKeyOrder(database);
}

QStringList DataPathFixture::storedHistory() const
{
    storage::Database database = storage::Database::open(data() + QStringLiteral("/BDLOC.MDB"));
    storage::QueryCursor history =
        database.openQuery(QStringLiteral("SELECT TMP_PATHBASES FROM TMP_MEMOPATH ORDER BY TMP_NUM"));
    QStringList folders;
    for (; !history.atEnd(); history.moveNext())
        folders << history.value(0).toString();
    return folders;
}

void DataPathFixture::open()
{
    fparsys->form().show();
    if (fparsys->form().isLoaded())
        QApplication::setActiveWindow(fparsys->form().window());
}

} // namespace settings_testing
