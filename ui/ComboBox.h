#pragma once

#include "ui/Control.h"

class QComboBox;

namespace ui
{

// A drop-down list: the user can only choose one of its entries, never type. A change of the
// chosen entry, by the user or by the program, raises Click.
class ComboBox : public Control
{
public:
    ComboBox(Form &form, const ControlDesign &design);

    // The chosen entry's text, "" when none is chosen; setting it chooses the entry that has this
    // text, or none.
    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }

    void addItem(const QString &item);
    int listCount() const;
    QString list(int index) const; // "" outside the list
    int listIndex() const;         // -1 when none is chosen
    void setListIndex(int index);

private:
    QComboBox *comboBox() const;
};

} // namespace ui
