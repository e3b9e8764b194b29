#include "ui/ThreeDCaption.h"

namespace ui
{

QStringList threeDCaptionLines(const QString &caption)
{
    const QString text = caption.trimmed();
    QStringList lines;
    if (text.isEmpty())
        return lines; // a picture-only button draws no text line
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) != u' ') {
            ++i;
            continue;
        }
        qsizetype runEnd = i;
        while (runEnd < text.size() && text.at(runEnd) == u' ')
            ++runEnd;
        if (runEnd - i >= 2) {
            lines.append(text.mid(lineStart, i - lineStart));
            lineStart = runEnd;
        }
        i = runEnd;
    }
    lines.append(text.mid(lineStart));
    return lines;
}

} // namespace ui
