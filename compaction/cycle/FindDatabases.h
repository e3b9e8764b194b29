#pragma once

#include <QString>
#include <QStringList>

namespace compaction
{

enum class Selection { ModuleDatabases, AllDatabases };

// The counters of the run are 16-bit: a folder with more matching files is refused.
inline constexpr int kMaxMatchingFiles = 32767;

struct FoundDatabases {
    int matchingFiles = 0; // files matching "*.mdb", selected or not
    QStringList names;     // upper-cased file names of the selected databases, in listing order
    QStringList sources;   // their source paths, same order
};

// Lists the ordinary files of the normalised folder matching "*.mdb" ignoring case, in the
// listing's order (by name ignoring case), and keeps those the selection asks for, each
// upper-cased name once (files spelt alike but for case are one source). A folder that
// does not exist holds no database. Throws platform::Failure when the folder cannot be read or
// holds more than kMaxMatchingFiles matching files.
FoundDatabases findDatabases(const QString &normalisedFolder, Selection selection);

} // namespace compaction
