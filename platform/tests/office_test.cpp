#include "platform/Failure.h"
#include "platform/OfficeLibreOffice.h"
#include "platform/tests/support/TemporaryFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

using platform::testing::TemporaryFolder;

struct Start {
    QString program;
    QStringList arguments;
};

class RecordingStarter : public platform::ProcessStarter
{
public:
    qint64 start(const QString &program, const QStringList &arguments) override
    {
        starts.push_back({program, arguments});
        return 4242;
    }
    bool isRunning(qint64) const override { return false; }

    std::vector<Start> starts;
};

class OfficeTest : public ::testing::Test
{
protected:
    QString program(const QString &relative, bool executable = true)
    {
        const QString path = m_folder.write(relative, "#!/bin/sh\n");
        QFile::setPermissions(path, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                               : QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    TemporaryFolder m_folder;
    RecordingStarter m_starter;
};

TEST_F(OfficeTest, LibreofficeIsPreferredToSofficeAndOnlyExecutableFilesCount)
{
    const QString path = QStringLiteral("::%1:%2:%3")
                             .arg(m_folder.makeFolder("premier"), m_folder.makeFolder("second"),
                                  m_folder.makeFolder("troisieme"));
    const QStringList names{"libreoffice", "soffice"};
    EXPECT_EQ(platform::findOnSearchPath(names, path), QString());

    const QString soffice = program("premier/soffice");
    EXPECT_EQ(platform::findOnSearchPath(names, path), soffice);
    m_folder.makeFolder("premier/libreoffice");
    program("second/libreoffice", false);
    EXPECT_EQ(platform::findOnSearchPath(names, path), soffice);
    const QString libreoffice = program("troisieme/libreoffice");
    EXPECT_EQ(platform::findOnSearchPath(names, path), libreoffice);
}

TEST_F(OfficeTest, WithoutLibreOfficeNoInstanceCanBeCreated)
{
    platform::LibreOffice office(m_starter, m_folder.path());
    try {
        office.createApplication();
        FAIL() << "an instance was created";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), 429);
        EXPECT_EQ(failure.description(),
                  "Le traitement de texte n'est pas installé sur ce poste : le modèle ne "
                  "peut pas être ouvert. Demandez à votre administrateur de l'installer.");
    }
    EXPECT_TRUE(m_starter.starts.empty());
}

TEST_F(OfficeTest, OpeningStartsLibreOfficeOnTheFileItselfFoundIgnoringCase)
{
    const QString soffice = program("bin/soffice");
    const QString document = m_folder.write("modeles/facgen2.dot");
    platform::LibreOffice office(m_starter, m_folder.path("bin"));
    const std::unique_ptr<platform::OfficeApplication> application = office.createApplication();

    application->openDocument(m_folder.path("modeles/FACGEN2.DOT"));
    application->setVisible(true);
    application->activate();
    ASSERT_EQ(m_starter.starts.size(), 1u);
    EXPECT_EQ(m_starter.starts[0].program, soffice);
    EXPECT_EQ(m_starter.starts[0].arguments, QStringList({"-o", document}));

    try {
        application->openDocument(m_folder.path("modeles/ABSENT.DOT"));
        FAIL() << "a missing file was opened";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), 53);
        EXPECT_TRUE(failure.description().contains("ABSENT.DOT"));
    }
    EXPECT_EQ(m_starter.starts.size(), 1u);
}

} // namespace
