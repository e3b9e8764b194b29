#pragma once

#include <QString>
#include <fcntl.h>
#include <sys/types.h>
#include <utility>

namespace storage::marks
{

// This process's descriptors on the database files that it marks in use. Closing any
// descriptor of a file drops the process's POSIX locks on it, SQLite's included; so descriptors
// stay open while any mark of this process on the file lives, and are closed only with the last.

using FileKey = std::pair<dev_t, ino_t>;

// A descriptor that holds no lock, on the file of the key.
struct OpenedFile {
    int descriptor;
    FileKey key;
};

// A descriptor on the file that the path names: an idle one of ours when there is one, else a
// new one (for reading and writing, or for reading only when the file is read-only), checked to
// be on the file that the path named, so that a rename over the path cannot part the two. Throws.
OpenedFile takeDescriptor(const QString &path);

// The byte that a mark locks, well past SQLite's own lock bytes, so the two never meet.
struct flock markRegion(short type);

int markCount(const FileKey &key);
void addMark(const FileKey &key);
void removeMark(const FileKey &key);

// Keeps the descriptor while a mark of ours lives on the file; closes them all with the last
// (-1: no descriptor to put away, only the file to let go when no mark remains).
void keepOrClose(const FileKey &key, int descriptor);

} // namespace storage::marks
