#pragma once

#include <QString>

namespace compaction
{

// The fixed texts of a run.
inline const QString kNoDatabaseFound = QStringLiteral("Aucune base trouvée !!!");
inline const QString kRunCompleted = QStringLiteral("Traitement terminé...");
inline const QString kRunStopped = QStringLiteral("Le traitement n'a pas pu être effectué ...");

// Every line a tool writes ends with a carriage return and a line feed.
inline const QString kLineEnd = QStringLiteral("\r\n");

QString successLine(const QString &source);
QString failureLine(const QString &source);

// The status log with the line (and its line end) put in front, newest line on top.
QString withLineOnTop(const QString &log, const QString &line);

} // namespace compaction
