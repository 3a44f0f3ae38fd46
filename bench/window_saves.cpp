// The user-facing operations at sizes far beyond everyday use, through the
// real windows (headless):
//  - the Analysis window with 200 segments and 99 saved strategies: the
//    100th strategy's Add, with its totals and both charts redrawn (the
//    dense segment chart when it is shown, timed on its own);
//  - a poll Save (poll file plus plan registry rewrite) with 100,000 plans.
#include "analysis/plan_analysis.h"
#include "audience/segment_file.h"
#include "poll/poll_session.h"
#include "poll/poll_tables.h"
#include "shell/startup.h"
#include "shell/ui/main_window.h"
#include "shell/ui/projects_window.h"
#include "storage/details_file.h"
#include "workspace/plan_codecs.h"
#include "workspace/workspace.h"

#include "gui_bench_main.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <random>

using namespace lendora;

namespace {

constexpr int segmentCount = 200;
constexpr int savedStrategies = 99;

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    return nullptr;
}

MainWindow* startProgram() {
    startUp();
    topLevel("frmLendora")->findChild<QTimer*>(QStringLiteral("Timer1"))->start(0);
    while (!topLevel("frmSplash"))
        QCoreApplication::processEvents();
    topLevel("frmSplash")->findChild<QAbstractButton*>(QStringLiteral("cmdTry"))->click();
    QCoreApplication::processEvents();
    return qobject_cast<MainWindow*>(topLevel("frmMother"));
}

void closeProgram() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setRow(Grid& grid, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c)
        grid.setText(row, c, texts[c]);
}

// One project, one audience of 200 segments, one plan with complete poll
// data and 99 saved strategies, each changing every feature.
void writeAnalysedPlan(const RecordFolder& folder) {
    (void)folder.writeBytes(registry::projectsFile,
                            registry::projectsBytes({Project{"Home Loan", "Easy Loan", "Easy",
                                                             ProjectStatus::Active}}));
    (void)folder.writeBytes(
        registry::audiencesFile,
        registry::audiencesBytes({Audience{"Salaried", QString::number(segmentCount)}}));
    Plan plan;
    plan.project = plan.audience = 1;
    plan.projectName = "Home Loan";
    plan.audienceName = "Salaried";
    plan.poll = {{true, true, true}};
    plan.analysed = true;
    (void)folder.writeBytes(registry::plansFile, registry::plansBytes({plan}));
    for (const QString& flag :
         {registry::projectsFlag, registry::audiencesFlag, registry::plansFlag})
        (void)folder.writeFlag(flag);

    Grid details(4, details::columnCount);
    setRow(details, 1, {"Home Loan", "Easy", "30", "10", "20000", "900", "85", "36", "34.", "500"});
    setRow(details, 2,
           {"City Bank", "City", "40", "12", "25000", "700", "80", "48", "26.44", "800"});
    setRow(details, 3, {"Metro", "Metro", "30", "14", "30000", "600", "75", "60", "55", "1000"});
    (void)folder.writeBytes(details::fileName(1), details::bytes(details));
    Grid segments(2, 2);
    for (int s = 1; s <= segmentCount; ++s) {
        setRow(segments, s, {QString::number(s), QStringLiteral("Segment %1, salaried").arg(s)});
        segments.addRow();
    }
    (void)folder.writeBytes(segments::fileName(1), segments::bytes(segments));

    std::mt19937 random(2012);
    std::uniform_int_distribution<int> count(1, 400);
    PlanPoll poll;
    for (int product = 0; product < poll::productCount; ++product) {
        Grid table;
        poll::layOut(folder, plan, table);
        for (int r = 1; r <= segmentCount; ++r)
            for (int f = 1; f <= poll::featureCount; ++f)
                table.setText(r, f, QString::number(count(random)));
        for (int r = 1; r <= segmentCount; ++r) {
            double total = 0;
            for (int f = 1; f <= poll::featureCount; ++f)
                total += table.text(r, f).toDouble();
            table.setText(r, poll::totalColumn, QString::number(total));
        }
        poll::computeTotals(table);
        poll.products[size_t(product)] = poll::productCounts(table);
        (void)folder.writeBytes(plancodec::pollFileName(plan.project, plan.audience, product),
                                plancodec::pollBytes(poll.products[size_t(product)]));
    }

    analysis::PlanAnalysis analysis(plancodec::parseDetails(details::bytes(details)),
                                    plancodec::parseSegments(segments::bytes(segments)), poll, {},
                                    false);
    for (int k = 1; k <= savedStrategies; ++k) {
        const analysis::FeatureValues values = {
            10.0 - k * 0.01, 20000.0 + k, 900.0 + k, 85.0 - k * 0.1, 36.0 + k, 30.0 + k, 500.0 + k};
        analysis.entry().changed.fill(true);
        (void)analysis.analyse(values);
        analysis.add(values);
    }
    (void)folder.writeTogether(plancodec::analysisFileBytes(1, analysis.saved()));
}

void BM_AnalysisAddWithCharts(benchmark::State& state) {
    QTemporaryDir dir;
    writeAnalysedPlan(RecordFolder(dir.path()));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    double showSegments = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow* mother = startProgram();
        mother->projects().planClicked(1);
        mother->entry(QStringLiteral("mnuNewAnalysis"))->trigger();
        QWidget* window = mother->form(QStringLiteral("frmAnalysis"));
        const char* fields[] = {"txtInterest",        "txtMEI", "txtMLV",     "txtMLP",
                                "txtRepaymentPeriod", "txtEMI", "txtFreebies"};
        const char* values[] = {"8.75", "18000", "1950", "90", "200", "", "250"};
        for (int f = 0; f < 7; ++f) {
            auto* field = window->findChild<QLineEdit*>(QString::fromLatin1(fields[f]));
            if (*values[f])
                field->setText(QString::fromLatin1(values[f]));
            QTest::keyClick(field, Qt::Key_Return);
        }
        window->findChild<QAbstractButton*>(QStringLiteral("cmdAnalyse"))->click();
        QCoreApplication::processEvents();
        auto* add = window->findChild<QAbstractButton*>(QStringLiteral("cmdAdd"));
        if (!add->isEnabled())
            state.SkipWithError("the strategy was refused");
        state.ResumeTiming();

        QElapsedTimer clock;
        clock.start();
        add->click();
        QCoreApplication::processEvents(); // the tables and charts repaint
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);

        state.PauseTiming();
        // Then the user turns to the segment chart (20,100 bars), drawn when shown.
        clock.start();
        window->findChild<QTabWidget*>(QStringLiteral("SSTab2"))->setCurrentIndex(0);
        window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        QCoreApplication::processEvents();
        showSegments += double(clock.nsecsElapsed()) / 1e6;
        closeProgram();
        state.ResumeTiming();
    }
    state.counters["show_segment_chart_ms"] = showSegments / double(state.iterations());
    QDir::setCurrent(previous);
}
BENCHMARK(BM_AnalysisAddWithCharts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AnalysisAddWithCharts)
    ->Name("AddOnce")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A poll Save of a two-segment plan in a working copy of 100,000 plans.
void BM_PollSaveWith100000Plans(benchmark::State& state) {
    QTemporaryDir dir;
    const RecordFolder folder(dir.path());
    registry::Slots<Plan> plans;
    for (int i = 1; i <= 100000; ++i) {
        Plan plan;
        plan.project = i % 997 + 1;
        plan.projectName = QStringLiteral("Home Loan Project %1").arg(i % 997 + 1);
        plan.audience = i % 991 + 1;
        plan.audienceName = QStringLiteral("Salaried, 25 to 40, urban %1").arg(i % 991);
        plan.poll = {{false, true, true}};
        plans.emplace_back(plan);
    }
    (void)folder.writeBytes(registry::plansFile, registry::plansBytes(plans));
    (void)folder.writeFlag(registry::plansFlag);
    Workspace workspace(folder); // as the program holds it after start-up
    workspace.load();
    Grid segments(4, 2);
    setRow(segments, 1, {"1", "Young"});
    setRow(segments, 2, {"2", "Married"});
    const Plan& plan = *workspace.plan(5000);
    (void)folder.writeBytes(segments::fileName(plan.audience), segments::bytes(segments));
    // Both segments entered as the window enters them: the own product is complete.
    poll::PollSession session(workspace, plan.id);
    for (int r = 1; r <= 2; ++r) {
        for (int f = 1; f <= poll::featureCount; ++f) {
            session.setFieldText(poll::product::own, f, QString::number(r + f));
            (void)session.confirmField(poll::product::own, f);
        }
        session.next(poll::product::own);
    }
    for (auto _ : state) {
        if (!session.save(poll::product::own).ok())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_PollSaveWith100000Plans)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char** argv) {
    return runGuiBenchmarks(argc, argv);
}
