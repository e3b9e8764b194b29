#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>
#include <vector>

namespace ui
{

class DataSource;

// One column of a grid: the data source field it shows and how (width in characters of the grid's font).
struct GridColumn {
    QString field;
    QString header;
    double width = 8.0;
    bool hidden = false;
    bool locked = false;
};

// The grid's columns over its data source: column c of this model shows the field of
// columns()[c], and a locked column cannot be edited. Edits go to the data source.
class GridColumns : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridColumns(QObject *parent = nullptr);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const;

    void setColumns(const std::vector<GridColumn> &columns);
    const std::vector<GridColumn> &columns() const { return m_columns; }
    GridColumn &column(int column) { return m_columns.at(static_cast<size_t>(column)); }
    // The data source field of the column; -1 when the column is unbound or its field is unknown.
    int fieldOf(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Tells the views that a column's header changed.
    void headerChanged(int column);

private:
    void sourceChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);

    QPointer<DataSource> m_source;
    std::vector<GridColumn> m_columns;
};

} // namespace ui
