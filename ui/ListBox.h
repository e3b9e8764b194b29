#pragma once

#include "ui/Control.h"

class QListWidget;

namespace ui
{

// A list of texts shown in the order they are added (never sorted), with at most one chosen.
// Choosing an entry, by the user or by the program, raises Click; a double-click on an entry
// raises DblClick after it.
class ListBox : public Control
{
public:
    ListBox(Form &form, const ControlDesign &design);

    // The chosen entry's text, "" when none is chosen; setting it chooses the first entry that
    // has this text, or none.
    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }

    void addItem(const QString &item);
    void clear();
    int listCount() const;
    QString list(int index) const; // "" outside the list
    int listIndex() const;         // -1 when none is chosen
    void setListIndex(int index);

private:
    QListWidget *listWidget() const;
};

} // namespace ui
