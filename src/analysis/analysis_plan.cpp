#include "analysis/analysis_plan.h"

#include "analysis/analysis_files.h"
#include "audience/segment_file.h"
#include "storage/details_file.h"
#include "storage/shown_text.h"

namespace lendora::analysis {

using namespace Qt::StringLiterals;

QString windowCaption(const Plan& plan) {
    return u"Analysis for Project "_s + shownText(plan.projectName) + u"and Target Audience "_s +
           shownText(plan.audienceName);
}

QString baseCaption(const Plan& plan) {
    return u"Basic Details for "_s + shownText(plan.projectName);
}

QString entryFrameCaption(const Grid& base) {
    return u"New Analysis for "_s + shownText(base.text(brand::own, details::brand));
}

void openAnalysis(const RecordFolder& folder, const Plan& plan, int number, AnalysisTables& tables,
                  PollTables& polls) {
    // Nothing of an earlier opening survives: the views keep their Grids,
    // which take the fresh cells.
    tables = AnalysisTables();

    tables.base.setHeadings(baseHeadings());
    details::readInto(folder, plan.project, tables.base, true);
    tables.lblProjectIndex = number;

    const std::vector<QStringList> segmentRecords = segments::read(folder, plan.audience);
    for (Grid& poll : polls)
        poll::layOut(poll, segmentRecords);
    placeSegments(tables, segmentRecords);

    for (int product = 0; product < poll::productCount; ++product)
        poll::load(folder, plan, product, polls[size_t(product)]);

    if (plan.analysed)
        loadAnalysisFiles(folder, tables);
}

WriteStatus saveAnalysis(Workspace& workspace, PlanId plan, const AnalysisTables& tables) {
    return workspace.saveAnalysis(plan, savedStrategies(tables));
}

} // namespace lendora::analysis
