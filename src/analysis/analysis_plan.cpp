#include "analysis/analysis_plan.h"

#include "analysis/analysis_files.h"
#include "audience/segment_file.h"
#include "storage/details_file.h"
#include "storage/registries.h"

namespace lendora::analysis {

using namespace Qt::StringLiterals;

QString windowCaption(const poll::PlanRef& plan) {
    return u"Analysis for Project "_s + plan.projectName + u"and Target Audience "_s +
           plan.audienceName;
}

QString baseCaption(const poll::PlanRef& plan) {
    return u"Basic Details for "_s + plan.projectName;
}

QString entryFrameCaption(const Grid& base) {
    return u"New Analysis for "_s + base.text(brand::own, details::brand);
}

OpenedPlan openAnalysis(const RecordFolder& folder, const Grid& plans, int planRow,
                        AnalysisTables& tables, PollTables& polls) {
    OpenedPlan opened;
    opened.plan = poll::planRef(plans, planRow);
    // Nothing of an earlier opening survives: the views keep their Grids,
    // which take the fresh cells.
    tables = AnalysisTables();

    tables.base.setHeadings(baseHeadings());
    details::readInto(folder, opened.plan.project, tables.base, true);
    tables.lblProjectIndex = planRow;

    const std::vector<QStringList> segmentRecords = segments::read(folder, opened.plan.audience);
    for (Grid& poll : polls)
        poll::layOut(poll, segmentRecords);
    placeSegments(tables, segmentRecords);

    for (int product = 0; product < poll::productCount; ++product)
        poll::load(folder, opened.plan, product, polls[size_t(product)]);

    opened.saved = plans.text(planRow, plan::analysisFlag) == analysedFlag;
    if (opened.saved)
        loadAnalysisFiles(folder, tables);
    return opened;
}

namespace {

// Puts the flag into the plan's row and rewrites the registry; the row gets
// its old flag back when the registry cannot be written.
WriteStatus recordFlag(const RecordFolder& folder, Grid& plans, int planRow, const QString& flag) {
    return setPlanValue(folder, plans, planRow, plan::analysisFlag, flag);
}

} // namespace

WriteStatus saveAnalysis(const RecordFolder& folder, const AnalysisTables& tables, Grid& plans) {
    WriteStatus status = writeAnalysisFiles(folder, tables);
    if (!status.ok())
        return status;
    return recordFlag(folder, plans, tables.lblProjectIndex, analysedFlag);
}

WriteStatus withdrawAnalysis(const RecordFolder& folder, Grid& plans, int planRow) {
    return recordFlag(folder, plans, planRow, notAnalysedFlag);
}

} // namespace lendora::analysis
