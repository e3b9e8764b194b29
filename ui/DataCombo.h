#pragma once

#include "ui/Control.h"

#include <QPointer>

class QComboBox;

namespace ui
{

class DataSource;

// The data-bound combo: a text the user may type, with a drop-down list of one field of a data
// source's rows in the data source's order, read again at each refresh of the data source.
// Choosing an entry of the list or clicking into the text raises Click.
class DataCombo : public Control
{
public:
    DataCombo(Form &form, const ControlDesign &design);

    // The rows that fill the list, and the field shown (named ignoring case).
    void setRowSource(DataSource *source, const QString &listField);

    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }

    int listCount() const;
    QString list(int index) const; // "" outside the list
    // Chooses an entry as the user would, Click included.
    void choose(int index);

private:
    QComboBox *comboBox() const;
    void fill();

    QPointer<DataSource> m_source;
    QString m_listField;
};

} // namespace ui
