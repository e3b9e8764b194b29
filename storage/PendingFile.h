#pragma once

#include <QString>
#include <QStringList>

namespace storage
{

// A new file written under a temporary name of its own beside its final path and given that
// path only once it is complete and flushed, replacing the file there. The temporary is
// created exclusively (O_CREAT | O_EXCL) under a unique name that no pattern of the suite
// matches, so one left behind by a killed run blocks no later run. Until named, the final path
// is untouched; the destructor removes the temporary, and only while it is still our file.
class PendingFile
{
public:
    // finalPath: resolved, in an existing folder. Fails when the temporary cannot be created.
    explicit PendingFile(const QString &finalPath);
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;
    ~PendingFile();

    const QString &finalPath() const { return m_finalPath; }
    const QString &temporaryPath() const { return m_temporaryPath; }
    // Open for reading and writing until the file is named.
    int descriptor() const { return m_descriptor; }

    // Gives the file the permissions of the one at path, when there is one (best effort: the
    // temporary is ours, so only a vanished path leaves the creation's permissions).
    void takePermissionsOf(const QString &path);

    // Writes the bytes at the current offset, all of them or a failure (a full disk included).
    void write(const QByteArray &bytes);

    // Flushes the contents, renames the temporary over the final path in one step (replacing the
    // file there) and flushes the folder, so the name survives a crash.
    void replaceFinal();

    // The temporaries that pending files of the final path left behind (a process killed
    // before naming its file), with the journal that SQLite may have left beside each.
    static QStringList leftoversOf(const QString &finalPath);

private:
    void flush();
    void closeNamed();

    QString m_finalPath;
    QString m_temporaryPath;
    int m_descriptor = -1;
};

// Replaces the file at path (resolved ignoring case, through a symbolic link) by one holding the
// bytes, with the old file's permissions. Only a complete, flushed file takes the name: a failure
// at any step (full disk, read-only folder...) leaves the old file as it was and throws
// platform::Failure naming path.
void writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace storage
