#include "launcher/services/tests/support/ServicesFixture.h"

#include "platform/Files.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"
#include "tests/support/fixtures/SchemaFiles.h"

#include <QDir>
#include <QFile>

namespace services_testing
{

namespace
{

QVariant nullable(const std::optional<QString> &text)
{
    return text ? QVariant(*text) : QVariant();
}

} // namespace

ServicesFixture::ServicesFixture(QString schemaFolder)
    : m_schemaFolder(std::move(schemaFolder)), m_formerDirectory(platform::currentDirectory())
{
    QDir().mkpath(data());
    QDir().mkpath(bases());
    platform::setCurrentDirectory(data());
    etat.Chemin_BaseTrad = bases() + u'/';
    etat.Nom_BaseTrad = QStringLiteral("BDTRAD.MDB");
}

ServicesFixture::~ServicesFixture()
{
    etat.RS_TRAD.reset();
    etat.DB_LOC.reset();
    platform::setCurrentDirectory(m_formerDirectory);
}

void ServicesFixture::createBdtrad(const QList<TranslationRow> &rows)
{
    const QString path = bases() + QStringLiteral("/BDTRAD.MDB");
    storage::createDatabase(path, testing_support::schemaText(QStringLiteral("BDTRAD.sql"), m_schemaFolder));
    storage::Database database = storage::Database::open(path);
    for (const TranslationRow &row : rows)
        database.execute(QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1, T_TRAD2) VALUES (?, ?, ?)"),
                         {row.valeur, nullable(row.trad1), nullable(row.trad2)});
}

void ServicesFixture::createBdloc()
{
    storage::createDatabase(data() + QStringLiteral("/BDLOC.MDB"),
                            testing_support::schemaText(QStringLiteral("BDLOC.sql"), m_schemaFolder));
}

QStringList ServicesFixture::tmpTradRows() const
{
    storage::Database database = storage::Database::open(data() + QStringLiteral("/BDLOC.MDB"));
    storage::TableCursor cursor = database.openTable(QStringLiteral("TMP_TRAD"));
    cursor.setIndex(QStringLiteral("NTX_ABREGE"));
    QStringList rows;
    for (; !cursor.atEnd(); cursor.moveNext())
        rows << QStringList{cursor.value(QStringLiteral("T_ABREGE")).toString(),
                            cursor.value(QStringLiteral("T_VALEUR")).toString(),
                            cursor.value(QStringLiteral("T_TRAD")).toString()}
                    .join(u'|');
    return rows;
}

void ServicesFixture::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ServicesFixture::readFile(const QString &path) const
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

} // namespace services_testing
