#pragma once

#include "ui/Control.h"

#include <QPixmap>

namespace ui
{

// The 3-D push button: its text drawn in the text colour over a copy in the 3-D highlight colour
// shifted by the 3-D offset (pixels, right and down), a picture above the text, and a caption whose
// runs of blanks break its lines (threeDCaptionLines).
class ThreeDButton : public Control
{
public:
    static constexpr ColourNumber DefaultHighlight = 12632256; // light grey

    ThreeDButton(Form &form, const ControlDesign &design);

    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }
    bool clickedByEnter() const override { return true; }
    void click() override;

    QString cellTag() const { return m_cellTag; }
    void setCellTag(const QString &cellTag) { m_cellTag = cellTag; }

    ColourNumber threeDTextHighlightColor() const { return m_highlight; }
    void setThreeDTextHighlightColor(ColourNumber colour);
    int threeDTextOffset() const { return m_offset; }
    void setThreeDTextOffset(int pixels);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

private:
    friend class ThreeDButtonWidget;
    QString m_caption;
    QString m_cellTag;
    ColourNumber m_highlight = DefaultHighlight;
    int m_offset = 0;
    QPixmap m_picture;
};

} // namespace ui
