#pragma once

#include "storage/OpenFileRegistry.h"

#include <QString>

namespace storage
{

// The advisory mark that a database file is in use: an open-file-description lock on one byte
// far beyond SQLite's own lock bytes, so the two never meet (OpenFileRegistry.h keeps the
// descriptors).
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

    // Whether the path names the marked file still: SQLite opens the path apart from the mark,
    // and a file renamed over it in between would be open unmarked.
    bool isOn(const QString &path) const;

private:
    marks::FileKey m_key;
    int m_descriptor;
};

} // namespace storage
