#pragma once

#include "ui/Control.h"

class QAbstractButton;

namespace ui
{

// What push, check and option buttons share: a Qt button's caption, focus and click.
class ButtonControl : public Control
{
public:
    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }
    void click() override;

protected:
    ButtonControl(Form &form, const ControlDesign &design, ControlKind kind, QAbstractButton *button);
    QAbstractButton *button() const;
};

} // namespace ui
