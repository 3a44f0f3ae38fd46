#pragma once

#include "storage/grid.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

namespace lendora::ui {

// Shows a Grid: its row 0 is the horizontal header and Grid row r is model
// row r - 1. Follows every change of the Grid.
class GridModel : public QAbstractTableModel, private GridObserver {
    Q_OBJECT
public:
    explicit GridModel(Grid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    Grid& grid() { return *grid_; }
    // Shows another grid.
    void setGrid(Grid& grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void gridAboutToReset(const Grid&) override;
    void gridReset(const Grid&) override;
    void gridCellChanged(const Grid&, int row, int column) override;
    void gridRowsAboutToBeInserted(const Grid&, int first, int count) override;
    void gridRowsInserted(const Grid&, int first, int count) override;
    void gridRowsAboutToBeRemoved(const Grid&, int first, int count) override;
    void gridRowsRemoved(const Grid&, int first, int count) override;
    void gridDestroyed(const Grid&) override;

    Grid* grid_;
    // Shown once the grid went.
    Grid none_;
    bool resetting_ = false;
};

// A table of a Grid, or of another model whose rows follow the same rule
// (row 0 of the records is the header). A click on a cell reports the Grid
// row (view row + 1).
class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(Grid& grid, const QString& objectName, QWidget* parent = nullptr);
    GridView(QAbstractItemModel* model, const QString& objectName, QWidget* parent = nullptr);

    // The Grid's model; only for a view made of a Grid.
    GridModel& gridModel() { return *gridModel_; }
    // The Grid row of the current cell, 0 when there is none.
    int currentGridRow() const;
    // Makes Grid row r the current row (as a click would, without the signal).
    void setCurrentGridRow(int row);
    // Columns follow their contents (the default) or keep the widths set.
    void setAutoFitColumns(bool on) { autoFit_ = on; }

    // The selected rows (the current one when none is selected) under the
    // headings, as a spreadsheet takes them: on the clipboard as
    // tab-separated text and as an HTML table. Ctrl+C and the context
    // menu's "Copy" do this.
    void copySelection() const;
    // The cells copySelection() puts on the clipboard, headings first.
    std::vector<QStringList> selectedCells() const;

signals:
    void gridRowClicked(int row);
    // Ctrl+V with a block of cells on the clipboard, for the Grid row and
    // column of the current cell; a view nobody listens to ignores it.
    void pasteRequested(const std::vector<QStringList>& cells, int gridRow, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setUp(QAbstractItemModel* model, const QString& objectName);
    void scheduleFit();
    void fitColumns();

    GridModel* gridModel_ = nullptr;
    bool autoFit_ = true;
    bool fitPending_ = false;
};

} // namespace lendora::ui
