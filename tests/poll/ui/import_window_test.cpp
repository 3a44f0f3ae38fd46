#include "poll/ui/poll_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "poll/survey_import_support.h"
#include "support/golden.h"
#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const prefixes[3] = {"B", "C1", "C2"};
const QStringList writtenFiles = {"11_01.lnd", "11_11.lnd", "11_21.lnd", "pptb.lnd"};

// Runs `act` once on the window of that objectName as soon as it is shown
// (a modal dialog runs its own event loop, so the test acts from a timer).
// The timer stops with the returned pointer.
std::unique_ptr<QTimer> whenShown(const QString& name, std::function<void(QWidget*)> act) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(10);
    QObject::connect(timer.get(), &QTimer::timeout, [timer = timer.get(), name, act] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == name) {
                timer->stop();
                act(window);
                return;
            }
    });
    timer->start();
    return timer;
}

class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        copyFolder(surveyData(QStringLiteral("workspace")), ws);
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
    const auto fileDialog = whenShown(QStringLiteral("dlgImportResponses"), [](QWidget* dialog) {
        auto* files = static_cast<QFileDialog*>(dialog);
        files->selectFile(surveyData(QStringLiteral("every_cell.csv")));
        static_cast<QDialog*>(files)->accept();
    });
    const auto page = whenShown(QStringLiteral("frmImportResponses"), [&](QWidget* page) {
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
    std::map<QString, QByteArray> imported = files();
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
            // The seven entry fields of the tab, in entry order.
            const auto fields =
                find(QStringLiteral("tab%1").arg(p), typed)->findChildren<QLineEdit*>();
            for (int f = 0; f < 7; ++f)
                typeAndEnter(fields[f], QString::number(everyCellCount(s, p, f)));
            click(find<QPushButton>(QStringLiteral("cmd%1Next").arg(prefixes[p]), typed));
        }
    }
    save(typed);
    EXPECT_EQ(boxes.texts(), QStringList());
    for (const QString& name : writtenFiles)
        EXPECT_EQ(visible(imported[name]), visible(ws.read(name))) << qPrintable(name);
}

// Files that cannot be read, and one whose mapping counts nobody, each with
// the message it gets (refusals.txt: file name, tab, message): no file and
// no table changes.
TEST_F(ImportWindow, RefusedFilesChangeNothing) {
    MessageBoxes boxes;
    PollDataEntryWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    const std::map<QString, QByteArray> before = files();
    std::array<ProductCounts, 3> tables;
    for (int k = 0; k < 3; ++k)
        tables[size_t(k)] = poll::productCounts(window->entry().tabs[size_t(k)].table);
    const auto refusals = QString::fromUtf8(readFile(surveyData(QStringLiteral("refusals.txt"))))
                              .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& refusal : refusals) {
        const QStringList parts = refusal.split(u'\t');
        const auto page = whenShown(QStringLiteral("frmImportResponses"), [](QWidget* page) {
            click(find<QPushButton>("cmdImport", page));
            click(find<QPushButton>("cmdCancelImport", page));
        });
        window->importFile(surveyData(parts[0]));
        settle();
        EXPECT_EQ(boxes.take(), QStringList(parts[1]));
        EXPECT_EQ(files(), before) << qPrintable(parts[0]);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(poll::productCounts(window->entry().tabs[size_t(k)].table), tables[size_t(k)]);
            EXPECT_FALSE(window->entry().completeFlag(k));
        }
    }
}

// The second wave gets the first wave's mapping: an answer the user set to
// count for a segment counts again without being set.
TEST_F(ImportWindow, TheSecondWaveImportsWithTheFirstWavesMapping) {
    PollDataEntryWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    auto page = whenShown(QStringLiteral("frmImportResponses"), [](QWidget* page) {
        auto* answers = find<QTableWidget>("tblSegmentAnswers", page);
        for (int a = 0; a < answers->rowCount(); ++a)
            if (answers->item(a, 0)->text() == "Retired")
                static_cast<QComboBox*>(answers->cellWidget(a, 2))->setCurrentIndex(2);
        click(find<QPushButton>("cmdImport", page));
    });
    window->importFile(surveyData(QStringLiteral("one_header.csv")));
    settle();
    QString second;
    page = whenShown(QStringLiteral("frmImportResponses"), [&](QWidget* page) {
        second = find<QLabel>("lblReconciliation", page)->text();
        click(find<QPushButton>("cmdImport", page));
    });
    window->importFile(surveyData(QStringLiteral("windows1252.csv")));
    settle();
    EXPECT_EQ(second, "16 respondents read: 13 counted; skipped: 0 unknown segment, 1 no "
                      "product, 1 no feature, 1 blank rows");
}

} // namespace
