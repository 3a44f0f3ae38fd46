#pragma once

#include "analysis/table_texts.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>

namespace lendora::analysis {

class AnalysisSession;

// One table of the Analysis window over the open session: the headings are
// the horizontal header, row 1 of the table is model row 0, and every cell
// is made from the session when it is shown. Follows the session's signals;
// without a session the table is empty.
class AnalysisTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Extra looks of a cell, as for a table of text cells (see GridModel):
    // given the table row (from 1), the column and a role (Qt::BackgroundRole,
    // Qt::ForegroundRole or Qt::ToolTipRole), the value, or an invalid
    // QVariant for the usual look.
    using CellDecoration = std::function<QVariant(int row, int column, int role)>;

    explicit AnalysisTableModel(AnalysisTable table, QObject* parent = nullptr);

    // Shows the session's table (none: an empty table).
    void setSession(const AnalysisSession* session);
    void setCellDecoration(CellDecoration decoration);
    // Tells the views that the decoration gives other looks now.
    void decorationChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The strategies changed: a strategy added is a row inserted before the
    // last; anything else lays the table out afresh.
    void followStrategies();
    void contentChanged();

    AnalysisTable table_;
    QPointer<const AnalysisSession> session_;
    CellDecoration decoration_;
    int rows_ = 0;
    int columns_ = 0;
};

} // namespace lendora::analysis
