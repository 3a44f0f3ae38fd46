#include "analysis/analysis_guru.h"
#include "analysis/analysis_window.h"
#include "analysis_window_fixture.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"
#include "workspace/registry_codec.h"

#include "support/chart_bars.h"
#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const QStringList ownValues = {"12", "25000", "1800", "80", "36", "68", "500"};

// The first `count` records of a file's bytes.
QByteArray firstRecords(const QByteArray& bytes, int count) {
    qsizetype end = 0;
    for (int i = 0; i < count; ++i)
        end = bytes.indexOf("\r\n", end) + 2;
    return bytes.left(end);
}

class AnalysisWindowTest : public AnalysisWindowFixture {
public:
    analysis::AnalysisTables& state() { return window->tables(); }

    QChart* chart(const char* name) { return find<QChartView>(name, window)->chart(); }
    QString strategyNumber() { return find<QLabel>("lblAnalysisID", window)->text(); }
    QStringList fieldTexts() {
        QStringList texts;
        for (int f = 1; f <= 7; ++f)
            texts << field(f)->text();
        return texts;
    }
    // "1" or "0" for the seven change flags, then `lblNewEMIFlag`.
    QString flags() {
        QString text;
        for (int f = 1; f <= 7; ++f)
            text += state().changeFlag(f) ? u'1' : u'0';
        return text + (state().lblNewEMIFlag ? u'1' : u'0');
    }
    // Which of Analyse, Add, Save, Delete, Cancel are enabled.
    QString buttons() {
        QString text;
        for (const char* name : {"cmdAnalyse", "cmdAdd", "cmdSave", "cmdDelete", "cmdCancel"})
            text += button(name)->isEnabled() ? u'1' : u'0';
        return text;
    }
    // A row of a shown table by Grid row (the headings are row 0).
    QStringList row(const char* name, int gridRow) {
        QAbstractItemModel* model = table(name)->model();
        QStringList texts;
        for (int c = 0; c < model->columnCount(); ++c)
            texts << (gridRow == 0 ? model->headerData(c, Qt::Horizontal).toString()
                                   : model->index(gridRow - 1, c).data().toString());
        return texts;
    }
    int rows(const char* name) { return table(name)->model()->rowCount() + 1; }
    int columns(const char* name) { return table(name)->model()->columnCount(); }
    bool focused(QWidget* widget) { return mother->focusWidget() == widget; }

    void analyseAndAdd(const std::array<const char*, 7>& texts) {
        confirmFields(texts);
        click(button("cmdAnalyse"));
        ASSERT_TRUE(button("cmdAdd")->isEnabled()) << "the strategy was not analysed";
        click(button("cmdAdd"));
    }
    QString planFlag(int planRow) {
        return rowTexts(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow).value(6);
    }
    void restart() {
        closeProgram();
        window = nullptr;
        start();
    }
};

// The bar chart of a view: its bar sets' labels and values, and the
// categories (the strategies) of its horizontal axis.
const QStringList segmentHeadings = {"ID", "Salaried, 25 to 40", "Self employed", "Retired",
                                     "Totals"};
const QStringList featureHeadings = {"ID",
                                     "Interest",
                                     "Min. Eligible Income",
                                     "Max. Loan Value",
                                     "Max. Loan Percentage",
                                     "Repayment Period",
                                     "EMI",
                                     "Freebies",
                                     "Totals"};
const QStringList chartFeatureLabels = {
    "Interest",         "Mn.Elig.Inc", "Mx. Loan Value", "Mx. Loan Percentage",
    "Repayment Period", "EMI",         "Freebies",       "Totals"};

// What the window shows for the two strategies of the fixture: strategy 1
// sets the interest to 11 (EMI 66.5), strategy 2 the loan percentage to 85
// and the freebies to 1000.
void expectTwoStrategies(AnalysisWindowTest& t);

TEST_F(AnalysisWindowTest, OpensAPlanWithThreeSegmentsAndTwoSavedStrategies) {
    writeSavedPlan();
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(),
              "Analysis for Project Home Loan Projectand Target Audience Salaried, 25 to 40");
    auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    EXPECT_EQ(child->pos(), QPoint(0, mother->projectsSize().height()));
    // Below the All Projects window, as wide as the main window, no scrolling.
    const QRect area = mother->mdiArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(child->geometry())) << "the window reaches out of the main window";
    EXPECT_GE(child->width(), area.width() - 2);
    EXPECT_EQ(state().lblProjectIndex, 1);

    auto* sstab1 = find<QTabWidget>("SSTab1", window);
    auto* sstab2 = find<QTabWidget>("SSTab2", window);
    ASSERT_EQ(sstab1->count(), 2);
    EXPECT_EQ(sstab1->tabText(0), "Basic Analysis");
    EXPECT_EQ(sstab1->tabText(1), "Final Analsis");
    ASSERT_EQ(sstab2->count(), 2);
    EXPECT_EQ(sstab2->tabText(0), "Segment wise Analysis");
    EXPECT_EQ(sstab2->tabText(1), "Feature wise Analysis");
    EXPECT_EQ(sstab1->currentIndex(), 0);
    // The controls stand on the tabs they belong to.
    EXPECT_TRUE(sstab1->widget(0)->isAncestorOf(find("Frame2", window)));
    EXPECT_TRUE(sstab1->widget(0)->isAncestorOf(table("MSFG_Seg_Analysis")));
    for (const char* name : {"cmdSave", "cmdDelete", "cmdCancel", "SSTab2"})
        EXPECT_TRUE(sstab1->widget(1)->isAncestorOf(find(name, window))) << name;
    EXPECT_TRUE(sstab2->widget(0)->isAncestorOf(table("MSFG_Segments")));
    EXPECT_TRUE(sstab2->widget(0)->isAncestorOf(find("MSCH_Segments", window)));
    EXPECT_TRUE(sstab2->widget(1)->isAncestorOf(table("MSFG_Features")));
    EXPECT_TRUE(sstab2->widget(1)->isAncestorOf(find("MSCH_Features", window)));

    // The base values of the three brands and the entry fields with the own values.
    EXPECT_EQ(find<QGroupBox>("Frame2", window)->title(), "New Analysis for Easy Home");
    EXPECT_EQ(fieldTexts(), ownValues);
    EXPECT_EQ(row("MSFlexGrid1", 0),
              QStringList({"Names", "Brand", "Market Share", "Interest", "Min.Eligible Income",
                           "Max. Loan Value", "Max. Loan Percentage", "Repayment Period", "EMI",
                           "Freebies"}));
    EXPECT_EQ(row("MSFlexGrid1", 3), QStringList({"Metro Finance", "Metro Nest", "25", "13",
                                                  "20000", "2400", "85", "24", "126", "1000"}));

    // The detailed estimates: headings, three segments, the totals row.
    EXPECT_EQ(rows("MSFG_Seg_Analysis"), 5);
    EXPECT_EQ(
        row("MSFG_Seg_Analysis", 0).mid(0, 9),
        QStringList({"Strategy ID", "Interest", "Min. Eligible Income", "Max. Loan Value",
                     "Max. Loan Percentage", "Repayment Period", "EMI", "Freebies", "Totals"}));
    EXPECT_EQ(row("MSFG_Seg_Analysis", 1).first(), "Salaried, 25 to 40");
    EXPECT_EQ(row("MSFG_Seg_Analysis", 3).first(), "Retired");
    EXPECT_EQ(find<QGroupBox>("Fra_Estimates", window)->title(), "Detailed Estimates for 3");

    // The poll tables of the three brands, loaded with their totals.
    const analysis::PollTables& polls = window->polls();
    EXPECT_EQ(polls[0].rowTexts(3),
              QStringList({"Retired", "10", "5", "4", "6", "2", "3", "1", "31"}));
    EXPECT_EQ(polls[1].rowTexts(4),
              QStringList({"Totals", "53", "28", "17", "19", "15", "18", "9", "159"}));
    EXPECT_EQ(polls[2].text(2, 8), "57");

    expectTwoStrategies(*this);
    // Loading copies the heading of the segment labels; Add writes "ID".
    EXPECT_EQ(row("MSFG_Segments", 0).first(), "Strategy ID");
    EXPECT_EQ(state().flags.text(1, 8), "") << "the EMI flag is not stored";
    EXPECT_EQ(strategyNumber(), "3");
    EXPECT_EQ(buttons(), "00000");
    EXPECT_EQ(flags(), "00000000");
    EXPECT_EQ(mother->guru().text(), guru::aboutAnalysis());
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));
}

void expectTwoStrategies(AnalysisWindowTest& t) {
    SCOPED_TRACE("two strategies");
    EXPECT_EQ(t.state().lblAnalysisID, 3);
    EXPECT_EQ(t.rows("MSFG_Analyses"), 4);
    EXPECT_EQ(t.row("MSFG_Analyses", 1),
              QStringList({"1", "11", "25000", "1800", "80", "36", "66.5", "500"}));
    EXPECT_EQ(t.row("MSFG_Analyses", 2),
              QStringList({"2", "12", "25000", "1800", "85", "36", "68", "1000"}));
    EXPECT_EQ(t.row("MSFG_Analyses", 3), QStringList(8, QString()));
    EXPECT_EQ(t.state().flags.rowTexts(1).mid(0, 8),
              QStringList({"1", "1", "0", "0", "0", "0", "1", "0"}));
    EXPECT_EQ(t.state().flags.rowTexts(2).mid(0, 8),
              QStringList({"2", "0", "0", "0", "1", "0", "0", "1"}));

    EXPECT_EQ(t.columns("MSFG_Segments"), 5);
    EXPECT_EQ(t.row("MSFG_Segments", 0).mid(1), segmentHeadings.mid(1));
    EXPECT_EQ(t.row("MSFG_Segments", 1), QStringList({"1", "70", "63", "29", "162"}));
    EXPECT_EQ(t.row("MSFG_Segments", 2), QStringList({"2", "83", "61", "33", "177"}));
    EXPECT_EQ(t.row("MSFG_Segments", 3), QStringList({"Totals", "153", "124", "62", "339"}));
    EXPECT_EQ(t.rows("MSFG_Segments"), 4);
    EXPECT_EQ(t.row("MSFG_Features", 0), featureHeadings);
    EXPECT_EQ(t.row("MSFG_Features", 1),
              QStringList({"1", "53", "27", "18", "24", "12", "19", "9", "162"}));
    EXPECT_EQ(t.row("MSFG_Features", 2),
              QStringList({"2", "60", "27", "18", "29", "12", "19", "12", "177"}));
    EXPECT_EQ(t.row("MSFG_Features", 3),
              QStringList({"Totals", "113", "54", "36", "53", "24", "38", "21", "339"}));

    const Bars segments = bars(t.chart("MSCH_Segments"));
    EXPECT_EQ(segments.categories, QStringList({"Strategy 1", "Strategy 2"}));
    EXPECT_EQ(segments.sets, segmentHeadings.mid(1));
    ASSERT_EQ(segments.values.size(), 4u);
    EXPECT_EQ(segments.values[1], QList<qreal>({63, 61}));
    EXPECT_EQ(segments.values[3], QList<qreal>({162, 177}));
    const Bars features = bars(t.chart("MSCH_Features"));
    EXPECT_EQ(features.categories, QStringList({"Strategy 1", "Strategy 2"}));
    EXPECT_EQ(features.sets, chartFeatureLabels);
    ASSERT_EQ(features.values.size(), 8u);
    EXPECT_EQ(features.values[0], QList<qreal>({53, 60}));
    EXPECT_EQ(features.values[6], QList<qreal>({9, 12}));
    EXPECT_EQ(features.values[7], QList<qreal>({162, 177}));
}

TEST_F(AnalysisWindowTest, OpeningAgainStartsFromTheFilesForTheSameOrAnotherPlan) {
    writeSavedPlan();
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    // A third strategy added but not saved.
    analyseAndAdd({nullptr, "27000", nullptr, nullptr, nullptr, nullptr, nullptr});
    EXPECT_EQ(strategyNumber(), "4");
    EXPECT_EQ(bars(chart("MSCH_Features")).categories.size(), 3);

    // Plan 2: two segments, no analysis yet.
    ASSERT_NE(open(2), nullptr);
    EXPECT_EQ(window->windowTitle(),
              "Analysis for Project Home Loan Projectand Target Audience Self employed");
    EXPECT_EQ(state().lblProjectIndex, 2);
    EXPECT_EQ(rows("MSFG_Seg_Analysis"), 4);
    EXPECT_EQ(row("MSFG_Seg_Analysis", 2).first(), "Lawyers");
    EXPECT_EQ(window->polls()[0].rowCount(), 4);
    EXPECT_EQ(window->polls()[0].text(3, 0), "Totals");
    EXPECT_EQ(window->polls()[0].text(3, 8), "138");
    for (const char* name : {"MSFG_Analyses", "MSFG_Features", "MSFG_Segments"})
        EXPECT_EQ(rows(name), 2) << name;
    EXPECT_EQ(row("MSFG_Analyses", 1), QStringList(8, QString()));
    EXPECT_EQ(columns("MSFG_Segments"), 2);
    EXPECT_EQ(strategyNumber(), "1");
    EXPECT_EQ(find<QGroupBox>("Fra_Estimates", window)->title(), "Detailed Estimates for 1");
    EXPECT_TRUE(chart("MSCH_Segments")->series().isEmpty());
    EXPECT_TRUE(chart("MSCH_Features")->series().isEmpty());
    EXPECT_EQ(buttons(), "00000");

    // Plan 1 again: the unsaved strategy is gone.
    ASSERT_NE(open(1), nullptr);
    expectTwoStrategies(*this);
    EXPECT_EQ(strategyNumber(), "3");
    EXPECT_EQ(fieldTexts(), ownValues);
    EXPECT_EQ(buttons(), "00000");

    // A window the user closed is created afresh.
    qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mother->form("frmAnalysis"), nullptr);
    ASSERT_NE(open(1), nullptr);
    expectTwoStrategies(*this);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));
}

TEST_F(AnalysisWindowTest, WithTheGuruSwitchedOffTheGuruTextStays) {
    writeSavedPlan();
    start();
    mother->entry("mnuGuru")->trigger();
    ASSERT_FALSE(mother->guruOn());
    const QString before = mother->guru().text();
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(mother->guru().text(), before);
    EXPECT_NE(mother->guru().text(), guru::aboutAnalysis());
}

TEST_F(AnalysisWindowTest, ConfirmingEveryFieldUnchangedGivesSevenZeroFlagsAndEnablesAnalyse) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    EXPECT_TRUE(focused(field(1)));
    for (int f = 1; f <= 7; ++f) {
        EXPECT_FALSE(button("cmdAnalyse")->isEnabled()) << "before field " << f;
        pressEnter(field(f));
        if (f < 7) {
            EXPECT_TRUE(focused(field(f + 1))) << "after field " << f;
        }
    }
    EXPECT_EQ(flags(), "00000000");
    EXPECT_EQ(fieldTexts(), ownValues);
    EXPECT_EQ(buttons(), "10000");

    // Nothing changed and no strategy exists yet: refused, Analyse stays.
    click(button("cmdAnalyse"));
    EXPECT_EQ(boxes.take(), QStringList({"Change at least one value for a new analysis. \r\n"
                                         "This is not a new Analysis."}));
    EXPECT_EQ(boxes.buttons().last(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(boxes.titles().last(), QCoreApplication::applicationName());
    EXPECT_EQ(buttons(), "10000");
    EXPECT_EQ(row("MSFG_Seg_Analysis", 4),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0", ""}));
}

TEST_F(AnalysisWindowTest, TheEmiFollowsInterestLoanValueAndPeriod) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    struct Case {
        const char* what;
        std::array<const char*, 5> typed; // interest ... repayment period; null: unchanged
        const char* emi;                  // the EMI field after Repayment Period
        const char* flags;                // after Repayment Period
        const char* flagsAfterEmi;        // after the EMI field is confirmed
    };
    const Case cases[] = {
        {"loan value 900",
         {nullptr, nullptr, "900", nullptr, nullptr},
         "34.",
         "00100101",
         "00100101"},
        {"loan value 700",
         {nullptr, nullptr, "700", nullptr, nullptr},
         "26.44",
         "00100101",
         "00100101"},
        {"income only",
         {nullptr, "27000", nullptr, nullptr, nullptr},
         "68",
         "01000000",
         "01000000"},
        {"interest 11 and period 48",
         {"11", nullptr, nullptr, nullptr, "48"},
         "54.",
         "10001101",
         "10001101"},
        // A period of 0 gives no EMI: the field keeps what it showed.
        {"period 0", {nullptr, nullptr, "900", nullptr, "0"}, "68", "00101001", "00101001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(open(1), nullptr);
        for (int f = 1; f <= 5; ++f) {
            if (c.typed[size_t(f - 1)])
                typeAndEnter(field(f), QString::fromLatin1(c.typed[size_t(f - 1)]));
            else
                pressEnter(field(f));
        }
        EXPECT_EQ(field(6)->text(), c.emi);
        EXPECT_EQ(flags(), c.flags);
        EXPECT_TRUE(focused(field(6)));
        pressEnter(field(6));
        EXPECT_EQ(flags(), c.flagsAfterEmi);
        EXPECT_TRUE(focused(field(7)));
        EXPECT_FALSE(button("cmdAnalyse")->isEnabled());
    }
}

TEST_F(AnalysisWindowTest, TwoStrategiesAnalysedAddedAndSavedReopenAfterARestart) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);

    // Strategy 1: interest 11, competitor 1's value, so the interest
    // estimates are competitor 1's counts; the EMI follows to 66.5.
    confirmFields({"11", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EXPECT_EQ(field(6)->text(), "66.5");
    EXPECT_EQ(flags(), "10000101");
    click(button("cmdAnalyse"));
    EXPECT_EQ(buttons(), "11000");
    EXPECT_EQ(row("MSFG_Seg_Analysis", 1), QStringList({"Salaried, 25 to 40", "20", "12", "8", "10",
                                                        "6", "9", "5", "70", "-10"}));
    EXPECT_EQ(row("MSFG_Seg_Analysis", 2),
              QStringList({"Self employed", "25", "10", "6", "8", "4", "7", "3", "63", "5"}));
    EXPECT_EQ(row("MSFG_Seg_Analysis", 4),
              QStringList({"Totals", "53", "27", "18", "24", "12", "19", "9", "162", ""}));
    click(button("cmdAdd"));
    EXPECT_EQ(buttons(), "00100");
    EXPECT_EQ(strategyNumber(), "2");
    EXPECT_EQ(find<QGroupBox>("Fra_Estimates", window)->title(), "Detailed Estimates for 2");
    EXPECT_EQ(fieldTexts(), ownValues);
    EXPECT_EQ(flags(), "00000000");
    // The totals stay under the strategy.
    EXPECT_EQ(row("MSFG_Features", 2),
              QStringList({"Totals", "53", "27", "18", "24", "12", "19", "9", "162"}));
    EXPECT_EQ(row("MSFG_Segments", 0), segmentHeadings);
    EXPECT_EQ(row("MSFG_Segments", 2), QStringList({"Totals", "70", "63", "29", "162"}));
    EXPECT_EQ(bars(chart("MSCH_Segments")).categories, QStringList({"Strategy 1"}));
    EXPECT_EQ(bars(chart("MSCH_Features")).categories, QStringList({"Strategy 1"}));

    // Strategy 2: loan percentage and freebies set to competitor 2's values.
    analyseAndAdd({nullptr, nullptr, nullptr, "85", nullptr, nullptr, "1000"});
    EXPECT_EQ(strategyNumber(), "3");
    expectTwoStrategies(*this);
    EXPECT_EQ(state().flags.rowTexts(1),
              QStringList({"1", "1", "0", "0", "0", "0", "1", "0", "1"}));
    EXPECT_EQ(state().flags.rowTexts(2),
              QStringList({"2", "0", "0", "0", "1", "0", "0", "1", "0"}));

    const QByteArray otherPlan = "2,\"1\",\"Home Loan Project\",\"2\",\"Self employed\",\"111\","
                                 "\"No\"\r\n";
    showFinalAnalysis();
    click(button("cmdSave"));
    for (const QString& name : analysisFiles)
        EXPECT_FILE_BYTES(ws, name, dataFile(QStringLiteral("two_strategies/") + name));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansRegistry("Yes"));
    EXPECT_EQ(planFlag(1), "Yes");
    EXPECT_EQ(ws.read("ppflag.lnd"), "1\r\n");
    EXPECT_EQ(buttons(), "00100") << "Save changes no button";
    EXPECT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));

    restart();
    EXPECT_EQ(planFlag(1), "Yes");
    ASSERT_NE(open(1), nullptr);
    expectTwoStrategies(*this);
    EXPECT_EQ(strategyNumber(), "3");
}

TEST_F(AnalysisWindowTest, AStoredStrategyIsRefusedAndADifferentValueIsComputed) {
    writeSavedPlan();
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    // Interest 11 with its EMI of 66.5 is strategy 1 again.
    confirmFields({"11", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    click(button("cmdAnalyse"));
    EXPECT_EQ(boxes.take(), QStringList({"This feature strategy already exists"}));
    EXPECT_EQ(buttons(), "10000");
    EXPECT_EQ(row("MSFG_Seg_Analysis", 4),
              QStringList({"Totals", "0", "0", "0", "0", "0", "0", "0", "0", ""}));

    // Interest 10: the same features changed, other values.
    confirmFields({"10", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    EXPECT_EQ(field(6)->text(), "65.");
    click(button("cmdAnalyse"));
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(buttons(), "11000");
    EXPECT_NE(row("MSFG_Seg_Analysis", 4).at(8), "0");

    // A field edited after Analyse no longer matches the estimates: Add
    // waits for a new Analyse.
    typeText(field(3), "950");
    EXPECT_EQ(buttons(), "10000");
    click(button("cmdAdd"));
    EXPECT_EQ(strategyNumber(), "3");
}

TEST_F(AnalysisWindowTest, DeletingStrategyTwoOfThreeThenSavingWritesTwo) {
    writeSavedPlan();
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    analyseAndAdd({nullptr, "27000", nullptr, nullptr, nullptr, nullptr, nullptr});
    ASSERT_EQ(strategyNumber(), "4");
    showFinalAnalysis();
    auto* sstab2 = find<QTabWidget>("SSTab2", window);

    // A click in either summary table selects a strategy.
    sstab2->setCurrentIndex(0);
    clickRow(table("MSFG_Segments"), 3);
    EXPECT_EQ(state().lblRowSel, 3);
    EXPECT_EQ(buttons(), "00111");
    click(button("cmdCancel"));
    EXPECT_EQ(buttons(), "00000");
    // The totals row is no strategy: it cannot be deleted.
    clickRow(table("MSFG_Segments"), 4);
    EXPECT_EQ(state().lblRowSel, 4);
    EXPECT_EQ(buttons(), "00001");
    sstab2->setCurrentIndex(1);
    clickRow(table("MSFG_Features"), 2);
    EXPECT_EQ(state().lblRowSel, 2);
    EXPECT_EQ(buttons(), "00011");

    // No keeps everything.
    boxes.answerNext(QMessageBox::No);
    click(button("cmdDelete"));
    EXPECT_EQ(
        boxes.take(),
        QStringList({"Deleting cannot be undone.Do still you want to delete this strategy?"}));
    EXPECT_EQ(boxes.buttons().last(),
              QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    EXPECT_EQ(rows("MSFG_Analyses"), 5);
    EXPECT_EQ(strategyNumber(), "4");

    boxes.answerNext(QMessageBox::Yes);
    click(button("cmdDelete"));
    EXPECT_EQ(boxes.take(),
              QStringList({"Deleting cannot be undone.Do still you want to delete this strategy?",
                           "This deletion has not yet been saved.To save the deletion, click the "
                           "'Save' button"}));
    EXPECT_EQ(strategyNumber(), "3");
    EXPECT_EQ(row("MSFG_Analyses", 2),
              QStringList({"2", "12", "27000", "1800", "80", "36", "68", "500"}));
    EXPECT_EQ(row("MSFG_Features", 2),
              QStringList({"2", "60", "27", "18", "24", "12", "19", "9", "169"}));
    EXPECT_EQ(row("MSFG_Features", 3),
              QStringList({"Totals", "113", "54", "36", "48", "24", "38", "18", "331"}));
    EXPECT_EQ(row("MSFG_Segments", 2), QStringList({"2", "79", "59", "31", "169"}));
    EXPECT_EQ(bars(chart("MSCH_Segments")).categories, QStringList({"Strategy 1", "Strategy 2"}));
    EXPECT_EQ(bars(chart("MSCH_Features")).values[7], QList<qreal>({162, 169}));
    EXPECT_EQ(buttons(), "00101");
    // Deletions reach the files only with Save.
    for (const QString& name : analysisFiles)
        EXPECT_FILE_BYTES(ws, name, dataFile(QStringLiteral("two_strategies/") + name));

    click(button("cmdSave"));
    for (const QString& name : analysisFiles)
        EXPECT_FILE_BYTES(ws, name, dataFile(QStringLiteral("after_delete/") + name));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansRegistry("Yes"));
    EXPECT_EQ(boxes.texts().size(), 3);
}

TEST_F(AnalysisWindowTest, DeletingTheOnlyStrategyLeavesThePlanWithoutAnalysis) {
    ws.write("pptb.lnd", plansRegistry("Yes"));
    const int records[] = {1, 1, 1, 4}; // strategy 1 of each file
    for (int i = 0; i < 4; ++i)
        ws.write(analysisFiles[i],
                 firstRecords(dataFile(QStringLiteral("two_strategies/") + analysisFiles[i]),
                              records[i]));
    const QByteArray ff = ws.read("1_0ff.lnd");
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    ASSERT_EQ(strategyNumber(), "2");
    EXPECT_EQ(bars(chart("MSCH_Segments")).categories, QStringList({"Strategy 1"}));
    showFinalAnalysis();
    clickRow(table("MSFG_Segments"), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(button("cmdDelete"));
    EXPECT_EQ(boxes.take(),
              QStringList({"Deleting cannot be undone.Do still you want to delete this strategy?",
                           "No Analysis available"}));
    EXPECT_EQ(strategyNumber(), "1");
    EXPECT_EQ(buttons(), "00001");
    EXPECT_EQ(planFlag(1), "No");
    EXPECT_TRUE(chart("MSCH_Segments")->series().isEmpty());
    EXPECT_TRUE(chart("MSCH_Features")->series().isEmpty());
    // The "No" is in the registry at once; the analysis files stay as they were.
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansRegistry("No"));
    EXPECT_FILE_BYTES(ws, "1_0ff.lnd", ff);

    restart();
    EXPECT_EQ(planFlag(1), "No");
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(strategyNumber(), "1");
    EXPECT_EQ(rows("MSFG_Analyses"), 2);
}

TEST_F(AnalysisWindowTest, ASaveIntoAReadOnlyFolderIsReportedAndThePlanStaysUnanalysed) {
    ws.write("pptb.lnd", plansRegistry("No"));
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    analyseAndAdd({"11", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    showFinalAnalysis();
    click(button("cmdSave"));
    ws.setReadOnly(false);
    const QStringList messages = boxes.take();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Could not save \"1_0ff.lnd\": "))
        << qPrintable(messages[0]);
    EXPECT_EQ(planFlag(1), "No");
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansRegistry("No"));
    for (const QString& name : analysisFiles)
        EXPECT_FALSE(ws.exists(name)) << qPrintable(name);
    EXPECT_TRUE(button("cmdSave")->isEnabled());

    // Once the folder is writable again the same Save goes through.
    click(button("cmdSave"));
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(planFlag(1), "Yes");
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansRegistry("Yes"));
    EXPECT_FILE_BYTES(ws, "1_0ff.lnd", firstRecords(dataFile("two_strategies/1_0ff.lnd"), 1));
}

// The Final Analysis tab with both charts, grabbed as the user sees it.
// The pictures go to $LENDORA_SCREENSHOTS when it is set (run under a real
// display server such as Xvfb for the fonts and antialiasing of a desktop).
TEST_F(AnalysisWindowTest, ScreenshotOfTheFinalAnalysisTab) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    const QString out = screenshotFolder(ws.path());
    auto* sstab2 = find<QTabWidget>("SSTab2", window);
    const auto grab = [&](const QString& name) {
        settle(100);
        const QImage image = window->parentWidget()->grab().toImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QDir(out).filePath(name + ".png"))) << qPrintable(name);
        return image;
    };
    grab("analysis-basic");
    settle(50);
    EXPECT_TRUE(mother->grab().save(QDir(out).filePath("analysis-main-window.png")));
    showFinalAnalysis();
    grab("analysis-final-segments");
    sstab2->setCurrentIndex(1);
    grab("analysis-final-features");
    for (const char* name : {"MSCH_Segments", "MSCH_Features"}) {
        auto* view = find<QChartView>(name, window);
        sstab2->setCurrentIndex(QString(name) == "MSCH_Segments" ? 0 : 1);
        settle(50);
        // The totals bars are drawn in their grey: the chart was rendered.
        const QImage picture = view->grab().toImage();
        EXPECT_GE(view->width(), 500) << name;
        EXPECT_GE(view->height(), 250) << name;
        bool totalsDrawn = false;
        for (int y = 0; y < picture.height() && !totalsDrawn; ++y)
            for (int x = 0; x < picture.width() && !totalsDrawn; ++x)
                totalsDrawn = picture.pixelColor(x, y) == QColor(0x55, 0x5b, 0x66);
        EXPECT_TRUE(totalsDrawn) << name;
    }
}

} // namespace

// A plan save that gives the open window's plan a new number takes the
// window along: its Save writes the files of the plan's new number, which
// the plan save has just carried the stored strategies to.
TEST_F(AnalysisWindowTest, APlanSaveThatRenumbersThePlanTakesTheOpenWindowAlong) {
    ws.write("pptb.lnd",
             "1,\"1\",\"Home Loan Project\",\"2\",\"Self employed\",\"000\",\"No\"\r\n"
             "2,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"111\",\"Yes\"\r\n");
    for (const QString& name : analysisFiles)
        ws.write(u'2' + name.mid(1), dataFile(QStringLiteral("two_strategies/") + name));
    start();
    MessageBoxes boxes;
    pressShortcut(mother, Qt::Key_F6);
    settle();
    QWidget* plans = find("frmProjectPlan", mother);
    ASSERT_NE(open(2), nullptr);
    const QStringList second = row("MSFG_Analyses", 2).mid(1);

    clickRow(find<ui::GridView>("MSFG_ProjectPlans", plans), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(find<QPushButton>("cmdDelete", plans));
    click(find<QPushButton>("cmdSave", plans));
    EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
    EXPECT_EQ(state().lblProjectIndex, 1);
    for (const QString& name : analysisFiles) {
        EXPECT_FILE_BYTES(ws, name, dataFile(QStringLiteral("two_strategies/") + name));
        EXPECT_FALSE(ws.exists(u'2' + name.mid(1)));
    }

    showFinalAnalysis();
    clickRow(table("MSFG_Segments"), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(button("cmdDelete"));
    click(button("cmdSave"));
    EXPECT_FILE_BYTES(
        ws, "pptb.lnd",
        "1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"111\",\"Yes\"\r\n");
    for (const QString& name : analysisFiles)
        EXPECT_FALSE(ws.exists(u'2' + name.mid(1))) << "written under the plan's old number";

    closeProgram();
    start();
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(rows("MSFG_Analyses"), 3);
    EXPECT_EQ(row("MSFG_Analyses", 1), QStringList{"1"} + second);
}
