#include "poll/poll_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "widgets/grid_view.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const QString dataDir = QStringLiteral(POLL_TEST_DATA);

QByteArray dataFile(const QString& name) {
    return readFile(dataDir + u'/' + name);
}

// The controls of each tab, by the names the window must carry.
const char* const fieldNames[3][7] = {{"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP",
                                       "txtBRepaymenyPeriod", "txtBEMI", "txtBFreebies"},
                                      {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP",
                                       "txtC1RepaymentPeriod", "txtC1EMI", "txtC1Freebies"},
                                      {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP",
                                       "txtC2RepaymentPeriod", "txtC2EMI", "txtC2Freebies"}};
const char* const labelNames[3][7] = {{"lblBInterest", "lblBMEI", "lblBMLV", "lblBMLP",
                                       "lblBRepaymentPeriod", "lblBEMI", "lblBFreebies"},
                                      {"lblC1Interest", "lblC1MEI", "lblC1MLV", "lblC1MLP",
                                       "lblC1RepaymentPeriod", "lblC1EMI", "lblC1Freebies"},
                                      {"lblC2Interest", "lblC2MEI", "lblC2MLV", "lblC2MLP",
                                       "lblC2RepaymentPeriod", "lblC2EMI", "lblC2Freebies"}};
const char* const labelTexts[3][7] = {
    {"Interest ", "Min. Eligible Income ", "Max. Loan Value ", "Max. Loan Percentage ",
     "Repayment Period ", "EMI ", "Freebies "},
    {"Interest  ", "Min. Eligilbe Income  ", "Max. Loan Value ", "Max. Loan Pecentage ",
     "Repayment Period ", "EMI ", "Freebies "},
    {"Interest ", "Min. Eligible Income ", "Max. Loan Value ", "Max. Loan Percentage ",
     "Repayment Period", "EMI", "Freebies"}};
const char* const prefixes[3] = {"B", "C1", "C2"};
const char* const indexNames[3] = {"lblBSegmentIndex", "lblC1SegIndex", "lblC2SegIndex"};
const char* const nameNames[3] = {"lblBSegmentName", "lblC1SegName", "lblC2SegName"};
const char* const tableNames[3] = {"MSFG_Brand", "MSFG_C1", "MSFG_C2"};
const char* const pollFiles[3] = {"11_01.lnd", "11_11.lnd", "11_21.lnd"};

QStringList refusalMessages(int product) {
    return {product == 0 ? "Enter results for interest" : "Enter results for Interest",
            "Enter results for Min. Eligible Income",
            "Enter results for Max. Loan Value",
            "Enter results for Max. Loan Percentage",
            "Enter results for Repayment Period",
            "Enter results for EMI",
            "Enter results for Freebies"};
}

const QByteArray plansWithFlag(const char* flag) {
    return QByteArray("1,\"1\",\"Home Loan Project\",\"1\",\"Salaried, 25 to 40\",\"") + flag +
           "\",\"No\"\r\n"
           "2,\"2\",\"Car Loan\",\"2\",\"Retired\",\"000\",\"No\"\r\n"
           "3,\"1\",\"Home Loan Project\",\"3\",\"Students\",\"000\",\"No\"\r\n";
}

class PollWindow : public ::testing::Test {
protected:
    void SetUp() override {
        const QDir dir(dataDir + QStringLiteral("/workspace"));
        for (const QString& name : dir.entryList(QDir::Files))
            ws.write(name, dataFile(QStringLiteral("workspace/") + name));
    }
    void TearDown() override { closeProgram(); }

    void start() {
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
    }
    // Clicks the plan row in the All Projects window and presses F5 (new)
    // or Ctrl+F6 (open); returns the poll window.
    QWidget* open(int planRow, bool stored = false) {
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow);
        if (stored)
            pressShortcut(mother, Qt::Key_F6, Qt::ControlModifier);
        else
            pressShortcut(mother, Qt::Key_F5);
        settle();
        window = qobject_cast<PollDataEntryWindow*>(mother->form("frmPollDataEntry"));
        EXPECT_NE(window, nullptr) << "the poll window did not open";
        return window;
    }
    poll::PollEntry& state() { return window->entry(); }

    QTabWidget* tabs() { return find<QTabWidget>("SSTab1", window); }
    void showTab(int product) { tabs()->setCurrentIndex(product); }
    QLineEdit* field(int product, int f) {
        return find<QLineEdit>(fieldNames[product][f - 1], window);
    }
    QLabel* label(int product, int f) { return find<QLabel>(labelNames[product][f - 1], window); }
    QPushButton* button(int product, const char* role) {
        return find<QPushButton>(QStringLiteral("cmd%1%2").arg(prefixes[product], role), window);
    }
    QString segmentIndex(int product) { return find<QLabel>(indexNames[product], window)->text(); }
    QString segmentName(int product) { return find<QLabel>(nameNames[product], window)->text(); }
    ui::GridView* table(int product) { return find<ui::GridView>(tableNames[product], window); }
    // A row of the shown table by Grid row (the headings are row 0).
    QStringList row(int product, int gridRow) {
        QAbstractItemModel* model = table(product)->model();
        QStringList texts;
        if (gridRow == 0) {
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->headerData(c, Qt::Horizontal).toString();
            return texts;
        }
        for (int c = 0; c < model->columnCount(); ++c)
            texts << model->index(gridRow - 1, c).data().toString();
        return texts;
    }
    int rows(int product) { return table(product)->model()->rowCount() + 1; }
    // Which of fields 1 to 7 are shown ('1') or hidden ('0').
    QString shownFields(int product) {
        QString shown;
        for (int f = 1; f <= 7; ++f)
            shown += field(product, f)->isHidden() ? u'0' : u'1';
        return shown;
    }
    // The widget that has the focus in the main window (or gets it back when
    // the window is active again after a message box).
    bool focused(QWidget* widget) { return mother->focusWidget() == widget; }
    // Confirms the seven counts one by one with Enter and presses Next.
    void enterSegment(int product, const QStringList& counts) {
        showTab(product);
        for (int f = 1; f <= 7; ++f)
            typeAndEnter(field(product, f), counts[f - 1]);
        click(button(product, "Next"));
    }
    void clickTableRow(int product, int gridRow) {
        showTab(product);
        clickRow(table(product), gridRow);
    }
    QString planFlag(int planRow) {
        return rowTexts(find<ui::GridView>("MSFG_ProjectPlans", mother), planRow).value(5);
    }
    QMdiSubWindow* childOf(QWidget* form) {
        return qobject_cast<QMdiSubWindow*>(form->parentWidget());
    }

    TempWorkspace ws;
    MainWindow* mother = nullptr;
    PollDataEntryWindow* window = nullptr;
};

const QStringList sevenOnes = {"1", "1", "1", "1", "1", "1", "1"};

TEST_F(PollWindow, TwoSegmentsForAllThreeProductsWriteTheirFilesAndMoveTheFlag) {
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(window->windowTitle(),
              "Poll Resulsts for Home Loan Project and Target Audience Salaried, 25 to 40");
    EXPECT_EQ(childOf(window)->pos(), QPoint(0, mother->projectsSize().height()));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(tabs()->tabText(0), "Home Loan Project: Easy Home");
    EXPECT_EQ(tabs()->tabText(1), "City Bank: City Home");
    EXPECT_EQ(tabs()->tabText(2), "Metro Finance: Metro Nest");
    EXPECT_EQ(state().lblProjectIndex, 1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(rows(k), 4);
        EXPECT_EQ(row(k, 0), QStringList({"Segment", "Interest", "Min. Eligible Income",
                                          "Max. Loan Value", "Max. Loan Percentage",
                                          "Repayment Period", "EMI", "Freebies", "Totals"}));
        EXPECT_EQ(row(k, 1).first(), "Salaried, 25 to 40");
        EXPECT_EQ(row(k, 2).first(), "Self employed");
        EXPECT_EQ(row(k, 3).first(), "Totals");
        EXPECT_EQ(segmentIndex(k), "1");
        EXPECT_EQ(segmentName(k), "Salaried, 25 to 40");
        EXPECT_EQ(shownFields(k), "1000000");
        for (const char* role : {"Next", "Edit", "Cancel", "Save"})
            EXPECT_FALSE(button(k, role)->isEnabled()) << prefixes[k] << role;
    }
    EXPECT_TRUE(focused(field(0, 1)));

    // Field by field: each accepted count shows the next field and moves the focus there.
    for (int f = 1; f <= 6; ++f) {
        typeAndEnter(field(0, f), QStringList({"12", "5", "3", "7", "2", "9"})[f - 1]);
        EXPECT_FALSE(field(0, f + 1)->isHidden());
        EXPECT_FALSE(label(0, f + 1)->isHidden());
        EXPECT_TRUE(focused(field(0, f + 1))) << "field " << f + 1;
        EXPECT_FALSE(button(0, "Next")->isEnabled());
    }
    typeAndEnter(field(0, 7), "1");
    EXPECT_TRUE(button(0, "Next")->isEnabled());
    EXPECT_FALSE(button(0, "Edit")->isEnabled());
    click(button(0, "Next"));
    EXPECT_EQ(row(0, 1),
              QStringList({"Salaried, 25 to 40", "12", "5", "3", "7", "2", "9", "1", "39"}));
    EXPECT_EQ(row(0, 3), QStringList({"Totals", "12", "5", "3", "7", "2", "9", "1", "39"}));
    EXPECT_EQ(segmentIndex(0), "2");
    EXPECT_EQ(segmentName(0), "Self employed");
    EXPECT_EQ(state().lblBCount, 2);
    EXPECT_EQ(shownFields(0), "1000000");
    EXPECT_TRUE(field(0, 1)->text().isEmpty());
    EXPECT_TRUE(focused(field(0, 1)));
    EXPECT_FALSE(button(0, "Next")->isEnabled());
    EXPECT_FALSE(button(0, "Save")->isEnabled());

    enterSegment(0, {"4", "6", "2.5", "10", "2", "1", "3"});
    EXPECT_EQ(row(0, 2),
              QStringList({"Self employed", "4", "6", "2.5", "10", "2", "1", "3", "28.5"}));
    EXPECT_EQ(row(0, 3), QStringList({"Totals", "16", "11", "5.5", "17", "4", "10", "4", "67.5"}));
    EXPECT_EQ(segmentIndex(0), "");
    EXPECT_EQ(segmentName(0), "Completed");
    EXPECT_EQ(shownFields(0), "0000000");
    EXPECT_TRUE(button(0, "Save")->isEnabled());
    EXPECT_FALSE(button(0, "Next")->isEnabled());
    EXPECT_TRUE(state().lblBCompleteFlag);
    EXPECT_EQ(state().lblBCount, 3);
    EXPECT_FALSE(ws.exists("11_01.lnd")) << "nothing is written before Save";

    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "11_01.lnd", dataFile("expected/11_01.lnd"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", dataFile("expected/pptb_100.lnd"));
    EXPECT_EQ(planFlag(1), "100");
    EXPECT_TRUE(button(0, "Save")->isEnabled()) << "Save stays enabled";

    enterSegment(1, {"3", "3", "3", "3", "3", "3", "3"});
    enterSegment(1, {"007", "1", "2", "3", "4", "5", "6"});
    click(button(1, "Save"));
    EXPECT_FILE_BYTES(ws, "11_11.lnd", dataFile("expected/11_11.lnd"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", dataFile("expected/pptb_110.lnd"));

    enterSegment(2, {"-3", "2", "2", "2", "2", "2", "2"});
    enterSegment(2, sevenOnes);
    click(button(2, "Save"));
    EXPECT_FILE_BYTES(ws, "11_21.lnd", dataFile("expected/11_21.lnd"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", dataFile("expected/pptb_111.lnd"));
    EXPECT_EQ(planFlag(1), "111");
    EXPECT_FILE_BYTES(ws, "ppflag.lnd", "1\r\n");
    EXPECT_EQ(boxes.texts(), QStringList()) << "Save shows no message";
}

TEST_F(PollWindow, ZeroEmptyAndWordsAreRefusedWithTheFieldsMessage) {
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(2), nullptr); // one segment
    for (int k = 0; k < 3; ++k) {
        showTab(k);
        const QStringList messages = refusalMessages(k);
        QStringList accepted;
        for (int f = 1; f <= 7; ++f) {
            for (const char* refused : {"0", "", "apples", "0.0 apples"}) {
                typeAndEnter(field(k, f), refused);
                EXPECT_EQ(boxes.take(), QStringList({messages[f - 1]}))
                    << prefixes[k] << " field " << f << " '" << refused << "'";
                EXPECT_TRUE(focused(field(k, f))) << "the focus stays in the field";
                if (f < 7) {
                    EXPECT_TRUE(field(k, f + 1)->isHidden());
                }
                EXPECT_FALSE(button(k, "Next")->isEnabled());
            }
            accepted << (f % 2 ? "2.5" : "-3");
            typeAndEnter(field(k, f), accepted.last());
            EXPECT_EQ(boxes.take(), QStringList());
        }
        EXPECT_TRUE(button(k, "Next")->isEnabled());
        click(button(k, "Next"));
        EXPECT_EQ(row(k, 1).mid(1, 7), accepted) << "typed -3 and 2.5 are stored as typed";
        EXPECT_EQ(row(k, 1).last(), "1");
        EXPECT_EQ(segmentName(k), "Completed") << "one Next completes a single segment";
        EXPECT_TRUE(button(k, "Save")->isEnabled());
    }
}

TEST_F(PollWindow, NextStoresTheFieldsAsTheyStand) {
    start();
    ASSERT_NE(open(1), nullptr);
    // A field emptied after its Enter is stored as 0.
    for (int f = 1; f <= 7; ++f)
        typeAndEnter(field(0, f), QString::number(f));
    typeText(field(0, 3), "");
    click(button(0, "Next"));
    EXPECT_EQ(row(0, 1).mid(1), QStringList({"1", "2", "0", "4", "5", "6", "7", "25"}));

    // Enter again in an earlier field empties the field after it and moves
    // the focus there; Next stays enabled and stores 0 for it.
    for (int f = 1; f <= 7; ++f)
        typeAndEnter(field(0, f), "3");
    typeAndEnter(field(0, 4), "12 apples");
    EXPECT_TRUE(field(0, 5)->text().isEmpty());
    EXPECT_TRUE(focused(field(0, 5)));
    EXPECT_EQ(shownFields(0), "1111111");
    EXPECT_TRUE(button(0, "Next")->isEnabled());
    click(button(0, "Next"));
    EXPECT_EQ(row(0, 2).mid(1), QStringList({"3", "3", "3", "12", "0", "3", "3", "27"}));
    EXPECT_EQ(row(0, 3).mid(1), QStringList({"4", "5", "3", "16", "5", "9", "10", "52"}));
}

TEST_F(PollWindow, ClicksOnTheTableNeedACompletedProductAndASegmentRow) {
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    clickTableRow(0, 1);
    EXPECT_EQ(boxes.take(), QStringList({"Data entry not completed"}));
    clickTableRow(0, 3);
    EXPECT_EQ(boxes.take(), QStringList({"No segment selected!"}));
    EXPECT_FALSE(state().lblBFlag);
    EXPECT_EQ(segmentIndex(0), "1");

    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    clickTableRow(0, 3);
    EXPECT_EQ(boxes.take(), QStringList({"No segment selected!"}));
    EXPECT_EQ(segmentName(0), "Completed");
    clickTableRow(0, 2);
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_TRUE(state().lblBFlag);
    EXPECT_EQ(segmentIndex(0), "2");
    EXPECT_EQ(segmentName(0), "Self employed");
    EXPECT_FALSE(field(0, 1)->isHidden());
    EXPECT_TRUE(focused(field(0, 1)));
    EXPECT_TRUE(button(0, "Cancel")->isEnabled());

    // Another product's table still refuses: its entry is not complete.
    clickTableRow(1, 2);
    EXPECT_EQ(boxes.take(), QStringList({"Data entry not completed"}));
}

TEST_F(PollWindow, CorrectionOnCompetitorTabResumesFromTheNextSegment) {
    start();
    ASSERT_NE(open(3), nullptr); // four segments
    ASSERT_EQ(rows(1), 6);
    EXPECT_EQ(row(1, 5).first(), "Totals");
    for (int s = 1; s <= 4; ++s)
        enterSegment(1, {QString::number(s), "1", "1", "1", "1", "1", "1"});
    EXPECT_EQ(segmentName(1), "Completed");
    ASSERT_TRUE(button(1, "Save")->isEnabled());

    clickTableRow(1, 2);
    EXPECT_EQ(segmentIndex(1), "2");
    EXPECT_EQ(segmentName(1), "College");
    EXPECT_TRUE(state().lblC1Flag);
    enterSegment(1, {"9", "9", "9", "9", "9", "9", "9"});
    EXPECT_EQ(row(1, 2), QStringList({"College", "9", "9", "9", "9", "9", "9", "9", "63"}));
    EXPECT_EQ(row(1, 5), QStringList({"Totals", "17", "12", "12", "12", "12", "12", "12", "89"}));
    EXPECT_EQ(segmentIndex(1), "3");
    EXPECT_EQ(segmentName(1), "Graduate");
    EXPECT_EQ(state().lblC1Count, 3);
    EXPECT_TRUE(state().lblC1CompleteFlag) << "the product stays complete";
    EXPECT_TRUE(button(1, "Save")->isEnabled());

    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    EXPECT_EQ(segmentName(1), "Completed");
    EXPECT_EQ(state().lblC1Count, 5);
    click(button(1, "Save"));
    EXPECT_FILE_BYTES(ws, "13_11.lnd",
                      "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"
                      "2,\"9\",\"9\",\"9\",\"9\",\"9\",\"9\",\"9\",\"63\"\r\n"
                      "3,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n"
                      "4,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n");
    EXPECT_EQ(planFlag(3), "010");
}

TEST_F(PollWindow, CancelReturnsToTheResumePoint) {
    start();
    ASSERT_NE(open(2), nullptr); // one segment
    for (int k : {0, 2}) {
        enterSegment(k, sevenOnes);
        clickTableRow(k, 1);
        typeAndEnter(field(k, 1), "4");
        EXPECT_EQ(shownFields(k), "1100000");
        click(button(k, "Cancel"));
        EXPECT_EQ(segmentName(k), "Completed");
        EXPECT_EQ(segmentIndex(k), "");
        EXPECT_EQ(shownFields(k), "0000000");
        EXPECT_FALSE(state().editFlag(k));
        EXPECT_TRUE(state().completeFlag(k));
        EXPECT_TRUE(button(k, "Save")->isEnabled());
        EXPECT_FALSE(button(k, "Next")->isEnabled());
        EXPECT_EQ(row(k, 1).last(), "7") << "the unconfirmed correction is not stored";
    }
    // Only the own product's tab switches Cancel off.
    EXPECT_FALSE(button(0, "Cancel")->isEnabled());
    EXPECT_TRUE(button(2, "Cancel")->isEnabled());
}

TEST_F(PollWindow, OwnProductCorrectionIsCompletedWithEdit) {
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    enterSegment(0, {"2", "2", "2", "2", "2", "2", "2"});
    clickTableRow(0, 1);
    // In edit mode every field takes its count: no "All fields filled".
    for (int f = 1; f <= 7; ++f)
        typeAndEnter(field(0, f), "5");
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_FALSE(button(0, "Next")->isEnabled());
    EXPECT_TRUE(button(0, "Edit")->isEnabled());
    click(button(0, "Edit"));
    EXPECT_EQ(row(0, 1),
              QStringList({"Salaried, 25 to 40", "5", "5", "5", "5", "5", "5", "5", "35"}));
    EXPECT_EQ(row(0, 3).last(), "49");
    EXPECT_EQ(segmentIndex(0), "1");
    EXPECT_EQ(segmentName(0), "Salaried, 25 to 40");
    EXPECT_EQ(shownFields(0), "1000000");
    EXPECT_TRUE(field(0, 1)->text().isEmpty());
    EXPECT_TRUE(focused(field(0, 1)));
    EXPECT_TRUE(state().lblBFlag);
    EXPECT_EQ(state().lblBCount, 3);
    EXPECT_TRUE(button(0, "Edit")->isEnabled());
    EXPECT_TRUE(button(0, "Cancel")->isEnabled());

    click(button(0, "Cancel"));
    EXPECT_EQ(segmentName(0), "Completed");
    EXPECT_FALSE(button(0, "Edit")->isEnabled()) << "Edit ends with edit mode";
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "11_01.lnd",
                      "1,\"5\",\"5\",\"5\",\"5\",\"5\",\"5\",\"5\",\"35\"\r\n"
                      "2,\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"14\"\r\n");
}

TEST_F(PollWindow, OpenLoadsTheSavedProductsNamedByTheFlag) {
    struct Case {
        const char* flag;
        int tab;
    };
    for (const Case& c : {Case{"001", 0}, Case{"010", 0}, Case{"011", 0}, Case{"100", 1},
                          Case{"101", 1}, Case{"110", 2}}) {
        ws.write("pptb.lnd", plansWithFlag(c.flag));
        for (int k = 0; k < 3; ++k) {
            const QByteArray n = QByteArray::number(k + 4);
            ws.write(pollFiles[k], "1,\"" + n + "\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"x\"\r\n" +
                                       "2,\"" + n +
                                       "\",\"2\",\"2\",\"2\",\"2\",\"2\",\"2\",\"x\"\r\n");
        }
        start();
        ASSERT_NE(open(1, true), nullptr) << c.flag;
        EXPECT_EQ(tabs()->currentIndex(), c.tab) << c.flag;
        EXPECT_EQ(window->windowTitle(),
                  "Poll Resulsts for Home Loan Project and Target Audience Salaried, 25 to 40");
        for (int k = 0; k < 3; ++k) {
            const bool loaded = c.flag[k] == '1';
            const QString n = QString::number(k + 4);
            EXPECT_EQ(
                row(k, 1),
                loaded ? QStringList({"Salaried, 25 to 40", n, "1", "1", "1", "1", "1", "1", "x"})
                       : QStringList({"Salaried, 25 to 40", "", "", "", "", "", "", "", ""}))
                << c.flag << " product " << k;
            EXPECT_EQ(row(k, 3).mid(1, 2), loaded ? QStringList({QString::number(2 * (k + 4)), "3"})
                                                  : QStringList({"", ""}));
            EXPECT_EQ(segmentName(k), loaded ? "Completed" : "Salaried, 25 to 40");
            EXPECT_EQ(segmentIndex(k), loaded ? "" : "1");
            EXPECT_EQ(field(k, 1)->isHidden(), loaded);
            EXPECT_EQ(state().completeFlag(k), loaded);
            EXPECT_EQ(state().count(k), 1);
            EXPECT_FALSE(button(k, "Save")->isEnabled()) << "a loaded product is not saved again";
        }
        closeProgram();
    }
}

TEST_F(PollWindow, MissingPollFileStillMarksTheProductComplete) {
    ws.write("pptb.lnd", plansWithFlag("101"));
    ws.write("11_01.lnd", "1,\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"21\"\r\n");
    start();
    ASSERT_NE(open(1, true), nullptr);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(segmentName(2), "Completed");
    EXPECT_TRUE(state().lblC2CompleteFlag);
    EXPECT_EQ(row(2, 3).mid(1), QStringList(8, "0"));
    EXPECT_EQ(row(0, 3).mid(1), QStringList({"3", "3", "3", "3", "3", "3", "3", "21"}));
    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    click(button(1, "Save"));
    EXPECT_EQ(planFlag(1), "111");
    EXPECT_FALSE(ws.exists("11_21.lnd"));
}

TEST_F(PollWindow, LoadedOwnProductRefusesTypingOutsideEditMode) {
    ws.write("pptb.lnd", plansWithFlag("100"));
    ws.write("11_01.lnd", "1,\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"21\"\r\n"
                          "2,\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"3\",\"21\"\r\n");
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1, true), nullptr);
    clickTableRow(0, 2);
    EXPECT_TRUE(state().lblBFlag);
    typeText(field(0, 1), "8");
    EXPECT_EQ(field(0, 1)->text(), "8") << "edit mode takes typing";
    click(button(0, "Cancel"));
    // A loaded product resumes at segment 1 and stays complete.
    EXPECT_EQ(segmentIndex(0), "1");
    EXPECT_EQ(segmentName(0), "Salaried, 25 to 40");
    EXPECT_FALSE(field(0, 1)->isHidden());
    EXPECT_TRUE(state().lblBCompleteFlag);
    EXPECT_EQ(boxes.take(), QStringList());
    QTest::keyClicks(field(0, 1), "5");
    EXPECT_EQ(boxes.take(), QStringList({"All fields filled"}));
    EXPECT_TRUE(field(0, 1)->text().isEmpty()) << "the key is not typed";
    pressEnter(field(0, 1));
    EXPECT_EQ(boxes.take(), QStringList({"All fields filled"}));
    EXPECT_TRUE(field(0, 2)->isHidden());

    // Competitors' first fields are not refused.
    showTab(1);
    typeAndEnter(field(1, 1), "5");
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_FALSE(field(1, 2)->isHidden());
}

TEST_F(PollWindow, FlagCountsOnlyProductsWhoseFileIsWritten) {
    start();
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    ASSERT_TRUE(state().lblBCompleteFlag);
    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    click(button(1, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("010"));
    EXPECT_FALSE(ws.exists("11_01.lnd"));
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("110"));
    EXPECT_EQ(planFlag(1), "110");
}

TEST_F(PollWindow, OwnThenCompetitorTwoRecords100Then101) {
    start();
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("100"));
    enterSegment(1, sevenOnes); // competitor 1 half done
    enterSegment(2, sevenOnes);
    enterSegment(2, sevenOnes);
    click(button(2, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("101"));
}

TEST_F(PollWindow, FailedSaveIsReportedAndTheFlagStays) {
    start();
    MessageBoxes boxes;
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(button(0, "Save"));
    ws.setReadOnly(false);
    const QStringList texts = boxes.take();
    ASSERT_EQ(texts.size(), 1) << qPrintable(texts.join(" | "));
    EXPECT_TRUE(texts[0].startsWith("Could not save \"11_01.lnd\"")) << qPrintable(texts[0]);
    EXPECT_FALSE(ws.exists("11_01.lnd"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("000"));
    EXPECT_EQ(planFlag(1), "000");

    // Competitor 1 saved afterwards does not carry the unsaved own product along.
    enterSegment(1, sevenOnes);
    enterSegment(1, sevenOnes);
    click(button(1, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("010"));
    click(button(0, "Save"));
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_FILE_BYTES(ws, "pptb.lnd", plansWithFlag("110"));
}

TEST_F(PollWindow, OpeningForAnotherPlanStartsAfresh) {
    start();
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    clickTableRow(0, 1);
    showTab(1);
    typeAndEnter(field(1, 1), "3");
    PollDataEntryWindow* first = window;

    ASSERT_NE(open(2), nullptr);
    EXPECT_EQ(window, first) << "the open window is reused";
    EXPECT_EQ(window->windowTitle(), "Poll Resulsts for Car Loan and Target Audience Retired");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(tabs()->tabText(2), "Wheels Inc: Roll");
    EXPECT_EQ(state().lblProjectIndex, 2);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(rows(k), 3);
        EXPECT_EQ(row(k, 1), QStringList({"Retired", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(segmentIndex(k), "1");
        EXPECT_EQ(segmentName(k), "Retired");
        EXPECT_EQ(shownFields(k), "1000000");
        EXPECT_TRUE(field(k, 1)->text().isEmpty());
        EXPECT_FALSE(state().completeFlag(k));
        EXPECT_FALSE(state().editFlag(k));
        EXPECT_EQ(state().count(k), 1);
        for (const char* role : {"Next", "Edit", "Cancel", "Save"})
            EXPECT_FALSE(button(k, role)->isEnabled()) << prefixes[k] << role;
    }
    enterSegment(0, sevenOnes);
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "22_01.lnd", "1,\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"7\"\r\n");
    EXPECT_EQ(planFlag(2), "100");
    EXPECT_EQ(planFlag(1), "000");
}

TEST_F(PollWindow, AWindowTheUserClosedIsCreatedAfresh) {
    start();
    ASSERT_NE(open(1), nullptr);
    enterSegment(0, sevenOnes);
    QPointer<PollDataEntryWindow> closed(window);
    childOf(window)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(mother->form("frmPollDataEntry"), nullptr);
    ASSERT_NE(open(1), nullptr);
    EXPECT_EQ(segmentIndex(0), "1");
    enterSegment(0, sevenOnes);
    enterSegment(0, sevenOnes);
    click(button(0, "Save"));
    EXPECT_EQ(planFlag(1), "100");
}

TEST_F(PollWindow, OpeningHidesTheWizardStepsAndThePreview) {
    start();
    QStringList names = {"frmNewProject", "frmMEI", "frmFreebies", "frmQuestionairePreview"};
    std::vector<QWidget*> others;
    for (const QString& name : names) {
        auto* form = new QWidget;
        form->setObjectName(name);
        mother->addChild(form);
        mother->showChild(form);
        others.push_back(form);
    }
    auto* keep = new QWidget;
    keep->setObjectName("frmSomethingElse");
    mother->addChild(keep);
    mother->showChild(keep);
    ASSERT_NE(open(1), nullptr);
    for (QWidget* form : others)
        EXPECT_TRUE(childOf(form)->isHidden()) << qPrintable(form->objectName());
    EXPECT_FALSE(childOf(keep)->isHidden());
    EXPECT_FALSE(childOf(window)->isHidden());
}

TEST_F(PollWindow, EveryTabCarriesItsNamedControls) {
    start();
    ASSERT_NE(open(1), nullptr);
    const char* captions[3][2] = {
        {"Label1", "Segment:"}, {"Label10", "Segment "}, {"Label2", "Segment "}};
    for (int k = 0; k < 3; ++k) {
        QWidget* page = tabs()->widget(k);
        EXPECT_EQ(find<QLabel>(captions[k][0], page)->text(), captions[k][1]);
        for (int f = 1; f <= 7; ++f) {
            EXPECT_EQ(find<QLabel>(labelNames[k][f - 1], page)->text(), labelTexts[k][f - 1]);
            EXPECT_NE(find<QLineEdit>(fieldNames[k][f - 1], page), nullptr);
            // Field 1's caption shows even where field 1 is hidden.
            EXPECT_EQ(label(k, f)->isHidden(), f > 1);
        }
        for (const char* role : {"Next", "Edit", "Cancel", "Save"})
            EXPECT_EQ(button(k, role)->text(), role);
        EXPECT_NE(find<ui::GridView>(tableNames[k], page), nullptr);
        EXPECT_NE(find<QLabel>(indexNames[k], page), nullptr);
        EXPECT_NE(find<QLabel>(nameNames[k], page), nullptr);
    }
    auto* details = find<ui::GridView>("MSFG_ProjectDetails", window);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->gridModel().grid().rowCount(), 5);
    EXPECT_EQ(details->gridModel().grid().text(2, 0), "City Bank");
    EXPECT_EQ(details->gridModel().grid().text(3, 9), "1000");
}

} // namespace

// The project plan window, opened with F6 before a plan is clicked (a plan
// click disables F6).
QWidget* openPlanWindow(MainWindow* mother) {
    pressShortcut(mother, Qt::Key_F6);
    settle();
    return find("frmProjectPlan", mother);
}

TEST_F(PollWindow, APlanSaveThatRenumbersThePlanTakesTheOpenWindowAlong) {
    start();
    MessageBoxes boxes;
    QWidget* plans = openPlanWindow(mother);
    ASSERT_NE(open(3), nullptr);
    const QString caption = window->windowTitle();

    // Plan 1 goes: "Students" becomes plan 2.
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", plans), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(find<QPushButton>("cmdDelete", plans));
    click(find<QPushButton>("cmdSave", plans));
    EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
    EXPECT_EQ(state().lblProjectIndex, 2);
    EXPECT_EQ(mother->workspace().selectedPlanRow(), 2);
    EXPECT_EQ(find<ui::GridView>("MSFG_ProjectPlans", mother)->currentGridRow(), 2);
    EXPECT_EQ(window->windowTitle(), caption);

    for (int segment = 1; segment <= 4; ++segment)
        enterSegment(0, sevenOnes);
    click(button(0, "Save"));
    EXPECT_FILE_BYTES(ws, "pptb.lnd",
                      "1,\"2\",\"Car Loan\",\"2\",\"Retired\",\"000\",\"No\"\r\n"
                      "2,\"1\",\"Home Loan Project\",\"3\",\"Students\",\"100\",\"No\"\r\n");
    EXPECT_TRUE(ws.exists("13_01.lnd"));
    EXPECT_FALSE(ws.exists("00_01.lnd")) << "written for the row the plan left";

    // Reopened from the All Projects window, the selection still names "Students".
    pressShortcut(mother, Qt::Key_F5);
    settle();
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(state().lblProjectIndex, 2);
    EXPECT_EQ(rows(0), 6);
    EXPECT_EQ(row(0, 4).first(), "Doctoral");
}

// Deleting the plan of an open poll window, or giving it another audience,
// closes the window without writing its counts; the plan is no longer
// selected and the commands for a selected plan are off.
TEST_F(PollWindow, APlanSaveThatRemovesThePlanClosesTheOpenWindow) {
    for (const bool deleted : {true, false}) {
        SCOPED_TRACE(deleted ? "deleted" : "given audience 3");
        SetUp();
        start();
        MessageBoxes boxes;
        QWidget* plans = openPlanWindow(mother);
        ASSERT_NE(open(2), nullptr);
        typeAndEnter(field(0, 1), "4");
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", plans), 2);
        if (deleted) {
            boxes.answerNext(QMessageBox::Yes);
            click(find<QPushButton>("cmdDelete", plans));
        } else {
            clickRow(find<ui::GridView>("MSFG_BasicDetails", plans), 2);
            clickRow(find<ui::GridView>("MSFG_TA", plans), 3);
            click(find<QPushButton>("cmdEdit", plans));
        }
        click(find<QPushButton>("cmdSave", plans));
        settle();
        EXPECT_EQ(boxes.take().last(), "Project Plan Saved");
        EXPECT_EQ(mother->form("frmPollDataEntry"), nullptr);
        EXPECT_EQ(mother->workspace().selectedPlanRow(), 0);
        EXPECT_EQ(find<ui::GridView>("MSFG_ProjectPlans", mother)->currentGridRow(), 0);
        for (const char* name : {"mnuNPR", "mnuQP", "mnuPRD", "mnuNewAnalysis"})
            EXPECT_FALSE(mother->entry(name)->isEnabled()) << name;
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, Qt::Key_F5);
        settle();
        EXPECT_EQ(mother->form("frmPollDataEntry"), nullptr);
        EXPECT_EQ(QDir(ws.path()).entryList({"*_?1.lnd"}, QDir::Files), QStringList());
        closeProgram();
    }
}
