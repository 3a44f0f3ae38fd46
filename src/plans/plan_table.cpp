#include "plans/plan_table.h"

#include "storage/details_file.h"

#include "storage/numbers.h"
#include "storage/registries.h"

namespace lendora::plans {

using namespace Qt::StringLiterals;

QStringList projectHeadings() {
    return {u"#"_s, u"Project Name"_s, u"Product Name"_s};
}

QStringList detailHeadings() {
    return details::headings(u"Names"_s);
}

QStringList audienceHeadings() {
    return {u"#"_s, u"Definition"_s};
}

PlanTable::PlanTable()
    : grid(2, registry::planItems)
    , storedNumbers(2, 0) {
    grid.setHeadings(registry::planHeadings());
}

void PlanTable::load(const Grid& registryPlans) {
    const int q = registryPlans.rowCount();
    grid.reset(q, registry::planItems);
    grid.setHeadings(registry::planHeadings());
    storedNumbers.assign(size_t(std::max(q, 0)), 0);
    for (int i = 1; i <= q - 1; ++i) {
        grid.setText(i, plan::id, QString::number(i));
        for (int c = plan::projectId; c <= plan::analysisFlag; ++c)
            grid.setText(i, c, registryPlans.text(i, c));
        if (i < q - 1)
            storedNumbers[size_t(i)] = i;
    }
}

int PlanTable::storedNumber(int row) const {
    return row >= 0 && size_t(row) < storedNumbers.size() ? storedNumbers[size_t(row)] : 0;
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
    g.setText(n, plan::analysisFlag, QStringLiteral("No"));
    if (size_t(n) < table.storedNumbers.size())
        table.storedNumbers[size_t(n)] = 0;
    g.addRow();
    table.storedNumbers.resize(size_t(g.rowCount()), 0);
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
    if (size_t(row) < table.storedNumbers.size())
        table.storedNumbers.erase(table.storedNumbers.begin() + row);
    table.storedNumbers.resize(size_t(g.rowCount()), 0);
    for (int i = 1; i <= g.rowCount() - 1; ++i)
        g.setText(i, plan::id, QString::number(i));
    return table.planCount();
}

void takeCurrentFlags(PlanTable& table, const Grid& registryPlans) {
    for (int row = 1; row <= table.planCount(); ++row) {
        const int stored = table.storedNumber(row);
        if (stored < 1 || stored > registryPlans.rowCount() - 2)
            continue;
        for (int c : {plan::pollFlag, plan::analysisFlag}) {
            const QString& current = registryPlans.text(stored, c);
            if (table.grid.text(row, c) != current)
                table.grid.setText(row, c, current);
        }
    }
}

bool editable(const Grid& plans, int row) {
    return plans.text(row, plan::pollFlag) == editableFlag;
}

} // namespace lendora::plans
