#include "analysis/analysis_files.h"
#include "analysis/analysis_tables.h"
#include "audience/segment_file.h"
#include "shell/main_window.h"
#include "storage/details_file.h"
#include "widgets/grid_view.h"
#include "workspace/registry_codec.h"

#include "support/chart_bars.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QTabWidget>
#include <QtCharts/QChartView>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

constexpr int segmentCount = 100;
constexpr int strategyCount = 20; // 20 x 101 bars: a dense segment chart

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
}

// A plan whose audience has 100 segments and 20 saved strategies.
void writeDensePlan(const RecordFolder& folder) {
    const auto write = [&folder](const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(folder.writeBytes(name, bytes).ok()) << qPrintable(name);
    };
    write(registry::projectsFile, registry::projectsBytes({Project{"Home Loan", "Easy Loan", "Easy",
                                                                   ProjectStatus::Active}}));
    write(registry::audiencesFile,
          registry::audiencesBytes({Audience{"Everyone", QString::number(segmentCount)}}));
    Plan plan;
    plan.project = plan.audience = 1;
    plan.projectName = "Home Loan";
    plan.audienceName = "Everyone";
    plan.poll = {{true, true, true}};
    plan.analysed = true;
    write(registry::plansFile, registry::plansBytes({plan}));
    for (const QString& flag :
         {registry::projectsFlag, registry::audiencesFlag, registry::plansFlag})
        write(flag, registry::flagBytes());
    Grid details(4, details::columnCount);
    for (int r = 1; r <= 3; ++r)
        setRow(
            details, r,
            {"Brand", "B", "30", QString::number(9 + r), "20000", "900", "85", "36", "34.", "500"});
    write(details::fileName(1), details::bytes(details));
    Grid segments(2, 2);
    for (int s = 1; s <= segmentCount; ++s) {
        setRow(segments, s, {QString::number(s), QStringLiteral("Segment %1").arg(s)});
        segments.addRow();
    }
    write(segments::fileName(1), segments::bytes(segments));

    analysis::AnalysisTables tables;
    tables.lblProjectIndex = 1;
    tables.lblAnalysisID = strategyCount + 1;
    tables.strategies.setRowCount(strategyCount + 2);
    tables.features.setRowCount(strategyCount + 2);
    tables.flags.setRowCount(strategyCount + 2);
    tables.segments.reset(strategyCount + 2, segmentCount + 2);
    for (int k = 1; k <= strategyCount; ++k)
        for (int c = 0; c <= analysis::featureCount; ++c) {
            tables.strategies.setText(k, c, QString::number(c == 0 ? k : 10 + k));
            tables.features.setText(k, c, QString::number(c == 0 ? k : k + c));
            tables.flags.setText(k, c, c == 0 ? QString::number(k) : QStringLiteral("1"));
        }
    for (int k = 1; k <= strategyCount; ++k)
        for (int j = 1; j <= segmentCount + 1; ++j)
            tables.segments.setText(k, j, QString::number(k + j));
    for (const auto& [name, bytes] : analysis::analysisFiles(tables))
        write(name, bytes);
}

// A chart of thousands of bars is drawn when its tab is shown, not while it
// is hidden; the small feature chart is drawn at once.
TEST(DenseChart, IsDrawnWhenShown) {
    TempWorkspace ws;
    writeDensePlan(RecordFolder(ws.path()));
    MainWindow* mother = startProgram();
    ASSERT_NE(mother, nullptr);
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
    pressShortcut(mother, Qt::Key_F7);
    settle();
    QWidget* window = mother->form("frmAnalysis");
    ASSERT_NE(window, nullptr);
    auto* segmentsView = find<QChartView>("MSCH_Segments", window);
    auto* featuresView = find<QChartView>("MSCH_Features", window);
    ASSERT_FALSE(segmentsView->isVisible());
    EXPECT_TRUE(bars(segmentsView->chart()).sets.isEmpty()) << "drawn while hidden";
    EXPECT_EQ(bars(featuresView->chart()).categories.size(), strategyCount);

    find<QTabWidget>("SSTab2", window)->setCurrentIndex(0);
    find<QTabWidget>("SSTab1", window)->setCurrentIndex(1);
    settle();
    ASSERT_TRUE(segmentsView->isVisible());
    const Bars shown = bars(segmentsView->chart());
    EXPECT_EQ(shown.sets.size(), segmentCount + 1);
    EXPECT_EQ(shown.categories.size(), strategyCount);
    EXPECT_EQ(shown.sets.last(), "Totals");
    EXPECT_EQ(shown.values[0][0], 2); // strategy 1, segment 1
    closeProgram();
}

} // namespace
