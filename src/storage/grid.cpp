#include "storage/grid.h"

#include <algorithm>

namespace lendora {

namespace {
const QString emptyText;
}

Grid::Grid(int rows, int columns) {
    resize(rows, columns, false);
}

Grid::Grid(const Grid& other)
    : rows_(other.rows_)
    , columns_(other.columns_)
    , cells_(other.cells_)
    , sources_(other.sources_) {}

Grid& Grid::operator=(const Grid& other) {
    if (this == &other)
        return *this;
    notify([&](GridObserver* o) { o->gridAboutToReset(*this); });
    rows_ = other.rows_;
    columns_ = other.columns_;
    cells_ = other.cells_;
    sources_ = other.sources_;
    notify([&](GridObserver* o) { o->gridReset(*this); });
    return *this;
}

Grid::~Grid() {
    // An observer may remove itself while it is told.
    const std::vector<GridObserver*> observers = observers_;
    for (GridObserver* o : observers)
        o->gridDestroyed(*this);
}

bool Grid::contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

const QString& Grid::text(int row, int column) const {
    if (!contains(row, column))
        return emptyText;
    Cell& cell = cellAt(row, column);
    if (cell.source) {
        cell.text = sources_[cell.source - 1]->decode(cell.offset, cell.length);
        cell.source = 0;
    }
    return cell.text;
}

void Grid::setText(int row, int column, const QString& text) {
    if (!contains(row, column))
        return;
    Cell& cell = cellAt(row, column);
    cell.text = text;
    cell.source = 0;
    notify([&](GridObserver* o) { o->gridCellChanged(*this, row, column); });
}

int Grid::addSource(std::shared_ptr<const TextSource> source) {
    sources_.push_back(std::move(source));
    return int(sources_.size());
}

void Grid::setSpan(int row, int column, int source, qsizetype offset, qsizetype length) {
    if (!contains(row, column) || source < 1 || source > int(sources_.size()))
        return;
    Cell& cell = cellAt(row, column);
    if (source > 0xFFFF || offset + length > qsizetype(0xFFFFFFFF) || length <= 0) {
        cell.text = sources_[size_t(source - 1)]->decode(offset, length); // beyond a span's reach
        cell.source = 0;
    } else {
        cell.text = QString();
        cell.offset = quint32(offset);
        cell.length = quint32(length);
        cell.source = quint16(source);
    }
    notify([&](GridObserver* o) { o->gridCellChanged(*this, row, column); });
}

std::optional<QByteArrayView> Grid::utf8Span(int row, int column) const {
    if (!contains(row, column))
        return std::nullopt;
    const Cell& cell = cellAt(row, column);
    if (!cell.source || !sources_[cell.source - 1]->isUtf8())
        return std::nullopt;
    return sources_[cell.source - 1]->view(cell.offset, cell.length);
}

void Grid::setText(int row, int column, QString&& text) {
    if (!contains(row, column))
        return;
    Cell& cell = cellAt(row, column);
    cell.text = std::move(text);
    cell.source = 0;
    notify([&](GridObserver* o) { o->gridCellChanged(*this, row, column); });
}

QStringList Grid::rowTexts(int row) const {
    QStringList texts;
    for (int c = 0; c < columns_; ++c)
        texts << text(row, c);
    return texts;
}

void Grid::setHeadings(const QStringList& headings) {
    for (int c = 0; c < headings.size(); ++c)
        setText(0, c, headings[c]);
}

void Grid::resize(int rows, int columns, bool keepCells) {
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    std::vector<Cell> cells(size_t(rows) * size_t(columns));
    if (keepCells) {
        const int keepRows = std::min(rows, rows_);
        const int keepColumns = std::min(columns, columns_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepColumns; ++c)
                cells[size_t(r) * size_t(columns) + size_t(c)] = std::move(cellAt(r, c));
    } else {
        sources_.clear();
    }
    rows_ = rows;
    columns_ = columns;
    cells_ = std::move(cells);
}

void Grid::setRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows == rows_)
        return;
    if (rows > rows_) {
        const int first = rows_;
        const int count = rows - rows_;
        notify([&](GridObserver* o) { o->gridRowsAboutToBeInserted(*this, first, count); });
        cells_.resize(size_t(rows) * size_t(columns_));
        rows_ = rows;
        notify([&](GridObserver* o) { o->gridRowsInserted(*this, first, count); });
    } else {
        const int first = rows;
        const int count = rows_ - rows;
        notify([&](GridObserver* o) { o->gridRowsAboutToBeRemoved(*this, first, count); });
        cells_.resize(size_t(rows) * size_t(columns_));
        rows_ = rows;
        notify([&](GridObserver* o) { o->gridRowsRemoved(*this, first, count); });
    }
}

void Grid::setColumnCount(int columns) {
    columns = std::max(columns, 0);
    if (columns == columns_)
        return;
    notify([&](GridObserver* o) { o->gridAboutToReset(*this); });
    resize(rows_, columns, true);
    notify([&](GridObserver* o) { o->gridReset(*this); });
}

void Grid::addRow() {
    insertRow(rows_);
}

void Grid::reserveRows(int rows) {
    if (rows > 0)
        cells_.reserve(size_t(rows) * size_t(columns_));
}

void Grid::insertRow(int before) {
    if (before < 0 || before > rows_)
        return;
    notify([&](GridObserver* o) { o->gridRowsAboutToBeInserted(*this, before, 1); });
    cells_.insert(cells_.begin() + ptrdiff_t(before) * columns_, size_t(columns_), Cell());
    ++rows_;
    notify([&](GridObserver* o) { o->gridRowsInserted(*this, before, 1); });
}

void Grid::removeRow(int row) {
    if (row < 0 || row >= rows_)
        return;
    notify([&](GridObserver* o) { o->gridRowsAboutToBeRemoved(*this, row, 1); });
    auto first = cells_.begin() + ptrdiff_t(row) * columns_;
    cells_.erase(first, first + columns_);
    --rows_;
    notify([&](GridObserver* o) { o->gridRowsRemoved(*this, row, 1); });
}

void Grid::clear() {
    notify([&](GridObserver* o) { o->gridAboutToReset(*this); });
    for (Cell& cell : cells_)
        cell = Cell();
    sources_.clear();
    notify([&](GridObserver* o) { o->gridReset(*this); });
}

void Grid::reset(int rows, int columns) {
    notify([&](GridObserver* o) { o->gridAboutToReset(*this); });
    resize(rows, columns, false);
    notify([&](GridObserver* o) { o->gridReset(*this); });
}

void Grid::addObserver(GridObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void Grid::removeObserver(GridObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

} // namespace lendora
