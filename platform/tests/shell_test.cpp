#include "platform/Failure.h"
#include "platform/Files.h"
#include "platform/ShellXdg.h"
#include "support/TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace
{

class RecordingStarter : public platform::ProcessStarter
{
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString directory;
    };
    std::vector<Start> starts;
    bool refuse = false;

    qint64 start(const QString &program, const QStringList &arguments) override
    {
        if (refuse)
            throw platform::Failure(QStringLiteral("Impossible de démarrer %1").arg(program));
        starts.push_back({program, arguments, platform::currentDirectory()});
        return 4242;
    }
    bool isRunning(qint64) const override { return false; }
};

// PATH set to one folder of the test's own while it lives.
class PathOnly
{
public:
    explicit PathOnly(const QString &folder) : m_former(qgetenv("PATH"))
    {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~PathOnly() { qputenv("PATH", m_former); }

private:
    QByteArray m_former;
};

class XdgShellTest : public testing::Test
{
protected:
    XdgShellTest()
    {
        opener = folder.write(QStringLiteral("bin/xdg-open"), "#!/bin/sh\n");
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        workingFolder = folder.makeFolder(QStringLiteral("programs"));
        launcherFolder = folder.makeFolder(QStringLiteral("data"));
        platform::setCurrentDirectory(launcherFolder);
    }

    platform::testing::TemporaryFolder folder;
    QString opener;
    QString workingFolder;
    QString launcherFolder;
    RecordingStarter starter;
    platform::XdgShell shell{starter};
};

} // namespace

TEST_F(XdgShellTest, StartsTheOpenerOnTheTargetInTheWorkingFolderAndComesBack)
{
    PathOnly path(folder.path(QStringLiteral("bin")));
    shell.open(QStringLiteral("http://www.voskerand.fr/updates/V95/"), workingFolder);

    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].program, opener);
    EXPECT_EQ(starter.starts[0].arguments,
              QStringList{QStringLiteral("http://www.voskerand.fr/updates/V95/")});
    EXPECT_EQ(starter.starts[0].directory, workingFolder);
    EXPECT_EQ(platform::currentDirectory(), launcherFolder);
}

TEST_F(XdgShellTest, FailsWithoutOpenerOrWhenItCannotStart)
{
    {
        PathOnly path(folder.path(QStringLiteral("nowhere")));
        EXPECT_THROW(shell.open(QStringLiteral("x"), workingFolder), platform::Failure);
    }
    PathOnly path(folder.path(QStringLiteral("bin")));
    starter.refuse = true;
    EXPECT_THROW(shell.open(QStringLiteral("x"), workingFolder), platform::Failure);
    EXPECT_EQ(platform::currentDirectory(), launcherFolder) << "the folder is left also on a failure";
    EXPECT_TRUE(starter.starts.empty());
}

TEST_F(XdgShellTest, RefusesATargetThatTheOpenerWouldTakeForAnOption)
{
    PathOnly path(folder.path(QStringLiteral("bin")));
    for (const char *target : {"-", "--help", "-x http://www.voskerand.fr/"}) {
        try {
            shell.open(QString::fromUtf8(target), workingFolder);
            ADD_FAILURE() << target << " was accepted";
        } catch (const platform::Failure &failure) {
            EXPECT_TRUE(failure.description().contains(QString::fromUtf8(target)))
                << failure.description().toStdString();
        }
    }
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_EQ(platform::currentDirectory(), launcherFolder);

    shell.open(QStringLiteral("a-b"), workingFolder);
    shell.open(QStringLiteral(" -x"), workingFolder);
    ASSERT_EQ(starter.starts.size(), 2u) << "only a leading dash is refused; the rest goes as it is";
    EXPECT_EQ(starter.starts[1].arguments, QStringList{QStringLiteral(" -x")});
}
