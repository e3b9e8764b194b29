#pragma once

#include <QPixmap>
#include <QSize>

namespace peluvar
{

// The pictures of the four list buttons, by button index: 0 selection (a funnel), 1 search (a
// magnifying glass), 2 sort (A over Z with an arrow), 3 restore (a turning arrow).
QPixmap listButtonPicture(int index);

// The background of the bottom button bar: a soft vertical shade.
QPixmap buttonBarBackground(const QSize &size);

} // namespace peluvar
