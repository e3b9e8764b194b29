#include "ui/ThreeDCaption.h"

#include <QRegularExpression>

namespace ui
{

QStringList threeDCaptionLines(const QString &caption)
{
    static const QRegularExpression run(QStringLiteral(" {2,}"));
    QStringList lines = caption.trimmed().split(run, Qt::SkipEmptyParts);
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

} // namespace ui
