#include "ui/TitleWidth.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace ui
{

namespace
{
// The window manager's own font and buttons are unknown here: six squares of a title bar's height
// hold the icon and the three buttons with the padding around them under the usual themes.
constexpr int ButtonSquares = 6;
constexpr int BarPadding = 8;
} // namespace

int titleBarWidth(const QString &title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + ButtonSquares * (metrics.height() + BarPadding);
}

void keepTitleWhole(QMessageBox &box)
{
    // Qt fixes the box's size from its layout's minimum when it shows: a row of its own across the
    // grid, so that no column of the text widens, holds the title's width.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QMargins margins = grid->contentsMargins();
    const int width = titleBarWidth(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace ui
