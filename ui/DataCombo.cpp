#include "ui/DataCombo.h"

#include "ui/DataSource.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace ui
{

namespace
{

// Tells the combo of a left click into its text, which the control's own events do not see.
class TextClicks : public QObject
{
public:
    TextClicks(QObject *parent, std::function<void()> clicked)
        : QObject(parent), m_clicked(std::move(clicked))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_clicked();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_clicked;
};

} // namespace

DataCombo::DataCombo(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ComboBox, new QComboBox(parentWidget(form, design)))
{
    comboBox()->setEditable(true);
    comboBox()->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(comboBox(), &QComboBox::activated, context(), [this] { raise(onClick); });
    comboBox()->lineEdit()->installEventFilter(new TextClicks(context(), [this] { raise(onClick); }));
    setBackColour(WindowBackground);
    setForeColour(WindowText);
}

QComboBox *DataCombo::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

void DataCombo::setRowSource(DataSource *source, const QString &listField)
{
    if (m_source)
        QObject::disconnect(m_source, nullptr, context(), nullptr);
    m_source = source;
    m_listField = listField;
    if (source)
        QObject::connect(source, &QAbstractItemModel::modelReset, context(), [this] { fill(); });
    fill();
}

void DataCombo::fill()
{
    // The typed text stays whatever the list holds.
    const QString typed = text();
    const QSignalBlocker quiet(comboBox());
    comboBox()->clear();
    const int field = m_source ? m_source->fieldIndex(m_listField) : -1;
    for (int row = 0; field >= 0 && row < m_source->recordCount(); ++row)
        comboBox()->addItem(m_source->value(row, field).toString());
    comboBox()->setCurrentIndex(-1);
    comboBox()->setEditText(typed);
}

QString DataCombo::text() const
{
    return comboBox()->currentText();
}

void DataCombo::setText(const QString &text)
{
    const QSignalBlocker quiet(comboBox());
    comboBox()->setEditText(text);
}

int DataCombo::listCount() const
{
    return comboBox()->count();
}

QString DataCombo::list(int index) const
{
    return index >= 0 && index < listCount() ? comboBox()->itemText(index) : QString();
}

void DataCombo::choose(int index)
{
    comboBox()->setCurrentIndex(index);
    emit comboBox()->activated(index);
}

} // namespace ui
