#pragma once

#include <QString>

namespace compaction::testing
{

// A database file holding one marker text and rows of filler, half of them deleted so that the
// compaction has pages to reclaim. fillerBytes is about what the file holds before the deletion.
void makeDatabase(const QString &path, const QString &marker, qint64 fillerBytes = 64 * 1024);

// The marker of the database at the path (resolved ignoring case); throws platform::Failure when
// the file is not a readable database.
QString readMarker(const QString &path);

// A file that is not a database, named like one.
void makeTextFile(const QString &path, const QByteArray &contents = "not a database");

} // namespace compaction::testing
