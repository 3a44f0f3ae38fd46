#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/wizard_names.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace lendora;
using namespace lendora::test;

namespace {

// Step -> the row of a values file: refusal, then the values of its fields.
std::map<int, QStringList> steps(const QString& file, std::map<int, QStringList> base = {}) {
    for (const QStringList& row : dataRows(file))
        base[row[0].toInt()] = row.mid(1);
    return base;
}

class Wizard : public WindowTest {
protected:
    QWidget* step(int s) { return find(wizardWindows[s], mother); }
    QLineEdit* field(int s, int f) {
        return find<QLineEdit>(wizardFields[size_t(s)][size_t(f)], step(s));
    }
    QPushButton* button(int s, const char* name) { return find<QPushButton>(name, step(s)); }
    QString projectNumber() { return find<QLabel>("lblProjectID", step(1))->text(); }

    // F2, every step filled by keyboard and left by Next, then Finish. With
    // refusals, an empty first field is refused first and keeps the focus.
    void passThrough(const std::map<int, QStringList>& values, bool refusals) {
        press(Qt::Key_F2);
        for (int s = 1; s <= 11; ++s) {
            SCOPED_TRACE(wizardWindows[s]);
            ASSERT_TRUE(mother->form(wizardWindows[s]) && step(s)->isVisible());
            EXPECT_EQ(mother->focusWidget(), field(s, 0));
            if (refusals && s != 10) {
                EXPECT_EQ(s < 11 && button(s, "cmdNext")->isEnabled(), s == 9);
                typeAndEnter(field(s, 0), "");
                EXPECT_EQ(boxes.take(), QStringList({values.at(s)[0]}));
                EXPECT_EQ(mother->focusWidget(), field(s, 0));
            }
            for (int f = 0; f < int(wizardFields[size_t(s)].size()); ++f) {
                QElapsedTimer timer;
                timer.start();
                if (s == 10) {
                    pressEnter(field(s, f));
                } else if (values.at(s)[f + 1].size() > 1000) {
                    // A long name is pasted, as nobody types it.
                    QGuiApplication::clipboard()->setText(values.at(s)[f + 1]);
                    typeText(field(s, f), {});
                    QTest::keyClick(field(s, f), Qt::Key_V, Qt::ControlModifier);
                    pressEnter(field(s, f));
                } else {
                    typeAndEnter(field(s, f), values.at(s)[f + 1]);
                }
                EXPECT_LT(timer.elapsed(), 1000) << "field " << f;
            }
            if (s < 11)
                click(button(s, "cmdNext"));
        }
        click(button(11, "cmdFinish"));
    }
    QString saveButtons() { return enabledButtons(step(11), {"cmdFinish", "cmdSave"}); }

    const std::map<int, QStringList> homeLoan = steps("basic_details/home_loan.tsv");
};

TEST_F(Wizard, WholePassesByKeyboardWriteTheProjectFilesByteForByte) {
    // Leftovers of an earlier installation, not listed (no flag file).
    ws.write("Prj.lnd", "1,\"Old\",\"Old\",\"Old\",\"Active\"\r\n");
    ws.write("1_pdtl.lnd", "1,\"Old\"\r\n");
    start();
    passThrough(homeLoan, true);
    EXPECT_EQ(saveButtons(), "Save") << "Finish serves once per pass";
    EXPECT_EQ(rowTexts(find<ui::GridView>("MSFG_Projects", mother), 1).join(u'|'),
              "1|Home Loan Project|Easy Home Loan|Easy Home|KickOff");
    click(button(11, "cmdSave"));
    EXPECT_EQ(saveButtons(), "");
    expectSameFiles(ws, dataFolder("basic_details/first_project"));

    passThrough(steps("basic_details/car_loan.tsv", homeLoan), false);
    EXPECT_EQ(projectNumber(), "2");
    click(button(11, "cmdSave"));
    expectSameFiles(ws, dataFolder("basic_details/second_project"));
    EXPECT_EQ(boxes.take(), QStringList());
}

TEST_F(Wizard, SaveIntoAReadOnlyFolderNamesTheFileAndWritesNothing) {
    start();
    passThrough(homeLoan, false);
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(button(11, "cmdSave"));
    ws.setReadOnly(false);
    expectOneMessageStartingWith(boxes, "Could not save \"Prj.lnd\": ");
    EXPECT_EQ(ws.files(), QStringList());
    EXPECT_EQ(saveButtons(), "Save") << "the user may try again";
    click(button(11, "cmdSave"));
    EXPECT_EQ(boxes.take(), QStringList());
    expectSameFiles(ws, dataFolder("basic_details/first_project"));
}

// Names as long as a field takes (32,767 characters) for the project, the
// product, the brand and both competitors, pasted: every field, the Save and
// a click on the project's row take well under a second; the files keep them.
TEST_F(Wizard, TheLongestNamesKeepEveryStepWithinASecond) {
    std::map<int, QStringList> values = homeLoan;
    for (int s : {1, 2, 3})
        for (int f = 1; f < values[s].size(); ++f)
            values[s][f] = QString(32767, QChar(u'A' + s * 3 + f));
    start();
    passThrough(values, false);
    QElapsedTimer timer;
    timer.start();
    click(button(11, "cmdSave"));
    clickRow(find<ui::GridView>("MSFG_Projects", mother), 1);
    settle();
    EXPECT_LT(timer.elapsed(), 1000) << "the Save and a click on the project";
    EXPECT_EQ(ws.read("Prj.lnd").size(), 3 * 32767 + 22) << "files keep the whole names";
    EXPECT_EQ(boxes.take(), QStringList());
}

// Ctrl+F2 shows the selected project's details file: its records and one
// empty row, nothing of the project shown before; under them what each
// brand's EMI costs a borrower a year (none without details).
TEST_F(Wizard, TheViewerShowsOnlyTheSelectedProjectsDetails) {
    copyFolder(dataFolder("basic_details/second_project"), ws);
    start();
    auto* projects = find<ui::GridView>("MSFG_Projects", mother);
    const std::tuple<int, int, QString> shown[] = {
        {1, 4, "Effective annual rate: Easy Home 23.39%, CityHome 21.92%, RuralNest 20.56%"},
        {2, 4, "Effective annual rate: Zoom 23.84%, CityHome 21.45%, RuralNest 19.61%"},
        {2, 1, ""}};
    for (const auto& [project, rows, rates] : shown) {
        if (rows == 1) {
            ASSERT_TRUE(QFile::remove(ws.filePath("2_pdtl.lnd")));
        }
        clickRow(projects, project);
        press(Qt::Key_F2, Qt::ControlModifier);
        QWidget* details = find("frmProjectDetails", mother);
        ASSERT_NE(details, nullptr);
        EXPECT_EQ(details->windowTitle(),
                  "Basic Details for " + rowTexts(projects, project).value(1));
        EXPECT_EQ(details->parentWidget()->pos(), QPoint(mother->projectsSize().width(), 0))
            << "beside All Projects, at the top";
        auto* view = find<ui::GridView>("MSFlexGrid1", details);
        EXPECT_EQ(headings(view).value(9), "Freebies");
        ASSERT_EQ(shownRows(view), rows) << project;
        EXPECT_EQ(rowTexts(view, 1).value(1), rows == 1 ? "" : project == 1 ? "Easy Home" : "Zoom");
        EXPECT_EQ(rowTexts(view, rows).join(""), "");
        EXPECT_EQ(projectNumber(), QString::number(project));
        auto* label = find<QLabel>("lblEffectiveRates", details);
        EXPECT_EQ(label->text(), rates);
        EXPECT_EQ(label->isHidden(), rates.isEmpty());
    }
}

} // namespace
