#pragma once

#include <QAbstractTableModel>

namespace lendora {

class Workspace;

// One registry of the workspace as a table: a row per record (an empty row
// where no record stands), then one empty row, as the All Projects window
// lists them; the headings are the horizontal header. Follows every change
// of the workspace.
class RegistryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Registry { Projects, Audiences, Plans };

    RegistryModel(Workspace& workspace, Registry registry, QObject* parent = nullptr);

    // The text of record `number`'s column as the table shows it.
    QString text(int number, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reset();
    int recordCount() const;

    Workspace& workspace_;
    Registry registry_;
    QStringList headings_;
};

} // namespace lendora
