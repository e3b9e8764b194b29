#include "ui/ListBox.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace ui
{

namespace
{

// Qt's list makes its first entry the current one when it gets the focus with none: that would
// choose it. The focus alone chooses nothing; a click or an arrow key does.
class ChoosingList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        if (currentIndex().isValid()) {
            QListWidget::focusInEvent(event);
            return;
        }
        const QSignalBlocker unchosen(selectionModel());
        QListWidget::focusInEvent(event);
        selectionModel()->clearCurrentIndex();
    }
};

} // namespace

ListBox::ListBox(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ListBox, new ChoosingList(parentWidget(form, design)))
{
    listWidget()->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(listWidget(), &QListWidget::currentRowChanged, context(), [this](int row) {
        if (row >= 0)
            raise(onClick);
    });
    // The mouse reaches the list's viewport, which the control's event relay does not watch.
    QObject::connect(listWidget(), &QListWidget::itemDoubleClicked, context(), [this] { raise(onDblClick); });
    setBackColour(WindowBackground);
    setForeColour(WindowText);
}

QListWidget *ListBox::listWidget() const
{
    return static_cast<QListWidget *>(widget());
}

QString ListBox::text() const
{
    return list(listIndex());
}

void ListBox::setText(const QString &text)
{
    const QList<QListWidgetItem *> found = listWidget()->findItems(text, Qt::MatchExactly);
    setListIndex(found.isEmpty() ? -1 : listWidget()->row(found.first()));
}

void ListBox::addItem(const QString &item)
{
    listWidget()->addItem(item);
}

void ListBox::clear()
{
    listWidget()->clear();
}

int ListBox::listCount() const
{
    return listWidget()->count();
}

QString ListBox::list(int index) const
{
    const QListWidgetItem *item = listWidget()->item(index);
    return item ? item->text() : QString();
}

int ListBox::listIndex() const
{
    return listWidget()->currentRow();
}

void ListBox::setListIndex(int index)
{
    listWidget()->setCurrentRow(index);
}

} // namespace ui
