#include "ui/GridColumns.h"

#include "ui/DataSource.h"

namespace ui
{

GridColumns::GridColumns(QObject *parent) : QAbstractTableModel(parent) {}

DataSource *GridColumns::dataSource() const
{
    return m_source;
}

void GridColumns::setDataSource(DataSource *source)
{
    beginResetModel();
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &QAbstractItemModel::modelAboutToBeReset, this, &GridColumns::beginResetModel);
        connect(m_source, &QAbstractItemModel::modelReset, this, &GridColumns::endResetModel);
        connect(m_source, &QAbstractItemModel::dataChanged, this, &GridColumns::sourceChanged);
    }
    endResetModel();
}

void GridColumns::setColumns(const std::vector<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

int GridColumns::fieldOf(int column) const
{
    if (!m_source || column < 0 || column >= columnCount())
        return -1;
    return m_source->fieldIndex(m_columns[static_cast<size_t>(column)].field);
}

int GridColumns::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->recordCount();
}

int GridColumns::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant GridColumns::data(const QModelIndex &index, int role) const
{
    const int field = fieldOf(index.column());
    if (field < 0 || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_source->value(index.row(), field).toString();
}

bool GridColumns::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int field = fieldOf(index.column());
    if (field < 0 || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // An editor closed on an unchanged cell changes nothing: a Null stays Null.
    if (value.toString() == data(index).toString())
        return true;
    return m_source->setData(m_source->index(index.row(), field), value, role);
}

Qt::ItemFlags GridColumns::flags(const QModelIndex &index) const
{
    const int field = fieldOf(index.column());
    if (field < 0)
        return QAbstractTableModel::flags(index);
    Qt::ItemFlags flags = m_source->flags(m_source->index(index.row(), field));
    if (m_columns[static_cast<size_t>(index.column())].locked)
        flags &= ~Qt::ItemIsEditable;
    return flags;
}

QVariant GridColumns::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    return m_columns[static_cast<size_t>(section)].header;
}

void GridColumns::headerChanged(int column)
{
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridColumns::sourceChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (!topLeft.isValid() || columnCount() == 0)
        return;
    emit dataChanged(index(topLeft.row(), 0), index(bottomRight.row(), columnCount() - 1));
}

} // namespace ui
