#include "analysis/analysis_models.h"

#include "analysis/analysis_session.h"
#include "storage/shown_text.h"

namespace lendora::analysis {

AnalysisTableModel::AnalysisTableModel(AnalysisTable table, QObject* parent)
    : QAbstractTableModel(parent)
    , table_(table) {}

void AnalysisTableModel::setSession(const AnalysisSession* session) {
    beginResetModel();
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    rows_ = session ? tableRows(session->analysis(), table_) : 0;
    columns_ = session ? tableColumns(session->analysis(), table_) : 0;
    endResetModel();
    if (!session)
        return;
    switch (table_) {
    case AnalysisTable::Base:
        break;
    case AnalysisTable::Estimates:
        connect(session, &AnalysisSession::estimatesChanged, this,
                &AnalysisTableModel::contentChanged);
        connect(session, &AnalysisSession::estimateIntervalsChanged, this,
                &AnalysisTableModel::decorationChanged);
        break;
    default:
        connect(session, &AnalysisSession::strategiesChanged, this,
                &AnalysisTableModel::followStrategies);
        break;
    }
}

void AnalysisTableModel::setCellDecoration(CellDecoration decoration) {
    decoration_ = std::move(decoration);
    decorationChanged();
}

void AnalysisTableModel::decorationChanged() {
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

void AnalysisTableModel::contentChanged() {
    if (rows_ > 0 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    if (columns_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void AnalysisTableModel::followStrategies() {
    const PlanAnalysis& analysis = session_->analysis();
    const int rows = tableRows(analysis, table_);
    const int columns = tableColumns(analysis, table_);
    if (columns == columns_ && rows == rows_ + 1) {
        beginInsertRows({}, rows_ - 1, rows_ - 1);
        rows_ = rows;
        endInsertRows();
        contentChanged();
        return;
    }
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !session_)
        return {};
    if (decoration_ &&
        (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::ToolTipRole)) {
        QVariant look = decoration_(index.row() + 1, index.column(), role);
        if (look.isValid())
            return look;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return shownText(tableText(session_->analysis(), table_, index.row() + 1, index.column()));
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return session_ ? shownText(tableText(session_->analysis(), table_, 0, section)) : QString();
}

} // namespace lendora::analysis
