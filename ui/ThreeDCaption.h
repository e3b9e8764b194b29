#pragma once

#include <QStringList>

namespace ui
{

// The lines a 3-D button draws for its caption: a run of two or more blanks ends a line and the
// words after it go to the next one; single blanks stay inside a line. A caption of blanks only
// draws no line.
QStringList threeDCaptionLines(const QString &caption);

} // namespace ui
