#pragma once

#include "ui/Control.h"
#include "ui/GridColumns.h"

#include <vector>

namespace ui
{

class DataSource;
class GridView;

// The spreadsheet grid bound to a data source. Column 0 is the row header; columns 1 to maxCols()
// show fields of the data source, rows 1 to maxRows() its rows. The active cell follows the data
// source's current row both ways, and typed text goes to the data source, which writes it when the
// row is left; the active cell stays in a row the data source does not leave. Column widths are in
// characters of the grid's font, each column's text area holding that many average characters.
class Grid : public Control
{
public:
    Grid(Form &form, const ControlDesign &design);
    ~Grid() override;

    void setDataSource(DataSource *source);
    DataSource *dataSource() const;

    void setColumns(const std::vector<GridColumn> &columns);
    int maxCols() const;
    int maxRows() const;

    // Column properties, for columns 1 to maxCols(); another column throws platform::Failure.
    QString columnHeader(int col) const;
    void setColumnHeader(int col, const QString &header);
    bool columnHidden(int col) const;
    void setColumnHidden(int col, bool hidden);
    bool columnLocked(int col) const;
    void setColumnLocked(int col, bool locked);
    double columnWidth(int col) const;
    void setColumnWidth(int col, double units);

    // The active cell, 1-based; 0 when there is none. A row beyond the last one is passed over.
    int activeCol() const;
    int activeRow() const;
    void setActiveCell(int col, int row);

    // The text of a cell as shown; an empty text beyond the last row.
    QString cellText(int col, int row) const;
    // Puts the text into the cell as the user would type it (a locked cell refuses it).
    void setCellText(int col, int row, const QString &text);

    // Hands the text of a cell being typed to the data source.
    void finishEditing();

    bool takesFocus() const override { return true; }

protected:
    void showFont() override;

private:
    GridView *view() const;
    GridColumn &column(int col);
    const GridColumn &column(int col) const;
    void showColumn(int col);
    // Pixels of a column beside its text: the cell's text margins and its grid line.
    int cellMargins() const;
    void followDataSource(int row);

    GridColumns m_model;
    int m_lastColumn = 0; // of the model, 0-based
};

} // namespace ui
