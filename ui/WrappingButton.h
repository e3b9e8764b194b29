#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

namespace ui
{

// A check box or option button whose caption wraps at word breaks within the button's place, its
// lines centred in the height beside the indicator, as the caption of a check or option box does
// where Qt's would run on past the edge. The whole place takes the clicks.
template <class Button> class WrappingButton : public Button
{
    static_assert(std::is_same_v<Button, QCheckBox> || std::is_same_v<Button, QRadioButton>);
    static constexpr bool isCheckBox = std::is_same_v<Button, QCheckBox>;

public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QString caption = option.text;
        const bool focused = option.state & QStyle::State_HasFocus;
        option.text.clear();
        option.state &= ~QStyle::State_HasFocus;
        painter.drawControl(isCheckBox ? QStyle::CE_CheckBox : QStyle::CE_RadioButton, option);

        const QRect area = this->style()->subElementRect(
            isCheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, this);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        painter.drawItemText(area, flags, option.palette, this->isEnabled(), caption, QPalette::WindowText);
        if (focused && !caption.isEmpty()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = painter.boundingRect(area, flags, caption).adjusted(-1, 0, 1, 0) & this->rect();
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

    bool hitButton(const QPoint &position) const override { return this->rect().contains(position); }
};

} // namespace ui
