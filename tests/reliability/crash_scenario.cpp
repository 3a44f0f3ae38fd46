#include "crash_scenario.h"

#include "analysis/analysis_files.h"
#include "analysis/analysis_totals.h"
#include "audience/segment_file.h"
#include "poll/poll_tables.h"
#include "storage/details_file.h"
#include "storage/table_records.h"
#include "workspace/registry_codec.h"

namespace lendora::test {

namespace {
void fill(Grid& grid, int rows, int columns, const QString& stem) {
    grid.reset(rows, columns);
    for (int r = 1; r < rows - 1; ++r)
        for (int c = 0; c < columns; ++c)
            grid.setText(r, c,
                         c == 0 ? QString::number(r)
                                : QString(stem)
                                      .replace("%r", QString::number(r))
                                      .replace("%c", QString::number(c)));
}
} // namespace

void saveEveryFileKind(const RecordFolder& folder, int version) {
    // Version 1 has more records and longer texts than version 0.
    const int records = version == 0 ? 3 : 40;
    const QString stem = version == 0 ? QStringLiteral("v0 %r-%c")
                                      : QStringLiteral("version one, longer %r / %c text");
    Grid projects, audiences, plans;
    fill(projects, records + 2, 5, stem);
    fill(audiences, records + 2, 3, stem);
    fill(plans, records + 2, 7, stem);
    for (int r = 1; r <= records; ++r) {
        plans.setText(r, 1, QStringLiteral("1"));
        plans.setText(r, 3, QStringLiteral("1"));
    }
    (void)folder.writeBytes(registry::projectsFile, tableBytes(projects, 1, 4));
    (void)folder.writeBytes(registry::projectsFlag, registry::flagBytes());
    (void)folder.writeBytes(registry::audiencesFile, tableBytes(audiences, 1, 2));
    (void)folder.writeBytes(registry::audiencesFlag, registry::flagBytes());
    (void)folder.writeBytes(registry::plansFile, tableBytes(plans, 1, 6));
    (void)folder.writeBytes(registry::plansFlag, registry::flagBytes());

    Grid details;
    fill(details, 5, details::columnCount, stem);
    (void)folder.writeBytes(details::fileName(1), details::bytes(details));
    Grid segments;
    fill(segments, records + 2, 2, stem);
    (void)folder.writeBytes(segments::fileName(1), segments::bytes(segments));

    Plan plan;
    plan.project = plan.audience = 1;
    Grid table;
    poll::layOut(folder, plan, table);
    for (int r = 1; r < table.rowCount() - 1; ++r)
        for (int c = 1; c <= poll::featureCount; ++c)
            table.setText(r, c, QString::number(version * 100 + r + c));
    poll::computeTotals(table);
    for (int product = 0; product < poll::productCount; ++product)
        (void)folder.writeBytes(poll::fileName(plan, product), poll::bytes(table));

    analysis::AnalysisTables tables;
    tables.lblProjectIndex = 1;
    tables.lblAnalysisID = records + 1;
    fill(tables.strategies, records + 2, 8, QStringLiteral("%r%c"));
    fill(tables.features, records + 2, 9, QStringLiteral("%r%c"));
    fill(tables.flags, records + 2, 9, QStringLiteral("1"));
    fill(tables.segments, records + 2, 5, QStringLiteral("%r%c"));
    (void)folder.writeTogether(analysis::analysisFiles(tables));
}

QStringList everyFileKind() {
    return {QStringLiteral("Prj.lnd"),    QStringLiteral("flag.lnd"),
            QStringLiteral("ta.lnd"),     QStringLiteral("tfag.lnd"),
            QStringLiteral("pptb.lnd"),   QStringLiteral("ppflag.lnd"),
            QStringLiteral("1_pdtl.lnd"), QStringLiteral("1-segFile.lnd"),
            QStringLiteral("11_01.lnd"),  QStringLiteral("11_11.lnd"),
            QStringLiteral("11_21.lnd"),  QStringLiteral("1_0ff.lnd"),
            QStringLiteral("1_0anf.lnd"), QStringLiteral("1_0fgf.lnd"),
            QStringLiteral("1_0sgf.lnd")};
}

} // namespace lendora::test
