#include "storage/registries.h"

#include "storage/numbers.h"
#include "storage/table_records.h"

namespace lendora {

namespace registry {
QStringList projectHeadings() {
    return {QStringLiteral("#"), QStringLiteral("Project Name"), QStringLiteral("Product Name"),
            QStringLiteral("Brand Name"), QStringLiteral("Status")};
}
QStringList audienceHeadings() {
    return {QStringLiteral("#"), QStringLiteral("Definition"), QStringLiteral("Segments")};
}
QStringList planHeadings() {
    return {QStringLiteral("ID"),
            QStringLiteral("Basic Details ID"),
            QStringLiteral("Basic Details"),
            QStringLiteral("Target Audience ID"),
            QStringLiteral("Target Audience"),
            QStringLiteral("Poll Data "),
            QStringLiteral("Analysis Started?")};
}
} // namespace registry

namespace {
void startTable(Grid& grid, const QStringList& headings) {
    grid.reset(2, int(headings.size()));
    grid.setHeadings(headings);
}

Record rowRecord(const Grid& grid, int row, int lastColumn) {
    Record record{Item::whole(row)};
    for (int c = 1; c <= lastColumn; ++c)
        record.push_back(Item::text(grid.text(row, c)));
    return record;
}
} // namespace

WorkingCopy::WorkingCopy() {
    startTable(projects, registry::projectHeadings());
    startTable(audiences, registry::audienceHeadings());
    startTable(plans, registry::planHeadings());
}

void loadRegistries(const RecordFolder& folder, WorkingCopy& copy) {
    startTable(copy.projects, registry::projectHeadings());
    startTable(copy.audiences, registry::audienceHeadings());
    startTable(copy.plans, registry::planHeadings());
    auto load = [&](Grid& table, const QString& name, int items) {
        if (auto bytes = folder.readBytes(name))
            placeRecords(table, *bytes, items, 0, 0, true);
    };
    if (folder.readFlag(registry::projectsFlag) == 1)
        load(copy.projects, registry::projectsFile, registry::projectItems);
    if (folder.readFlag(registry::audiencesFlag) == 1)
        load(copy.audiences, registry::audiencesFile, registry::audienceItems);
    if (toWhole(folder.readFlag(registry::plansFlag)) == 1)
        load(copy.plans, registry::plansFile, registry::planItems);
}

namespace {
// Record n of a registry: appended as one new record normally; replacing the
// stored record n when the file already reaches that far.
WriteStatus putRecord(const RecordFolder& folder, const QString& name, int itemCount,
                      const Grid& table, int n) {
    const Record record = rowRecord(table, n, itemCount - 1);
    if (n <= 1)
        return folder.addRecord(name, n, record);
    std::vector<QStringList> stored = folder.readRecords(name, itemCount);
    if (int(stored.size()) < n)
        return folder.addRecord(name, n, record);
    RecordWriter writer;
    for (int i = 1; i <= int(stored.size()); ++i) {
        if (i == n) {
            writer.record(record);
            continue;
        }
        const QStringList& items = stored[size_t(i - 1)];
        writer.whole(i);
        for (int k = 1; k < itemCount; ++k)
            writer.text(items.value(k));
        writer.endRecord();
    }
    return folder.writeBytes(name, writer.take());
}
} // namespace

WriteStatus appendProject(const RecordFolder& folder, const Grid& projects, int n) {
    return putRecord(folder, registry::projectsFile, registry::projectItems, projects, n);
}

WriteStatus appendAudience(const RecordFolder& folder, const Grid& audiences, int n) {
    return putRecord(folder, registry::audiencesFile, registry::audienceItems, audiences, n);
}

namespace {
// Whole-file rewrite from a table; no records leave the file as it was.
WriteStatus rewriteTable(const RecordFolder& folder, const QString& name, const Grid& table,
                         int lastColumn) {
    if (table.rowCount() - 2 < 1)
        return {};
    return folder.writeBytes(name, tableBytes(table, 1, lastColumn));
}
} // namespace

WriteStatus rewriteProjects(const RecordFolder& folder, const Grid& projects) {
    return rewriteTable(folder, registry::projectsFile, projects, 4);
}

WriteStatus rewritePlans(const RecordFolder& folder, const Grid& plans) {
    return rewriteTable(folder, registry::plansFile, plans, 6);
}

WriteStatus setPlanValue(const RecordFolder& folder, Grid& plans, int planRow, int column,
                         const QString& value) {
    const QString before = plans.text(planRow, column);
    plans.setText(planRow, column, value);
    WriteStatus status = rewritePlans(folder, plans);
    if (!status.ok())
        plans.setText(planRow, column, before);
    return status;
}

} // namespace lendora
