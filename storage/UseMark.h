#pragma once

#include <QString>
#include <sys/types.h>
#include <utility>

namespace storage
{

// The advisory mark that a database file is in use: an open-file-description lock on one byte
// far beyond SQLite's own lock bytes, so the two never meet. Closing any descriptor of a file
// drops the process's POSIX locks on it, SQLite's included; so descriptors stay open while any
// mark of this process on the file lives, and are closed only with the last one.
class UseMark
{
public:
    enum class Kind { Shared, Exclusive };

    // Fails with DatabaseInUse when the mark conflicts with another holder (an exclusive mark
    // conflicts with every other one, this process's included).
    UseMark(const QString &path, Kind kind);
    UseMark(const UseMark &) = delete;
    UseMark &operator=(const UseMark &) = delete;
    ~UseMark();

private:
    std::pair<dev_t, ino_t> m_key;
    int m_descriptor;
};

} // namespace storage
