#pragma once

#include "tests/support/fixtures/TempFolder.h"

#include <QByteArray>
#include <QString>

namespace platform::testing
{

// The shared temporary folder, with files made in it and the current directory it found restored.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();

    QString path() const { return m_folder.path(); }
    QString path(const QString &relative) const { return m_folder.file(relative); }

    // Creates the file (and its folders) with the contents; returns its path.
    QString write(const QString &relative, const QByteArray &contents = QByteArray()) const;
    QString makeFolder(const QString &relative) const;

private:
    testing_support::TempFolder m_folder;
    QByteArray m_previousDirectory;
};

} // namespace platform::testing
