#include "poll/ui/poll_table_model.h"

#include "poll/poll_session.h"
#include "poll/poll_tables.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"

namespace lendora::ui {

PollTableModel::PollTableModel(int product, QObject* parent)
    : QAbstractTableModel(parent)
    , product_(product) {}

void PollTableModel::setSession(poll::PollSession* session) {
    beginResetModel();
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    rows_ = session ? session->segmentCount() + 1 : 0;
    if (session)
        connect(session, &poll::PollSession::countsChanged, this, &PollTableModel::countsChanged);
    endResetModel();
}

void PollTableModel::countsChanged(int product) {
    if (product != product_)
        return;
    const int rows = session_ ? session_->segmentCount() + 1 : 0;
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, poll::columnCount - 1), {Qt::DisplayRole});
    }
}

int PollTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int PollTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !session_ ? 0 : poll::columnCount;
}

QString PollTableModel::cellText(int row, int column) const {
    const int segment = row + 1;
    if (segment > session_->segmentCount()) {
        if (column == 0)
            return poll::totalsLabel;
        if (!session_->entry(product_).totalsShown)
            return {};
        return floatText(poll::columnTotals(session_->counts(product_))[size_t(column - 1)]);
    }
    if (column == 0)
        return session_->segments()[size_t(row)];
    const SegmentCounts& counts = session_->counts(product_).segments[size_t(row)];
    return poll::countText(column == poll::totalColumn ? counts.total
                                                       : counts.features[size_t(column - 1)]);
}

QVariant PollTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !session_ || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return shownText(cellText(index.row(), index.column()));
}

QVariant PollTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return poll::headings().value(section);
    return section + 1;
}

} // namespace lendora::ui
