#include "widgets/grid_view.h"

#include "widgets/table_copy.h"

#include "spreadsheet/cell_text.h"
#include "storage/shown_text.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QStyle>
#include <QTimer>

namespace lendora::ui {

GridModel::GridModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent)
    , grid_(&grid) {
    grid_->addObserver(this);
}

GridModel::~GridModel() {
    grid_->removeObserver(this);
}

void GridModel::setGrid(Grid& grid) {
    beginResetModel();
    grid_->removeObserver(this);
    grid_ = &grid;
    grid_->addObserver(this);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grid_->rowCount() - 1, 0);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_->columnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return shownText(grid_->text(index.row() + 1, index.column()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return shownText(grid_->text(0, section));
    return section + 1;
}

void GridModel::gridAboutToReset(const Grid&) {
    beginResetModel();
}
void GridModel::gridReset(const Grid&) {
    endResetModel();
}

void GridModel::gridCellChanged(const Grid&, int row, int column) {
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex i = index(row - 1, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

// Rows at Grid row 0 move the header, so such changes reset the model.
void GridModel::gridRowsAboutToBeInserted(const Grid&, int first, int count) {
    resetting_ = first == 0;
    if (resetting_)
        beginResetModel();
    else
        beginInsertRows({}, first - 1, first - 1 + count - 1);
}

void GridModel::gridRowsInserted(const Grid&, int, int) {
    if (resetting_)
        endResetModel();
    else
        endInsertRows();
    resetting_ = false;
}

void GridModel::gridRowsAboutToBeRemoved(const Grid&, int first, int count) {
    resetting_ = first == 0;
    if (resetting_)
        beginResetModel();
    else
        beginRemoveRows({}, first - 1, first - 1 + count - 1);
}

void GridModel::gridRowsRemoved(const Grid&, int, int) {
    if (resetting_)
        endResetModel();
    else
        endRemoveRows();
    resetting_ = false;
}

void GridModel::gridDestroyed(const Grid&) {
    beginResetModel();
    grid_ = &none_;
    endResetModel();
}

GridView::GridView(Grid& grid, const QString& objectName, QWidget* parent)
    : QTableView(parent)
    , gridModel_(new GridModel(grid, this)) {
    setUp(gridModel_, objectName);
}

GridView::GridView(QAbstractItemModel* model, const QString& objectName, QWidget* parent)
    : QTableView(parent) {
    setUp(model, objectName);
}

void GridView::setUp(QAbstractItemModel* model, const QString& objectName) {
    setObjectName(objectName);
    // The headers are set up before the model comes: set afterwards, every
    // row of a large table would be resized one by one.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultSectionSize(110);
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be selected (Shift, Ctrl, Ctrl+A) to be copied; a
    // click still makes its row the current one.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit gridRowClicked(index.row() + 1); });
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::scheduleFit);
    connect(model, &QAbstractItemModel::rowsInserted, this, &GridView::scheduleFit);
    connect(model, &QAbstractItemModel::dataChanged, this, &GridView::scheduleFit);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &GridView::scheduleFit);
    scheduleFit();
}

// Many changes in one go are fitted once, when the event loop next runs.
void GridView::scheduleFit() {
    if (!autoFit_ || fitPending_)
        return;
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        fitPending_ = false;
        if (autoFit_)
            fitColumns();
    });
}

// Each column as wide as its heading and the texts of a sample of rows (the
// first 40 and the last): measuring every cell of a large table on each
// change would cost more than the fit is worth.
void GridView::fitColumns() {
    const QAbstractItemModel* m = model();
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics headings(horizontalHeader()->font());
    constexpr int sample = 40;
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 12;
    const int last = m->rowCount() - 1;
    for (int c = 0; c < m->columnCount(); ++c) {
        int width =
            headings.horizontalAdvance(m->headerData(c, Qt::Horizontal).toString()) + padding;
        for (int r = 0; r <= last; r = (r == sample - 1 && last > sample) ? last : r + 1)
            width = std::max(width,
                             cells.horizontalAdvance(m->index(r, c).data().toString()) + padding);
        setColumnWidth(c, std::clamp(width, 30, 600));
    }
}

int GridView::currentGridRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void GridView::setCurrentGridRow(int row) {
    const int column = std::max(currentIndex().column(), 0);
    setCurrentIndex(model()->index(row - 1, column));
}

std::vector<QStringList> GridView::selectedCells() const {
    return selectedRowCells(*this);
}

void GridView::copySelection() const {
    copyCells(selectedCells());
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    if (event == QKeySequence::Paste &&
        isSignalConnected(QMetaMethod::fromSignal(&GridView::pasteRequested))) {
        const QModelIndex at = currentIndex();
        emit pasteRequested(spreadsheet::parseTabSeparated(QApplication::clipboard()->text()),
                            at.isValid() ? at.row() + 1 : 1, at.isValid() ? at.column() : 0);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Copy"), this, [this] { copySelection(); })->setShortcut(QKeySequence::Copy);
    menu.addAction(tr("Select All"), this, [this] { selectAll(); })
        ->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

} // namespace lendora::ui
