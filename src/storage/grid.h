#pragma once

#include "storage/text_source.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace lendora {

class Grid;

// Told about every change of a Grid, so that a view stays in step with it.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    virtual void gridAboutToReset(const Grid&) {}
    virtual void gridReset(const Grid&) {}
    virtual void gridCellChanged(const Grid&, int row, int column) = 0;
    virtual void gridRowsAboutToBeInserted(const Grid&, int first, int count) = 0;
    virtual void gridRowsInserted(const Grid&, int first, int count) = 0;
    virtual void gridRowsAboutToBeRemoved(const Grid&, int first, int count) = 0;
    virtual void gridRowsRemoved(const Grid&, int first, int count) = 0;
    // The grid goes; the observer must not touch it any more. A view may
    // outlive the grid it shows (a window's members go before its children).
    virtual void gridDestroyed(const Grid&) = 0;
};

// A table of text cells: row 0 is the heading row, records follow, and most
// tables keep one trailing empty (or totals) row. Out-of-range reads give an
// empty text and out-of-range writes are ignored, so a damaged file can never
// write outside a table.
class Grid {
public:
    Grid() = default;
    Grid(int rows, int columns);
    Grid(const Grid& other);
    // Copies the cells only; observers stay with their grid and see a reset.
    Grid& operator=(const Grid& other);
    ~Grid();

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    bool contains(int row, int column) const;

    const QString& text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setText(int row, int column, QString&& text);
    // Keeps a source of file bytes for cells set with setSpan; returns its
    // number.
    int addSource(std::shared_ptr<const TextSource> source);
    // Sets a cell to a span of a source's bytes; it is decoded when the cell
    // is first read, so loading a large file allocates no text per cell.
    void setSpan(int row, int column, int source, qsizetype offset, qsizetype length);
    // The cell's bytes while it still holds an undecoded UTF-8 span.
    std::optional<QByteArrayView> utf8Span(int row, int column) const;
    QStringList rowTexts(int row) const;
    // Sets row 0 from the given headings, column by column.
    void setHeadings(const QStringList& headings);

    void setRowCount(int rows);
    void setColumnCount(int columns);
    // Appends one empty row at the end.
    void addRow();
    // Makes room for that many rows in all, so that adding rows does not reallocate.
    void reserveRows(int rows);
    void insertRow(int before);
    void removeRow(int row);
    // Empties every cell and keeps the size.
    void clear();
    // Empties every cell and sets a new size in one step.
    void reset(int rows, int columns);

    void addObserver(GridObserver* observer);
    void removeObserver(GridObserver* observer);

private:
    // A cell holds its text, or a span of a source not yet decoded (source > 0).
    struct Cell {
        QString text;
        quint32 offset = 0;
        quint32 length = 0;
        quint16 source = 0;
    };
    Cell& cellAt(int row, int column) const {
        return cells_[size_t(row) * size_t(columns_) + size_t(column)];
    }
    template <class F>
    void notify(F&& f) const {
        for (GridObserver* o : observers_)
            f(o);
    }
    void resize(int rows, int columns, bool keepCells);

    int rows_ = 0;
    int columns_ = 0;
    mutable std::vector<Cell> cells_; // spans are decoded on first read
    std::vector<std::shared_ptr<const TextSource>> sources_;
    std::vector<GridObserver*> observers_;
};

} // namespace lendora
