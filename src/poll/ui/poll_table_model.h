#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace lendora::poll {
class PollSession;
}

namespace lendora::ui {

// One product's poll table over a poll session's counts, as a GridView shows
// it: the headings "Segment", the seven features and "Totals"; a row per
// segment (its description, the counts, the segment total); the totals row.
// It holds nothing of its own.
class PollTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PollTableModel(int product, QObject* parent = nullptr);

    // Shows the session's counts of the product (none without a session).
    void setSession(poll::PollSession* session);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void countsChanged(int product);
    QString cellText(int row, int column) const;

    int product_;
    QPointer<poll::PollSession> session_;
    int rows_ = 0;
};

} // namespace lendora::ui
