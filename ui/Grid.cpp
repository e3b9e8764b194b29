#include "ui/Grid.h"

#include "platform/Failure.h"
#include "ui/CharacterWidth.h"
#include "ui/DataSource.h"

#include <QHeaderView>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

namespace ui
{

namespace
{

// Pixels between a row's text and the row's lines.
constexpr int RowPadding = 4;

// Keeps the editor the user types in, so that its text can be handed over on request.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        m_editor = QStyledItemDelegate::createEditor(parent, option, index);
        return m_editor;
    }
    QWidget *editor() const { return m_editor; }

private:
    mutable QPointer<QWidget> m_editor;
};

// Moves the data source with the current cell, before the cell moves: a row the data source does
// not leave (its write failed, or the window refuses what was typed in it) stays current, and the
// click or key that asked for the move selects nothing else.
class GridSelection : public QItemSelectionModel
{
public:
    GridSelection(GridColumns *columns, QObject *parent)
        : QItemSelectionModel(columns, parent), m_columns(columns)
    {
    }

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
    {
        DataSource *source = m_columns->dataSource();
        if (source && index.isValid() && index.row() != source->currentRow()) {
            source->setCurrentRow(index.row());
            m_refused = source->currentRow() != index.row();
            if (m_refused)
                return;
        }
        m_refused = false;
        QItemSelectionModel::setCurrentIndex(index, command);
    }
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (m_refused && !selection.isEmpty() && !selection.contains(currentIndex()))
            return;
        QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    GridColumns *m_columns;
    bool m_refused = false;
};

} // namespace

class GridView : public QTableView
{
public:
    explicit GridView(QWidget *parent) : QTableView(parent), m_delegate(new GridDelegate(this))
    {
        setItemDelegate(m_delegate);
        setSelectionMode(QAbstractItemView::SingleSelection);
        // Tab and Shift+Tab go on to the window's next control; the arrows move between cells.
        setTabKeyNavigation(false);
        // Typing or a double click starts editing a cell, as in a spreadsheet; reaching one does not.
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + RowPadding);
    }

    void finishEditing()
    {
        QWidget *editor = m_delegate->editor();
        if (state() != QAbstractItemView::EditingState || !editor)
            return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

protected:
    // Tab in a cell being typed hands its text over and goes on to the window's next control too.
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        const bool leaving =
            hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
        QTableView::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
        if (leaving)
            focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    }

private:
    GridDelegate *m_delegate;
};

Grid::Grid(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::Grid, new GridView(parentWidget(form, design)))
{
    view()->setModel(&m_model);
    QItemSelectionModel *defaultSelection = view()->selectionModel();
    view()->setSelectionModel(new GridSelection(&m_model, view()));
    delete defaultSelection;
    QObject::connect(view()->selectionModel(), &QItemSelectionModel::currentChanged, &m_model,
                     [this](const QModelIndex &current) {
                         if (current.isValid())
                             m_lastColumn = current.column();
                     });
}

Grid::~Grid() = default;

GridView *Grid::view() const
{
    return static_cast<GridView *>(widget());
}

void Grid::setDataSource(DataSource *source)
{
    if (DataSource *previous = dataSource())
        QObject::disconnect(previous, &DataSource::repositioned, &m_model, nullptr);
    m_model.setDataSource(source);
    if (source)
        QObject::connect(source, &DataSource::repositioned, &m_model,
                         [this](int row) { followDataSource(row); });
}

DataSource *Grid::dataSource() const
{
    return m_model.dataSource();
}

void Grid::setColumns(const std::vector<GridColumn> &columns)
{
    m_model.setColumns(columns);
    for (int col = 1; col <= maxCols(); ++col)
        showColumn(col);
}

int Grid::maxCols() const
{
    return m_model.columnCount();
}

int Grid::maxRows() const
{
    return m_model.rowCount();
}

GridColumn &Grid::column(int col)
{
    if (col < 1 || col > maxCols())
        throw platform::Failure(QStringLiteral("Colonne %1 hors de la grille %2").arg(col).arg(name()), 380);
    return m_model.column(col - 1);
}

const GridColumn &Grid::column(int col) const
{
    return const_cast<Grid *>(this)->column(col);
}

QString Grid::columnHeader(int col) const
{
    return column(col).header;
}

void Grid::setColumnHeader(int col, const QString &header)
{
    column(col).header = header;
    m_model.headerChanged(col - 1);
}

bool Grid::columnHidden(int col) const
{
    return column(col).hidden;
}

void Grid::setColumnHidden(int col, bool hidden)
{
    column(col).hidden = hidden;
    showColumn(col);
}

bool Grid::columnLocked(int col) const
{
    return column(col).locked;
}

void Grid::setColumnLocked(int col, bool locked)
{
    column(col).locked = locked;
}

double Grid::columnWidth(int col) const
{
    return column(col).width;
}

void Grid::setColumnWidth(int col, double units)
{
    column(col).width = units;
    showColumn(col);
}

void Grid::showColumn(int col)
{
    const GridColumn &shown = column(col);
    view()->setColumnHidden(col - 1, shown.hidden);
    view()->setColumnWidth(col - 1,
                           characterWidthPixels(shown.width, QFontMetricsF(view()->font()), cellMargins()));
}

int Grid::cellMargins() const
{
    // The item delegate's text margin on either side, and the grid line the cell gives up.
    const int textMargin = view()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view()) + 1;
    return 2 * textMargin + (view()->showGrid() ? 1 : 0);
}

void Grid::showFont()
{
    Control::showFont();
    view()->verticalHeader()->setDefaultSectionSize(view()->fontMetrics().height() + RowPadding);
    for (int col = 1; col <= maxCols(); ++col)
        showColumn(col);
}

int Grid::activeCol() const
{
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? current.column() + 1 : 0;
}

int Grid::activeRow() const
{
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void Grid::setActiveCell(int col, int row)
{
    column(col);
    if (row < 1 || row > maxRows())
        return;
    view()->setCurrentIndex(m_model.index(row - 1, col - 1));
}

QString Grid::cellText(int col, int row) const
{
    column(col);
    return m_model.data(m_model.index(row - 1, col - 1)).toString();
}

void Grid::setCellText(int col, int row, const QString &text)
{
    column(col);
    m_model.setData(m_model.index(row - 1, col - 1), text);
}

void Grid::finishEditing()
{
    view()->finishEditing();
}

void Grid::followDataSource(int row)
{
    const QModelIndex current = view()->currentIndex();
    if (row < 0 || (current.isValid() && current.row() == row))
        return;
    // After a refresh the view has no current cell: the user's column is kept.
    view()->setCurrentIndex(m_model.index(row, current.isValid() ? current.column() : m_lastColumn));
}

} // namespace ui
