// The "Business case" tab of the Analysis window, driven as the user drives
// it: inputs typed and saved, the total split over the segments, bad values
// refused by name with nothing written, a damaged file, and "Which wins?" on
// profit.
#include "analysis/ui/analysis_window_fixture.h"
#include "analysis/ui/business_case_chart.h"

#include "support/message_boxes.h"
#include "widgets/guru_window.h"

#include <QComboBox>
#include <QLabel>

#include <QtCharts/QChartView>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

class BusinessCaseWindowTest : public AnalysisWindowFixture {
public:
    void showBusinessCase() { find<QTabWidget>("SSTab1", window)->setCurrentIndex(2); }
    QLineEdit* input(const QString& name) { return find<QLineEdit>(name, window); }
    QLineEdit* borrowers(int segment) {
        return input(QStringLiteral("txtBorrowers%1").arg(segment));
    }
    QStringList borrowerTexts() {
        return {borrowers(1)->text(), borrowers(2)->text(), borrowers(3)->text()};
    }
    void type(const QString& name, const QString& text) {
        QLineEdit* field = input(name);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void typeInputs(const QStringList& values) {
        const char* names[] = {"txtAverageLoan", "txtCostOfFunds", "txtAcquisitionCost"};
        for (int i = 0; i < 3; ++i)
            type(QString::fromLatin1(names[i]), values.value(i));
    }
    int tableRows() { return table("MSFG_BusinessCase")->model()->rowCount(); }
    void save() { QTest::mouseClick(button("cmdSaveBusinessCase"), Qt::LeftButton); }

    MessageBoxes boxes;
};

TEST_F(BusinessCaseWindowTest, InputsSavedAreShownWhenThePlanIsOpenedAgain) {
    writeSavedPlan();
    start();
    open(1);
    showBusinessCase();
    EXPECT_TRUE(mother->guru().text().startsWith("The business case turns respondents into "
                                                 "customers and money. Each segment's share of "
                                                 "respondents choosing Easy Home "));
    EXPECT_EQ(borrowerTexts(), (QStringList{"", "", ""}));
    EXPECT_EQ(tableRows(), 0);
    EXPECT_EQ(find<QLabel>("lblEffectiveRates", window)->text(),
              "Effective annual rate: Easy Home 23.39%, City Home 20.97%, Metro Nest 25.90%");

    // 10,000 borrowers over 214, 178 and 95 respondents: 4,394.25, 3,655.03
    // and 1,950.72; the unit left over goes to the largest remainder.
    type("txtMarketSize", "10000");
    QTest::mouseClick(button("cmdSplitMarket"), Qt::LeftButton);
    EXPECT_EQ(borrowerTexts(), (QStringList{"4394", "3655", "1951"}));
    typeInputs({"80", "6", "100"});
    save();
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(ws.read("1_0bc.lnd"), "\"Lendora business case\",1,80,6,100\r\n"
                                    "1,4394\r\n2,3655\r\n3,1951\r\n");
    EXPECT_EQ(tableRows(), 3) << "the current product and both strategies";
    EXPECT_EQ(table("MSFG_BusinessCase")->model()->index(2, 0).data().toString(), "Strategy 2");
    EXPECT_EQ(analysis::businessCaseChartLabels(find<QChartView>("MSCH_BusinessCase", window)),
              (QStringList{"Current product", "1", "2"}));

    // The Guru on a row, in the plan's own names and values.
    clickRow(table("MSFG_BusinessCase"), 2);
    EXPECT_TRUE(mother->guru().text().startsWith("Strategy 1 would win "))
        << mother->guru().text().toStdString();
    EXPECT_TRUE(mother->guru().text().contains("for Easy Home"));

    open(1);
    showBusinessCase();
    EXPECT_EQ(borrowerTexts(), (QStringList{"4394", "3655", "1951"}));
    EXPECT_EQ(input("txtMarketSize")->text(), "10000") << "the stored borrowers' total";
    EXPECT_EQ(input("txtAverageLoan")->text(), "80");
    EXPECT_EQ(input("txtCostOfFunds")->text(), "6");
    EXPECT_EQ(input("txtAcquisitionCost")->text(), "100");
    EXPECT_EQ(tableRows(), 3);

    // "Which wins?" on profit, from the business case's intervals.
    showFinalAnalysis();
    auto* measure = find<QComboBox>("cboBeatMeasure", window);
    measure->setCurrentIndex(1);
    emit measure->activated(1);
    auto* chance = find<QLabel>("lblBeatChance", window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chance->text().contains("more profit"); }, 30000))
        << chance->text().toStdString();
    // Both lists on the same one of the two strategies.
    EXPECT_EQ(beatChanceAgainstItself(), "Pick two different strategies.");
}

// Each borrowers field is named by its segment's description, or by its
// number when the segment has none.
TEST_F(BusinessCaseWindowTest, EachBorrowersFieldIsNamedByItsSegment) {
    writeSavedPlan();
    ws.write("1-segFile.lnd", "1,\"Salaried, 25 to 40\"\r\n2,\"\"\r\n3,\"Retired\"\r\n");
    start();
    open(1);
    showBusinessCase();
    QStringList names;
    for (int s = 1; s <= 3; ++s)
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() == borrowers(s))
                names << label->text();
    EXPECT_EQ(names, (QStringList{"Salaried, 25 to 40", "Segment 2", "Retired"}));
}

TEST_F(BusinessCaseWindowTest, BadValuesAreRefusedByNameAndWriteNothing) {
    writeSavedPlan();
    const QByteArray stored = "\"Lendora business case\",1,80,6,100\r\n1,10\r\n2,20\r\n3,30\r\n";
    ws.write("1_0bc.lnd", stored);
    start();
    open(1);
    showBusinessCase();
    EXPECT_EQ(borrowerTexts(), (QStringList{"10", "20", "30"}));
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"txtBorrowers2", "-5",
         "Borrowers a year of segment 2 (Self employed) must be a whole number, 0 or more."},
        {"txtBorrowers3", "2.5",
         "Borrowers a year of segment 3 (Retired) must be a whole number, 0 or more."},
        {"txtAverageLoan", "150",
         "The average loan must be a number above 0 and at most 100 (per cent of the maximum "
         "loan value)."},
        {"txtAverageLoan", "0", nullptr},
        {"txtCostOfFunds", "six",
         "The cost of funds must be a number, 0 or more (per cent a year)."},
        {"txtAcquisitionCost", "-1", "The acquisition cost must be a number, 0 or more."},
        {"txtMarketSize", "lots",
         "The total market must be a whole number of borrowers, 0 or more."},
    };
    const char* previous = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const QString before = input(c.field)->text();
        type(c.field, c.text);
        if (QString(c.field) == "txtMarketSize")
            QTest::mouseClick(button("cmdSplitMarket"), Qt::LeftButton);
        else
            save();
        const char* expected = c.message ? c.message : previous;
        EXPECT_EQ(boxes.take(), QStringList{QString::fromUtf8(expected)});
        EXPECT_EQ(window->focusWidget(), input(c.field)) << "the focus on the refused field";
        EXPECT_EQ(ws.read("1_0bc.lnd"), stored);
        type(c.field, before);
        previous = c.message;
    }
    EXPECT_EQ(borrowerTexts(), (QStringList{"10", "20", "30"})) << "a refused split changes none";
    // The lowest sound values are taken.
    for (const char* field : {"txtBorrowers1", "txtCostOfFunds", "txtAcquisitionCost"})
        type(field, "0");
    save();
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_EQ(ws.read("1_0bc.lnd"),
              "\"Lendora business case\",1,80,0,0\r\n1,0\r\n2,20\r\n3,30\r\n");
}

TEST_F(BusinessCaseWindowTest, ADamagedFileLeavesThePanelEmptyWithANote) {
    writeSavedPlan();
    ws.write("1_0bc.lnd", "\"Lendora business case\",1,80,6\r\n");
    start();
    open(1);
    showBusinessCase();
    EXPECT_TRUE(boxes.take().isEmpty()) << "opening asks nothing";
    EXPECT_EQ(borrowerTexts(), (QStringList{"", "", ""}));
    EXPECT_EQ(input("txtAverageLoan")->text(), "");
    EXPECT_EQ(tableRows(), 0);
    auto* note = find<QLabel>("lblBusinessCaseNote", window);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), "The business case file of this plan could not be read; it is left as "
                            "it is until you save new inputs.");
    EXPECT_EQ(ws.read("1_0bc.lnd"), "\"Lendora business case\",1,80,6\r\n");
}

// Deleting plan 1 renumbers plan 2 to 1: its file goes with it, where the
// window finds it; deleting that plan too takes the file along.
TEST_F(BusinessCaseWindowTest, TheFileGoesWithItsPlanWhenPlansAreRenumberedOrDeleted) {
    writeSavedPlan();
    ws.write("1_0bc.lnd", "\"Lendora business case\",1,80,6,100\r\n1,1\r\n2,2\r\n3,3\r\n");
    const QByteArray stored = "\"Lendora business case\",1,75,5.5,120\r\n1,7\r\n2,8\r\n";
    ws.write("2_0bc.lnd", stored);
    start();
    Workspace& workspace = mother->workspace();
    const Plan second = *workspace.plan(2);
    const Workspace::PlanDraft kept{second.id, second.project, second.projectName, second.audience,
                                    second.audienceName};
    ASSERT_TRUE(workspace.savePlans({kept}).ok());
    EXPECT_EQ(ws.read("1_0bc.lnd"), stored);
    EXPECT_FALSE(ws.exists("2_0bc.lnd"));
    open(1);
    showBusinessCase();
    EXPECT_EQ(find<QLineEdit>("txtBorrowers1", window)->text(), "7");
    EXPECT_EQ(find<QLineEdit>("txtBorrowers2", window)->text(), "8");
    EXPECT_EQ(input("txtCostOfFunds")->text(), "5.5");

    ASSERT_TRUE(workspace.savePlans({}).ok());
    EXPECT_FALSE(ws.exists("1_0bc.lnd")) << "deleted with its plan";
}

} // namespace
