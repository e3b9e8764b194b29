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

// A digest of every row of the database at the path, opened for writing as any program opens it
// (so a hot journal left by a crash is rolled back first); throws platform::Failure when the file
// is not a readable database.
QByteArray rowsDigest(const QString &path);

// What the sqlite3 command says of the file's integrity: "ok" for a sound database.
QString integrityCheck(const QString &path);

// A file that is not a database, named like one.
void makeTextFile(const QString &path, const QByteArray &contents = "not a database");

} // namespace compaction::testing
