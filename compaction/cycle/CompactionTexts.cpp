#include "compaction/cycle/CompactionTexts.h"

namespace compaction
{

QString successLine(const QString &source)
{
    return source + QStringLiteral(" compactée");
}

QString failureLine(const QString &source)
{
    return QStringLiteral("Base <") + source + QStringLiteral("> : traitement impossible...");
}

QString withLineOnTop(const QString &log, const QString &line)
{
    return line + kLineEnd + log;
}

} // namespace compaction
