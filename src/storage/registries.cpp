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
    if (folder.readFlag(registry::projectsFlag) == 1)
        placeRecords(copy.projects,
                     folder.readRecords(registry::projectsFile, registry::projectItems), 0, 0,
                     true);
    if (folder.readFlag(registry::audiencesFlag) == 1)
        placeRecords(copy.audiences,
                     folder.readRecords(registry::audiencesFile, registry::audienceItems), 0, 0,
                     true);
    if (toWhole(folder.readFlag(registry::plansFlag)) == 1)
        placeRecords(copy.plans, folder.readRecords(registry::plansFile, registry::planItems), 0, 0,
                     true);
}

WriteStatus appendProject(const RecordFolder& folder, const Grid& projects, int n) {
    return folder.addRecord(registry::projectsFile, n, rowRecord(projects, n, 4));
}

WriteStatus appendAudience(const RecordFolder& folder, const Grid& audiences, int n) {
    return folder.addRecord(registry::audiencesFile, n, rowRecord(audiences, n, 2));
}

WriteStatus rewriteProjects(const RecordFolder& folder, const Grid& projects) {
    return folder.rewrite(registry::projectsFile, tableRecords(projects, 1, 4));
}

WriteStatus rewritePlans(const RecordFolder& folder, const Grid& plans) {
    return folder.rewrite(registry::plansFile, tableRecords(plans, 1, 6));
}

} // namespace lendora
