#include "workspace/registry_models.h"

#include "storage/shown_text.h"
#include "workspace/registry_codec.h"
#include "workspace/workspace.h"

namespace lendora {

RegistryModel::RegistryModel(Workspace& workspace, Registry registry, QObject* parent)
    : QAbstractTableModel(parent)
    , workspace_(workspace)
    , registry_(registry) {
    connect(&workspace, &Workspace::reloaded, this, &RegistryModel::reset);
    switch (registry) {
    case Registry::Projects:
        headings_ = registry::projectHeadings();
        connect(&workspace, &Workspace::projectAdded, this, &RegistryModel::reset);
        connect(&workspace, &Workspace::projectsChanged, this, &RegistryModel::reset);
        break;
    case Registry::Audiences:
        headings_ = registry::audienceHeadings();
        connect(&workspace, &Workspace::audienceAdded, this, &RegistryModel::reset);
        connect(&workspace, &Workspace::audienceChanged, this, &RegistryModel::reset);
        connect(&workspace, &Workspace::audienceRemoved, this, &RegistryModel::reset);
        break;
    case Registry::Plans:
        headings_ = registry::planHeadings();
        connect(&workspace, &Workspace::plansReplaced, this, &RegistryModel::reset);
        connect(&workspace, &Workspace::planChanged, this, [this](PlanId id) {
            const int row = workspace_.planNumber(id) - 1;
            if (row >= 0)
                emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
        });
        break;
    }
}

void RegistryModel::reset() {
    beginResetModel();
    endResetModel();
}

int RegistryModel::recordCount() const {
    switch (registry_) {
    case Registry::Projects:
        return workspace_.projectCount();
    case Registry::Audiences:
        return workspace_.audienceCount();
    case Registry::Plans:
        return workspace_.planCount();
    }
    return 0;
}

QString RegistryModel::text(int number, int column) const {
    switch (registry_) {
    case Registry::Projects:
        if (const Project* p = workspace_.project(number)) {
            const QString cells[] = {QString::number(number), p->name, p->product, p->brand,
                                     registry::statusText(p->status)};
            return column >= 0 && column < 5 ? cells[column] : QString();
        }
        break;
    case Registry::Audiences:
        if (const Audience* a = workspace_.audience(number)) {
            const QString cells[] = {QString::number(number), a->definition, a->segments};
            return column >= 0 && column < 3 ? cells[column] : QString();
        }
        break;
    case Registry::Plans:
        if (const Plan* p = workspace_.plan(number)) {
            switch (column) {
            case 0:
                return QString::number(number);
            case 1:
                return p->project ? QString::number(p->project) : QString();
            case 2:
                return p->projectName;
            case 3:
                return p->audience ? QString::number(p->audience) : QString();
            case 4:
                return p->audienceName;
            case 5:
                return registry::pollText(p->poll);
            case 6:
                return registry::analysedText(p->analysed);
            }
        }
        break;
    }
    return QString();
}

int RegistryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordCount() + 1;
}

int RegistryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant RegistryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return shownText(text(index.row() + 1, index.column()));
}

QVariant RegistryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return headings_.value(section);
    return section + 1;
}

} // namespace lendora
