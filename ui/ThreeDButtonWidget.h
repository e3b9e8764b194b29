#pragma once

#include <QAbstractButton>

namespace ui
{

class ThreeDButton;

// Draws a 3-D button: raised (sunken while pressed) face in the back colour, the picture centred
// above the caption lines, each line first in the highlight colour shifted by the 3-D offset, then
// in the text colour.
class ThreeDButtonWidget : public QAbstractButton
{
public:
    ThreeDButtonWidget(QWidget *parent, const ThreeDButton &button);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ThreeDButton &m_button;
};

} // namespace ui
