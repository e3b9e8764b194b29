#include "ui/PictureBox.h"

#include <QPainter>
#include <QWidget>

namespace ui
{

namespace
{
// Paints the picture, from the top left, over the back colour.
class PictureWidget : public QWidget
{
public:
    PictureWidget(QWidget *parent, const QPixmap &picture) : QWidget(parent), m_picture(picture) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_picture.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }

private:
    const QPixmap &m_picture;
};
} // namespace

PictureBox::PictureBox(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::PictureBox, new PictureWidget(parentWidget(form, design), m_picture))
{
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    widget()->update();
}

} // namespace ui
