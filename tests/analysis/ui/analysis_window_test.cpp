// The Analysis window beside the other windows of the same plan.
#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_window_fixture.h"

#include "support/message_boxes.h"
#include "support/program.h"

#include <QTabWidget>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

class AnalysisWindowTest : public AnalysisWindowFixture {
public:
    QWidget* poll() { return mother->form("frmPollDataEntry"); }
    // Competitor 2's seven counts of a segment, then Next.
    void enterCounts(const QStringList& counts) {
        static const char* const fields[] = {"Interest",        "MEI", "MLV",     "MLP",
                                             "RepaymentPeriod", "EMI", "Freebies"};
        for (int f = 0; f < 7; ++f)
            typeAndEnter(find<QLineEdit>(QStringLiteral("txtC2%1").arg(fields[f]), poll()),
                         counts[f]);
        click(find<QPushButton>("cmdC2Next", poll()));
    }
    QString estimate(int row, int column) {
        return table("MSFG_Seg_Analysis")->model()->index(row, column).data().toString();
    }
    MessageBoxes boxes;
};

// The poll window stays open on the plan it completed, the user opens the
// analysis, then corrects competitor 2's first segment and saves it again:
// the analysis forecasts from the corrected counts at once. A strategy at
// competitor 2's interest estimates competitor 2's interest counts.
TEST_F(AnalysisWindowTest, APollSavedForTheOpenPlanReachesItsAnalysis) {
    ws.write("pptb.lnd",
             QByteArray(plansRegistry("No")).replace("\"111\",\"No\"\r\n2", "\"110\",\"No\"\r\n2"));
    start();
    mother->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
    pressShortcut(mother, Qt::Key_F6, Qt::ControlModifier);
    settle();
    ASSERT_NE(poll(), nullptr);
    for (int segment = 1; segment <= 3; ++segment)
        enterCounts({"5", "4", "3", "2", "1", "2", "3"});
    click(find<QPushButton>("cmdC2Save", poll()));
    ASSERT_EQ(boxes.take(), QStringList());

    ASSERT_NE(open(1), nullptr);
    confirmFields({"13", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    click(button("cmdAnalyse"));
    EXPECT_EQ(estimate(0, 1), "5");

    clickRow(find<ui::GridView>("MSFG_C2", poll()), 1);
    enterCounts({"44", "10", "9", "8", "7", "6", "5"});
    click(find<QPushButton>("cmdC2Save", poll()));
    ASSERT_EQ(boxes.take(), QStringList());
    EXPECT_EQ(ws.read("11_21.lnd").left(10), "1,\"44\",\"10");

    EXPECT_EQ(estimate(0, 1), "44");
    EXPECT_EQ(estimate(3, 1), "54") << "44 + 5 + 5";
    ASSERT_TRUE(button("cmdAdd")->isEnabled()) << "the strategy stays analysed";
    click(button("cmdAdd"));
    EXPECT_EQ(rowTexts(table("MSFG_Features"), 1).value(1), "54");
}

} // namespace
