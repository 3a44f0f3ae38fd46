#include "plans/plan_save.h"

#include "analysis/analysis_files.h"
#include "storage/numbers.h"
#include "storage/table_records.h"

#include <QFile>

#include <set>

namespace lendora::plans {

std::vector<FileStep> analysisFileSteps(const std::vector<int>& storedNumbers, int planCount,
                                        int storedCount) {
    std::vector<FileStep> steps;
    std::set<int> kept;
    for (int row = 1; row <= planCount; ++row) {
        const int stored = row < int(storedNumbers.size()) ? storedNumbers[size_t(row)] : 0;
        if (stored > 0)
            kept.insert(stored);
        if (stored != row)
            steps.push_back({stored, row});
    }
    // Deleted plans beyond the new last number: nobody takes their files.
    for (int number = planCount + 1; number <= storedCount; ++number)
        if (!kept.count(number))
            steps.push_back({number, 0});
    return steps;
}

QStringList analysisFileNames(int plan) {
    return {analysis::strategiesFileName(plan), analysis::featuresFileName(plan),
            analysis::flagsFileName(plan), analysis::segmentsFileName(plan)};
}

namespace {
WriteStatus removeFile(const RecordFolder& folder, const QString& name) {
    if (!folder.exists(name))
        return {};
    QFile file(folder.filePath(name));
    if (!file.remove())
        return WriteStatus::failure(name, file.errorString());
    return {};
}
} // namespace

WriteStatus moveAnalysisFiles(const RecordFolder& folder, const std::vector<FileStep>& steps) {
    WriteStatus status;
    for (const FileStep& step : steps) {
        if (step.to == 0) {
            for (const QString& name : analysisFileNames(step.from))
                status << removeFile(folder, name);
            continue;
        }
        const QStringList targets = analysisFileNames(step.to);
        const QStringList sources = step.from > 0 ? analysisFileNames(step.from) : QStringList();
        for (int i = 0; i < targets.size(); ++i) {
            if (!sources.isEmpty() && folder.exists(sources[i]))
                status << folder.rename(sources[i], targets[i]);
            else
                status << removeFile(folder, targets[i]);
        }
    }
    return status;
}

namespace {
void markActive(Grid& projects, const Grid& plans) {
    for (int row = 1; row <= plans.rowCount() - 2; ++row) {
        const int project = toWhole(leadingNumber(plans.text(row, plan::projectId)));
        if (project >= 1 && project <= projects.rowCount() - 2)
            projects.setText(project, 4, QStringLiteral("Active"));
    }
}
} // namespace

WriteStatus savePlans(const RecordFolder& folder, PlanTable& table, WorkingCopy& copy) {
    takeCurrentFlags(table, copy.plans);
    const int n = table.planCount();
    const std::vector<Record> records =
        tableRecords(table.grid, plan::projectId, plan::analysisFlag);
    WriteStatus status = records.empty() ? folder.writeBytes(registry::plansFile, {})
                                         : folder.rewrite(registry::plansFile, records);
    if (!status.ok())
        return status;

    status << moveAnalysisFiles(
        folder, analysisFileSteps(table.storedNumbers, n, copy.plans.rowCount() - 2));
    status << folder.writeFlag(registry::plansFlag);

    // The registry now holds the table's plans under the numbers 1 to n.
    copy.plans = table.grid;
    for (int c = 0; c < copy.plans.columnCount(); ++c)
        copy.plans.setText(copy.plans.rowCount() - 1, c, QString());
    table.storedNumbers.assign(size_t(table.grid.rowCount()), 0);
    for (int row = 1; row <= n; ++row)
        table.storedNumbers[size_t(row)] = row;

    markActive(copy.projects, table.grid);
    status << rewriteProjects(folder, copy.projects);
    return status;
}

} // namespace lendora::plans
