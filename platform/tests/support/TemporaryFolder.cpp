#include "TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>
#include <unistd.h>

namespace platform::testing
{

TemporaryFolder::TemporaryFolder()
{
    char buffer[4096];
    if (!::getcwd(buffer, sizeof buffer))
        throw std::runtime_error("no current directory");
    m_previousDirectory = buffer;
}

TemporaryFolder::~TemporaryFolder()
{
    [[maybe_unused]] const int restored = ::chdir(m_previousDirectory.constData());
}

QString TemporaryFolder::write(const QString &relative, const QByteArray &contents) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size())
        throw std::runtime_error("cannot write a test file");
    return file;
}

QString TemporaryFolder::makeFolder(const QString &relative) const
{
    const QString folder = path(relative);
    QDir().mkpath(folder);
    return folder;
}

} // namespace platform::testing
