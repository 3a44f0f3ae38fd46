#include "poll/poll_window.h"
#include "shell/main_window.h"
#include "widgets/grid_view.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"
#include "survey_import/survey_import_support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const fieldNames[3][7] = {{"txtBInterest", "txtBMIE", "txtBMLV", "txtBMLP",
                                       "txtBRepaymenyPeriod", "txtBEMI", "txtBFreebies"},
                                      {"txtC1Interest", "txtC1MEI", "txtC1MLV", "txtC1MLP",
                                       "txtC1RepaymentPeriod", "txtC1EMI", "txtC1Freebies"},
                                      {"txtC2Interest", "txtC2MEI", "txtC2MLV", "txtC2MLP",
                                       "txtC2RepaymentPeriod", "txtC2EMI", "txtC2Freebies"}};
const char* const prefixes[3] = {"B", "C1", "C2"};
const QStringList writtenFiles = {"11_01.lnd", "11_11.lnd", "11_21.lnd", "pptb.lnd"};

// Runs `act` once on the window of that objectName as soon as it is shown
// (a modal dialog runs its own event loop, so the test acts from a timer).
void whenShown(const QString& name, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == name) {
                timer->stop();
                timer->deleteLater();
                act(window);
                return;
            }
    });
    timer->start();
}

class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        const QDir dir(surveyData(QStringLiteral("workspace")));
        for (const QString& name : dir.entryList(QDir::Files))
            ws.write(name, readFile(dir.filePath(name)));
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
        find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
    }
    void TearDown() override { closeProgram(); }

    PollDataEntryWindow* openWindow() {
        pressShortcut(mother, Qt::Key_F5);
        settle();
        return qobject_cast<PollDataEntryWindow*>(mother->form("frmPollDataEntry"));
    }
    void save(PollDataEntryWindow* window) {
        for (int k = 0; k < 3; ++k) {
            find<QTabWidget>("SSTab1", window)->setCurrentIndex(k);
            click(find<QPushButton>(QStringLiteral("cmd%1Save").arg(prefixes[k]), window));
        }
    }
    std::map<QString, QByteArray> files() {
        std::map<QString, QByteArray> bytes;
        for (const QString& name : ws.files())
            bytes[name] = ws.read(name);
        return bytes;
    }

    TempWorkspace ws;
    MainWindow* mother = nullptr;
};

// The count that every_cell.csv holds for segment s, product p and feature f
// (all from 0).
int everyCellCount(int s, int p, int f) {
    return 1 + (s + 2 * p + f) % 3;
}

// The menu entry opens the window and the file dialog; the mapping page shows
// the reconciliation; Import fills the three tables, and saving each product
// writes the poll files and flag that typing the same counts writes.
TEST_F(ImportWindow, ImportedCountsSaveAsTypedCountsDo) {
    MessageBoxes boxes;
    QString shownReconciliation;
    whenShown(QStringLiteral("dlgImportResponses"), [](QWidget* dialog) {
        auto* files = static_cast<QFileDialog*>(dialog);
        files->selectFile(surveyData(QStringLiteral("every_cell.csv")));
        static_cast<QDialog*>(files)->accept();
    });
    whenShown(QStringLiteral("frmImportResponses"), [&](QWidget* page) {
        shownReconciliation = find<QLabel>("lblReconciliation", page)->text();
        click(find<QPushButton>("cmdImport", page));
    });
    QAction* entry = mother->entry(QStringLiteral("mnuImportResponses"));
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    settle();
    auto* window = qobject_cast<PollDataEntryWindow*>(mother->form("frmPollDataEntry"));
    ASSERT_NE(window, nullptr);
    const QString reconciliation = "126 respondents read: 126 counted; skipped: 0 unknown "
                                   "segment, 0 no product, 0 no feature, 0 blank rows";
    EXPECT_EQ(shownReconciliation, reconciliation);
    EXPECT_EQ(find<QLabel>("lblImportReconciliation", window)->text(), reconciliation);
    save(window);
    EXPECT_EQ(boxes.texts(), QStringList());
    EXPECT_TRUE(ws.exists(QStringLiteral("pollmap.lnd")));
    std::map<QString, QByteArray> imported;
    for (const QString& name : writtenFiles)
        imported[name] = ws.read(name);
    EXPECT_TRUE(imported["pptb.lnd"].contains("\"111\""));
    closeProgram();

    // The same counts typed into a fresh copy of the workspace.
    for (const QString& name : writtenFiles)
        QFile::remove(ws.filePath(name));
    SetUp();
    PollDataEntryWindow* typed = openWindow();
    ASSERT_NE(typed, nullptr);
    for (int p = 0; p < 3; ++p) {
        find<QTabWidget>("SSTab1", typed)->setCurrentIndex(p);
        for (int s = 0; s < 3; ++s) {
            for (int f = 0; f < 7; ++f)
                typeAndEnter(find<QLineEdit>(fieldNames[p][f], typed),
                             QString::number(everyCellCount(s, p, f)));
            click(find<QPushButton>(QStringLiteral("cmd%1Next").arg(prefixes[p]), typed));
        }
    }
    save(typed);
    EXPECT_EQ(boxes.texts(), QStringList());
    for (const QString& name : writtenFiles)
        EXPECT_EQ(visible(imported[name]), visible(ws.read(name))) << qPrintable(name);
}

struct Refusal {
    const char* file;
    const char* message;
    bool mappingPage; // the file is read and its mapping page shown
};

class ImportRefusal : public ImportWindow, public ::testing::WithParamInterface<Refusal> {};

// A file that cannot be read, or one whose mapping counts nobody, is
// answered with a message; no file and no table changes.
TEST_P(ImportRefusal, ChangesNothing) {
    MessageBoxes boxes;
    PollDataEntryWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    const std::map<QString, QByteArray> before = files();
    const poll::PollEntry entryBefore = window->entry();
    if (GetParam().mappingPage)
        whenShown(QStringLiteral("frmImportResponses"), [](QWidget* page) {
            click(find<QPushButton>("cmdImport", page));
            click(find<QPushButton>("cmdCancelImport", page));
        });
    window->importFile(surveyData(QString::fromLatin1(GetParam().file)));
    settle();
    EXPECT_EQ(boxes.texts(), QStringList(QString::fromUtf8(GetParam().message)));
    EXPECT_EQ(files(), before);
    for (int k = 0; k < 3; ++k) {
        const Grid& table = window->entry().tabs[size_t(k)].table;
        for (int r = 0; r < table.rowCount(); ++r)
            EXPECT_EQ(table.rowTexts(r), entryBefore.tabs[size_t(k)].table.rowTexts(r));
        EXPECT_FALSE(window->entry().completeFlag(k));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportRefusal,
    ::testing::Values(
        Refusal{"empty.csv", "The file is empty: empty.csv", false},
        Refusal{"binary.csv",
                "The file is neither comma-separated text nor an SPSS data file: binary.csv",
                false},
        Refusal{"ragged.csv", "Line 3 has 3 fields where the header has 5: ragged.csv", false},
        Refusal{"no_segment.csv",
                "No respondent is counted: choose the columns and the answers that name the "
                "plan's segments, products and features",
                true}));

// The second wave gets the first wave's mapping: an answer the user set to
// count for a segment counts again without being set.
TEST_F(ImportWindow, TheSecondWaveImportsWithTheFirstWavesMapping) {
    PollDataEntryWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    whenShown(QStringLiteral("frmImportResponses"), [](QWidget* page) {
        auto* answers = find<QTableWidget>("tblSegmentAnswers", page);
        for (int a = 0; a < answers->rowCount(); ++a)
            if (answers->item(a, 0)->text() == "Retired")
                static_cast<QComboBox*>(answers->cellWidget(a, 2))->setCurrentIndex(2);
        click(find<QPushButton>("cmdImport", page));
    });
    window->importFile(surveyData(QStringLiteral("one_header.csv")));
    settle();
    QString second;
    whenShown(QStringLiteral("frmImportResponses"), [&](QWidget* page) {
        second = find<QLabel>("lblReconciliation", page)->text();
        click(find<QPushButton>("cmdImport", page));
    });
    window->importFile(surveyData(QStringLiteral("windows1252.csv")));
    settle();
    EXPECT_EQ(second, "16 respondents read: 13 counted; skipped: 0 unknown segment, 1 no "
                      "product, 1 no feature, 1 blank rows");
    // Segment 2 of the own product: one more Interest (the retired respondent).
    EXPECT_EQ(window->entry().tabs[0].table.rowTexts(2),
              QStringList({"Self employed", "1", "0", "0", "0", "2", "0", "0", "3"}));
}

} // namespace
