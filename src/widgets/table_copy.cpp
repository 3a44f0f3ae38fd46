#include "widgets/table_copy.h"

#include "spreadsheet/cell_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QTableView>

#include <algorithm>

namespace lendora::ui {

namespace {

QString cellText(const QTableView& view, const QModelIndex& index) {
    if (const auto* combo = qobject_cast<const QComboBox*>(view.indexWidget(index)))
        return combo->currentText();
    return index.data().toString();
}

} // namespace

std::vector<QStringList> selectedRowCells(const QTableView& view) {
    const QAbstractItemModel* m = view.model();
    std::vector<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && view.currentIndex().isValid())
        rows.push_back(view.currentIndex().row());
    std::sort(rows.begin(), rows.end());
    std::vector<QStringList> cells;
    QStringList headings;
    for (int c = 0; c < m->columnCount(); ++c)
        headings << m->headerData(c, Qt::Horizontal).toString();
    cells.push_back(headings);
    for (int r : rows) {
        QStringList row;
        for (int c = 0; c < m->columnCount(); ++c)
            row << cellText(view, m->index(r, c));
        cells.push_back(row);
    }
    return cells;
}

void copyCells(const std::vector<QStringList>& cells) {
    auto* data = new QMimeData;
    data->setText(spreadsheet::tabSeparatedText(cells));
    data->setHtml(spreadsheet::htmlTable(cells, true));
    QApplication::clipboard()->setMimeData(data);
}

namespace {

// Ctrl+C reaches the table as a key, as GridView takes it: the view's own
// copy (the current cell's text alone) and any shortcut stand aside.
class CopyKey : public QObject {
public:
    explicit CopyKey(QTableView* view)
        : QObject(view)
        , view_(view) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const bool key =
            event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (!key || static_cast<QKeyEvent*>(event) != QKeySequence::Copy)
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            copyCells(selectedRowCells(*view_));
        return true;
    }

private:
    QTableView* view_;
};

} // namespace

void offerTableCopy(QTableView* view) {
    view->installEventFilter(new CopyKey(view));
    auto* copy = new QAction(QApplication::translate("TableCopy", "Copy"), view);
    copy->setObjectName(QStringLiteral("actCopyTable"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view,
                     [view] { copyCells(selectedRowCells(*view)); });
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace lendora::ui
