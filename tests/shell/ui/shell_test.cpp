#include "shell/startup.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

class Shell : public WindowTest {
protected:
    ui::GridView* table(const char* name) { return find<ui::GridView>(name, mother); }
    void showTab(int index) {
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(index);
    }
    // The enabled ('1') and disabled ('0') entries in the order of menus.tsv.
    QString menuStates() {
        QString states;
        for (const QStringList& row : menus)
            if (row[0] != "clicks")
                states += mother->entry(row[0])->isEnabled() ? u'1' : u'0';
        return states;
    }
    QString expectedStates(int column) {
        QString states;
        for (const QStringList& row : menus)
            if (row[0] != "clicks")
                states += row[column];
        return states;
    }
    // Lets the intro's timer fire at once and waits for the splash.
    QWidget* splash() {
        startUp();
        EXPECT_EQ(find<QLabel>("Label1", find("frmLendora"))->text(), texts["intro"]);
        find<QTimer>("Timer1", find("frmLendora"))->start(0);
        EXPECT_TRUE(QTest::qWaitFor([] {
            auto* s = qobject_cast<QWidget*>(findAny("frmSplash", nullptr, "QWidget"));
            return s && s->isVisible();
        }));
        return find("frmSplash");
    }

    const QMap<QString, QString> texts = dataTexts("shell/texts.tsv");
    const std::vector<QStringList> menus = dataRows("shell/menus.tsv");
};

TEST_F(Shell, IntroThenSplashThenTheMainWindowOrAKeyEndsTheProgram) {
    for (const bool tried : {true, false}) {
        QWidget* shown = splash();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(QStringList({find<QLabel>("lblProductName", shown)->text(),
                               find<QLabel>("Label1", shown)->text(),
                               find<QLabel>("lblPlatform", shown)->text()})
                      .join(u'|'),
                  texts["splash"]);
        if (tried)
            click(find<QPushButton>("cmdTry", shown));
        else
            QTest::keyClick(shown, Qt::Key_X);
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* main = qobject_cast<MainWindow*>(findAny("frmMother", nullptr, "QWidget"));
        EXPECT_EQ(main != nullptr, tried);
        EXPECT_EQ(main ? main->windowTitle() : texts["title"], texts["title"]);
        closeProgram();
    }
}

TEST_F(Shell, FirstStartShowsEmptyTablesTheStartMenuAndTheWelcome) {
    start();
    for (const char* name : {"MSFG_Projects", "MSFG_TargetAudience", "MSFG_ProjectPlans"})
        EXPECT_EQ(shownRows(table(name)), 1) << name;
    auto* tabs = find<QTabWidget>("SSTab1", find("frmProjects", mother));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}).join(u'|'),
              texts["tabs"]);
    EXPECT_EQ(find("frmProjects", mother)->windowTitle(), texts["allProjects"]);
    EXPECT_EQ(menuStates(), expectedStates(1));
    EXPECT_TRUE(mother->entry("mnuGuru")->isChecked());
    EXPECT_EQ(find("frmHelp", mother)->windowTitle(), texts["guruTitle"]);
    EXPECT_EQ(mother->guru().text(), texts["welcome"]);
}

// The plans' flags switch the menus; what a click switched off stays off,
// and the empty row after the plans switches the plan commands off so that
// none opens a window for it.
TEST_F(Shell, PlanClicksSwitchTheMenusByTheirFlags) {
    copyFolder(dataFolder("shell/workspace"), ws);
    const QStringList clicks = menus.front();
    for (int column = 2; column < clicks.size(); ++column) {
        SCOPED_TRACE(qPrintable("plan rows " + clicks[column]));
        start();
        showTab(2);
        const QStringList rows = clicks[column].split(u' ');
        for (const QString& row : rows)
            clickRow(table("MSFG_ProjectPlans"), row.toInt());
        EXPECT_EQ(menuStates(), expectedStates(column));
        EXPECT_EQ(mother->workspace().selectedPlanRow(), rows.last().toInt());
        if (rows.last() == "5") {
            EXPECT_EQ(boxes.take(), QStringList({texts["noPlan"]}));
            press(Qt::Key_F5);
            press(Qt::Key_F7);
            EXPECT_EQ(mother->form("frmPollDataEntry"), nullptr);
            EXPECT_EQ(mother->form("frmAnalysis"), nullptr);
        }
        closeProgram();
        mother = nullptr;
    }
}

TEST_F(Shell, ClicksTellTheGuruAndRejectedOnesShowTheirMessage) {
    start();
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 1);
    showTab(1);
    clickRow(table("MSFG_TargetAudience"), 1);
    EXPECT_EQ(boxes.take(), textsOf(texts, {"noPlan", "noAudience"}));
    EXPECT_EQ(boxes.titles().last(), texts["title"]);
    EXPECT_EQ(mother->workspace().selectedAudienceRow(), 1);
    EXPECT_EQ(menuStates(), expectedStates(1));
    closeProgram();
    mother = nullptr;

    copyFolder(dataFolder("shell/workspace"), ws);
    start();
    clickRow(table("MSFG_Projects"), 2);
    EXPECT_EQ(mother->guru().text(), texts["guruProject2"]);
    EXPECT_TRUE(mother->entry("mnuXBD")->isEnabled());
    showTab(1);
    clickRow(table("MSFG_TargetAudience"), 1);
    EXPECT_EQ(mother->guru().text(), texts["guruAudience1"]);
    EXPECT_TRUE(mother->entry("mnuXPF")->isEnabled());
    // With the Guru switched off by F1 a click leaves its text alone.
    pressShortcut(mother, Qt::Key_F1);
    EXPECT_FALSE(mother->entry("mnuGuru")->isChecked());
    showTab(0);
    clickRow(table("MSFG_Projects"), 2);
    EXPECT_EQ(mother->guru().text(), texts["guruAudience1"]);
    EXPECT_EQ(boxes.take(), QStringList());
}

TEST_F(Shell, DisabledEntriesIgnoreTheirShortcuts) {
    copyFolder(dataFolder("shell/workspace"), ws);
    start();
    QSignalSpy openDetails(mother->entry("mnuXBD"), &QAction::triggered);
    QSignalSpy newDetails(mother->entry("mnuNewBD"), &QAction::triggered);
    pressShortcut(mother, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(openDetails.count(), 0) << "Ctrl+F2 before a project was selected";
    showTab(2);
    clickRow(table("MSFG_ProjectPlans"), 2); // "111": the whole New menu is off
    pressShortcut(mother, Qt::Key_F2);
    EXPECT_EQ(newDetails.count(), 0);
    showTab(0);
    clickRow(table("MSFG_Projects"), 1);
    pressShortcut(mother, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(openDetails.count(), 1);
}

} // namespace
