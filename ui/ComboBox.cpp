#include "ui/ComboBox.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ui
{

ComboBox::ComboBox(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ComboBox, new QComboBox(parentWidget(form, design)))
{
    comboBox()->setEditable(false);
    QObject::connect(comboBox(), &QComboBox::currentIndexChanged, context(), [this](int index) {
        if (index >= 0)
            raise(onClick);
    });
    setBackColour(WindowBackground);
    setForeColour(WindowText);
}

QComboBox *ComboBox::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboBox::text() const
{
    return comboBox()->currentText();
}

void ComboBox::setText(const QString &text)
{
    setListIndex(comboBox()->findText(text, Qt::MatchExactly));
}

void ComboBox::addItem(const QString &item)
{
    // Qt chooses the first entry added to an empty list; here nothing is chosen until asked.
    const QSignalBlocker quiet(comboBox());
    const int chosen = listIndex();
    comboBox()->addItem(item);
    comboBox()->setCurrentIndex(chosen);
}

int ComboBox::listCount() const
{
    return comboBox()->count();
}

QString ComboBox::list(int index) const
{
    return index >= 0 && index < listCount() ? comboBox()->itemText(index) : QString();
}

int ComboBox::listIndex() const
{
    return comboBox()->currentIndex();
}

void ComboBox::setListIndex(int index)
{
    comboBox()->setCurrentIndex(index);
}

} // namespace ui
