#include "plans/plan_table.h"

#include "storage/details_file.h"
#include "storage/numbers.h"
#include "workspace/registry_codec.h"

#include <QCoreApplication>

namespace lendora::plans {

using namespace Qt::StringLiterals;
namespace plan = column;

namespace {
// A heading of the plan window's tables: its translation, or the heading.
QString heading(const char* source) {
    return QCoreApplication::translate("lendora::ProjectPlanWindow", source);
}
} // namespace

QStringList projectHeadings() {
    return {u"#"_s, heading(QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Project Name")),
            heading(QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Product Name"))};
}

QStringList detailHeadings() {
    return details::headings(heading(QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Names")));
}

QStringList audienceHeadings() {
    return {u"#"_s, heading(QT_TRANSLATE_NOOP("lendora::ProjectPlanWindow", "Definition"))};
}

PlanTable::PlanTable()
    : grid(2, registry::planItems)
    , ids(2) {
    grid.setHeadings(registry::planHeadings());
}

void PlanTable::load(const Workspace& workspace) {
    const int q = workspace.planCount() + 2;
    grid.reset(q, registry::planItems);
    grid.setHeadings(registry::planHeadings());
    ids.assign(size_t(q), PlanId());
    for (int i = 1; i <= q - 1; ++i) {
        grid.setText(i, plan::id, QString::number(i));
        const Plan* stored = workspace.plan(i);
        if (!stored)
            continue;
        ids[size_t(i)] = stored->id;
        if (stored->project)
            grid.setText(i, plan::projectId, QString::number(stored->project));
        grid.setText(i, plan::projectName, stored->projectName);
        if (stored->audience)
            grid.setText(i, plan::audienceId, QString::number(stored->audience));
        grid.setText(i, plan::audienceName, stored->audienceName);
        grid.setText(i, plan::pollFlag, registry::pollText(stored->poll));
        grid.setText(i, plan::analysisFlag, registry::analysedText(stored->analysed));
    }
}

PlanId PlanTable::id(int row) const {
    return row >= 0 && size_t(row) < ids.size() ? ids[size_t(row)] : PlanId();
}

int PlanTable::rowOf(PlanId plan) const {
    for (int row = 1; row <= planCount(); ++row)
        if (plan.valid() && id(row) == plan)
            return row;
    return 0;
}

void PlanTable::showFlags(const Plan& stored) {
    const int row = rowOf(stored.id);
    if (row == 0)
        return;
    grid.setText(row, plan::pollFlag, registry::pollText(stored.poll));
    grid.setText(row, plan::analysisFlag, registry::analysedText(stored.analysed));
}

std::vector<Workspace::PlanDraft> PlanTable::drafts() const {
    std::vector<Workspace::PlanDraft> drafts;
    for (int row = 1; row <= planCount(); ++row)
        drafts.push_back({id(row), toWhole(leadingNumber(grid.text(row, plan::projectId))),
                          grid.text(row, plan::projectName),
                          toWhole(leadingNumber(grid.text(row, plan::audienceId))),
                          grid.text(row, plan::audienceName)});
    return drafts;
}

QString planKey(const QString& projectNumber, const QString& audienceNumber) {
    return doubleText(leadingNumber(projectNumber)) + doubleText(leadingNumber(audienceNumber));
}

bool keyTaken(const Grid& plans, const QString& key, int exceptRow) {
    for (int i = 1; i <= plans.rowCount() - 1; ++i)
        if (i != exceptRow &&
            planKey(plans.text(i, plan::projectId), plans.text(i, plan::audienceId)) == key)
            return true;
    return false;
}

namespace {
// A row that holds a record: not the headings, not the trailing empty row.
bool recordRow(const Grid& table, int row) {
    return row >= 1 && row <= table.rowCount() - 2;
}
} // namespace

Refusal checkPlan(const Grid& plans, const Grid& projects, const Grid& audiences, int project,
                  int audience, int exceptRow) {
    if (!recordRow(projects, project))
        return Refusal::NoProject;
    if (!recordRow(audiences, audience))
        return Refusal::NoAudience;
    if (keyTaken(plans, planKey(projects.text(project, 0), audiences.text(audience, 0)), exceptRow))
        return Refusal::Duplicate;
    return Refusal::None;
}

void addPlan(PlanTable& table, const Grid& projects, const Grid& audiences, int project,
             int audience, int n) {
    Grid& g = table.grid;
    g.setText(n, plan::id, QString::number(n));
    g.setText(n, plan::projectId, projects.text(project, 0));
    g.setText(n, plan::projectName, projects.text(project, 1));
    g.setText(n, plan::audienceId, audiences.text(audience, 0));
    g.setText(n, plan::audienceName, audiences.text(audience, 1));
    g.setText(n, plan::pollFlag, editableFlag);
    g.setText(n, plan::analysisFlag, u"No"_s);
    if (size_t(n) < table.ids.size())
        table.ids[size_t(n)] = PlanId();
    g.addRow();
    table.ids.resize(size_t(g.rowCount()));
}

void editPlan(PlanTable& table, const Grid& projects, const Grid& audiences, int p, int project,
              int audience) {
    Grid& g = table.grid;
    g.setText(p, plan::id, QString::number(p));
    g.setText(p, plan::projectId, QString::number(project));
    g.setText(p, plan::projectName, projects.text(project, 1));
    g.setText(p, plan::audienceId, QString::number(audience));
    g.setText(p, plan::audienceName, audiences.text(audience, 1));
}

int deletePlan(PlanTable& table, int row) {
    Grid& g = table.grid;
    if (!recordRow(g, row))
        return table.planCount();
    g.removeRow(row);
    if (size_t(row) < table.ids.size())
        table.ids.erase(table.ids.begin() + row);
    table.ids.resize(size_t(g.rowCount()));
    for (int i = 1; i <= g.rowCount() - 1; ++i)
        g.setText(i, plan::id, QString::number(i));
    return table.planCount();
}

bool editable(const Grid& plans, int row) {
    return plans.text(row, plan::pollFlag) == editableFlag;
}

} // namespace lendora::plans
