#include "audience/segments_window.h"
#include "shell/main_window.h"
#include "shell/projects_window.h"
#include "widgets/grid_view.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace lendora;
using namespace lendora::test;

namespace {

QByteArray golden(const QString& name) {
    return readFile(QStringLiteral(AUDIENCE_DATA "/three_segments/") + name);
}

const QString definition = "Salaried, 25 to 40";
const QStringList threeSegments = {"Young, single", "Married, two incomes", "Near retirement"};

class AudienceWindows : public ::testing::Test {
protected:
    void TearDown() override { closeProgram(); }

    void start() {
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
    }
    void restart() {
        closeProgram();
        start();
    }

    QWidget* audienceForm() { return find("frmTragetAudience", mother); }
    SegmentsWindow* segmentsForm() { return find<SegmentsWindow>("frmTASegment", mother); }
    QPushButton* segmentButton(const char* name) { return find<QPushButton>(name, segmentsForm()); }
    QLineEdit* txtSegment() { return find<QLineEdit>("txtSegment", segmentsForm()); }
    QLineEdit* txtTADefine() { return find<QLineEdit>("txtTADefine", audienceForm()); }
    QString lblTAIndex() { return find<QLabel>("lblTAIndex", audienceForm())->text(); }
    QString lblSegIndex() { return find<QLabel>("lblSegIndex", segmentsForm())->text(); }
    ui::GridView* segmentTable() { return find<ui::GridView>("MSFG_TASegment", segmentsForm()); }
    ui::GridView* audienceTable() { return find<ui::GridView>("MSFG_TargetAudience", mother); }

    // A shortcut key of the main window. A closed message box leaves no
    // active window behind under offscreen, so the main window is activated
    // first, as the user's click on it would.
    void shortcut(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, key, modifiers);
    }

    // F3, the description, Next.
    void beginAudience(const QString& text) {
        shortcut(Qt::Key_F3);
        typeText(txtTADefine(), text);
        click(find<QPushButton>("cmdNext", audienceForm()));
    }
    void addSegment(const QString& text) {
        typeAndEnter(txtSegment(), text);
        click(segmentButton("cmdNext"));
    }
    void defineAudience(const QString& text, const QStringList& segments) {
        beginAudience(text);
        for (const QString& s : segments)
            addSegment(s);
        click(segmentButton("cmdFinish"));
    }

    // The enabled buttons of the segments window, in window order.
    QString enabledButtons() {
        QStringList on;
        for (const char* name :
             {"cmdNext", "cmdEdit", "cmdCancel", "cmdDelete", "cmdSave", "cmdBack", "cmdFinish"})
            if (segmentButton(name)->isEnabled())
                on << QString::fromLatin1(name).mid(3);
        return on.join(' ');
    }

    static QStringList rows(QAbstractItemModel* model) {
        QStringList texts;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            texts << cells.join('|');
        }
        return texts;
    }
    QStringList segmentRows() { return rows(segmentTable()->model()); }
    QStringList audienceRows() { return rows(audienceTable()->model()); }

    static QPoint placeOf(QWidget* form) {
        return qobject_cast<QMdiSubWindow*>(form->parentWidget())->pos();
    }
    QSize projectsSize() { return mother->projectsSize(); }
    int currentTab() {
        return find<QTabWidget>("SSTab1", find("frmProjects", mother))->currentIndex();
    }

    TempWorkspace ws;
    MainWindow* mother = nullptr;
};

TEST_F(AudienceWindows, FirstAudienceWithThreeSegmentsWritesItsThreeFiles) {
    // A leftover registry without its flag is not loaded, and record 1 replaces it.
    const std::vector<std::pair<QString, QByteArray>> leftovers = {
        {"", ""},
        {"ta.lnd", "1,\"Old\",\"2\"\r\n2,\"Older\",\"5\"\r\n"},
        {"TA.LND", "1,\"Old\",\"2\"\r\n"},
    };
    for (const auto& [name, bytes] : leftovers) {
        SCOPED_TRACE(name.toStdString());
        TempWorkspace workspace;
        if (!name.isEmpty())
            workspace.write(name, bytes);
        start();
        defineAudience(definition, threeSegments);
        EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|3", "||"}));
        EXPECT_EQ(enabledButtons(), "Save Back");
        click(segmentButton("cmdSave"));
        const QString registry = name.isEmpty() ? QString("ta.lnd") : name;
        EXPECT_EQ(workspace.read(registry), golden("ta.lnd"));
        EXPECT_EQ(workspace.read("1-segFile.lnd"), golden("1-segFile.lnd"));
        EXPECT_EQ(workspace.read("tfag.lnd"), golden("tfag.lnd"));
        EXPECT_EQ(workspace.files(), QStringList({"1-segFile.lnd", registry, "tfag.lnd"}));
        EXPECT_EQ(enabledButtons(), "Back") << "Save is disabled after a successful write";
        closeProgram();
    }
}

TEST_F(AudienceWindows, NewAndNextShowTheWindowsWithTheirCaptionsAndPlaces) {
    start();
    shortcut(Qt::Key_F3);
    QWidget* audience = audienceForm();
    ASSERT_NE(audience, nullptr);
    EXPECT_TRUE(audience->isVisible());
    EXPECT_EQ(audience->windowTitle(), "Target Audience");
    EXPECT_EQ(find<QGroupBox>("Frame1", audience)->title(), "Defining Target Audience");
    EXPECT_EQ(find<QLabel>("Label1", audience)->text(), "Serial # :");
    EXPECT_EQ(lblTAIndex(), "1");
    EXPECT_EQ(find<QPushButton>("cmdNext", audience)->text(), "Next");
    EXPECT_EQ(placeOf(audience), QPoint(0, projectsSize().height()));
    EXPECT_EQ(currentTab(), 1);

    typeText(txtTADefine(), definition);
    click(find<QPushButton>("cmdNext", audience));
    SegmentsWindow* segments = segmentsForm();
    ASSERT_NE(segments, nullptr);
    EXPECT_TRUE(segments->isVisible());
    EXPECT_FALSE(audience->isVisible());
    EXPECT_EQ(segments->windowTitle(), "Target Audience for Salaried, 25 to 40");
    EXPECT_EQ(placeOf(segments), QPoint(0, projectsSize().height()));
    EXPECT_EQ(find<QLabel>("Label1", segments)->text(), "Segment #:");
    EXPECT_EQ(find<QLabel>("Label3", segments)->text(), "Segment Discription:");
    EXPECT_NE(find<QGroupBox>("fraTASegments", segments), nullptr);
    QStringList captions;
    for (const char* name :
         {"cmdNext", "cmdEdit", "cmdCancel", "cmdDelete", "cmdSave", "cmdBack", "cmdFinish"})
        captions << segmentButton(name)->text();
    EXPECT_EQ(captions,
              QStringList({"Next", "Edit", "Cancel", "Delete", "Save", "Back", "Finish"}));
    auto* model = segmentTable()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "ID");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Discription");
    EXPECT_EQ(segmentRows(), QStringList({"|"}));
    EXPECT_EQ(lblSegIndex(), "1");
    EXPECT_EQ(segments->lblSegSel(), 0);
    EXPECT_EQ(enabledButtons(), "Back");
    EXPECT_EQ(QApplication::focusWidget(), txtSegment());

    click(segmentButton("cmdBack"));
    EXPECT_TRUE(audience->isVisible());
    EXPECT_FALSE(segments->isVisible());
    EXPECT_EQ(placeOf(audience), QPoint(0, projectsSize().height()));
    EXPECT_EQ(txtTADefine()->text(), definition);
}

TEST_F(AudienceWindows, NewAudienceHidesTheBasicDetailsWizard) {
    start();
    shortcut(Qt::Key_F2);
    auto* step = qobject_cast<QWidget*>(findAny("frmNewProject", mother, "QWidget"));
    if (!step || !step->isVisible())
        GTEST_SKIP() << "no Basic Details wizard in this build";
    shortcut(Qt::Key_F3);
    EXPECT_FALSE(step->isVisible());
    EXPECT_TRUE(audienceForm()->isVisible());
}

struct Step {
    const char* what;
    std::function<void()> act;
    const char* enabled;
    const char* segIndex;
    int segSel;
};

TEST_F(AudienceWindows, ButtonsFollowEachStep) {
    start();
    MessageBoxes boxes;
    beginAudience(definition);
    auto* segments = segmentsForm();
    auto enter = [&](const QString& text) {
        return [=, this] { typeAndEnter(txtSegment(), text); };
    };
    auto press = [&](const char* name) { return [=, this] { click(segmentButton(name)); }; };
    auto row = [&](int r) { return [=, this] { clickRow(segmentTable(), r); }; };
    const std::vector<Step> steps = {
        {"start", [] {}, "Back", "1", 0},
        {"Enter A", enter("A"), "Next Back", "1", 0},
        {"Next", press("cmdNext"), "Back Finish", "2", 0},
        {"Enter B", enter("B"), "Next Back Finish", "2", 0},
        {"Next", press("cmdNext"), "Back Finish", "3", 0},
        {"Enter C", enter("C"), "Next Back Finish", "3", 0},
        // A click selects the row; Next waits for an Enter in adding mode again.
        {"click row 1", row(1), "Edit Cancel Delete Back Finish", "1", 1},
        {"Enter in editing mode", enter("x"), "Edit Cancel Delete Back Finish", "1", 1},
        {"Cancel", press("cmdCancel"), "Cancel Back Finish", "3", 0},
        {"click row 2", row(2), "Edit Cancel Delete Back Finish", "2", 1},
        {"Enter x in editing mode", enter("x"), "Edit Cancel Delete Back Finish", "2", 1},
        {"Edit", press("cmdEdit"), "Back Finish", "3", 0},
        {"click the empty row", row(3), "Cancel Back Finish", "3", 1},
        {"Cancel", press("cmdCancel"), "Cancel Back Finish", "3", 0},
        {"Finish", press("cmdFinish"), "Cancel Save Back", "3", 0},
        {"Save", press("cmdSave"), "Cancel Back", "3", 0},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(enabledButtons(), step.enabled) << step.what;
        EXPECT_EQ(lblSegIndex(), step.segIndex) << step.what;
        EXPECT_EQ(segments->lblSegSel(), step.segSel) << step.what;
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"A\"\r\n2,\"x\"\r\n");
}

TEST_F(AudienceWindows, EnterInAnEmptyDescriptionAsksForOne) {
    start();
    MessageBoxes boxes;
    beginAudience(definition);
    typeAndEnter(txtSegment(), "");
    EXPECT_EQ(boxes.take(), QStringList({"Enter Discription of segment"}));
    EXPECT_EQ(boxes.titles().last(), "Lendora 2012");
    EXPECT_EQ(boxes.buttons().last(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(segmentButton("cmdNext")->isEnabled());
    click(segmentButton("cmdNext"));
    EXPECT_EQ(segmentRows(), QStringList({"|"}));
}

TEST_F(AudienceWindows, TwoAudiencesInOneRunGetConsecutiveNumbers) {
    start();
    defineAudience(definition, threeSegments);
    click(segmentButton("cmdSave"));
    shortcut(Qt::Key_F3);
    EXPECT_EQ(lblTAIndex(), "2");
    // The new audience does not carry the segments of the first.
    EXPECT_EQ(segmentRows(), QStringList({"|"}));
    EXPECT_EQ(lblSegIndex(), "1");
    EXPECT_EQ(enabledButtons(), "Back");
    typeText(txtTADefine(), "Retired");
    click(find<QPushButton>("cmdNext", audienceForm()));
    addSegment("Pension, no loan");
    click(segmentButton("cmdFinish"));
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|3", "2|Retired|1", "||"}));
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, 25 to 40\",\"3\"\r\n2,\"Retired\",\"1\"\r\n");
    EXPECT_FILE_BYTES(ws, "2-segFile.lnd", "1,\"Pension, no loan\"\r\n");
    EXPECT_EQ(ws.read("1-segFile.lnd"), golden("1-segFile.lnd"));
    shortcut(Qt::Key_F3);
    EXPECT_EQ(lblTAIndex(), "3");
}

TEST_F(AudienceWindows, DeleteAsksAndRenumbers) {
    start();
    MessageBoxes boxes;
    beginAudience(definition);
    for (const QString& s : threeSegments)
        addSegment(s);
    clickRow(segmentTable(), 2);
    boxes.answerNext(QMessageBox::No);
    click(segmentButton("cmdDelete"));
    EXPECT_EQ(boxes.take(), QStringList({"Are you sure you want to delete this segment?"}));
    EXPECT_EQ(boxes.buttons().last(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(segmentRows(),
              QStringList({"1|Young, single", "2|Married, two incomes", "3|Near retirement", "|"}));
    EXPECT_EQ(lblSegIndex(), "2");
    EXPECT_EQ(enabledButtons(), "Edit Cancel Delete Back Finish");

    boxes.answerNext(QMessageBox::Yes);
    click(segmentButton("cmdDelete"));
    EXPECT_EQ(boxes.take(), QStringList({"Are you sure you want to delete this segment?"}));
    EXPECT_EQ(segmentRows(), QStringList({"1|Young, single", "2|Near retirement", "3|"}));
    EXPECT_EQ(lblSegIndex(), "3");
    EXPECT_EQ(segmentsForm()->lblSegSel(), 1) << "Delete does not leave editing mode";
    // No segment is selected any more: a second Delete cannot hit the empty row.
    EXPECT_EQ(enabledButtons(), "Cancel Back Finish");

    click(segmentButton("cmdFinish"));
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|2", "||"}));
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"Young, single\"\r\n2,\"Near retirement\"\r\n");
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, 25 to 40\",\"2\"\r\n");
}

TEST_F(AudienceWindows, EditReplacesADescriptionAndCancelLeavesEditing) {
    start();
    beginAudience(definition);
    for (const QString& s : threeSegments)
        addSegment(s);
    clickRow(segmentTable(), 2, 1);
    EXPECT_EQ(txtSegment()->text(), "") << "the description is not copied into the field";
    typeText(txtSegment(), "Married, one income");
    click(segmentButton("cmdEdit"));
    EXPECT_EQ(segmentRows(),
              QStringList({"1|Young, single", "2|Married, one income", "3|Near retirement", "|"}));
    EXPECT_EQ(lblSegIndex(), "4");
    EXPECT_EQ(segmentsForm()->lblSegSel(), 0);
    EXPECT_EQ(txtSegment()->text(), "");

    clickRow(segmentTable(), 1);
    typeAndEnter(txtSegment(), "Students");
    EXPECT_FALSE(segmentButton("cmdNext")->isEnabled()) << "Enter in editing mode does nothing";
    click(segmentButton("cmdCancel"));
    EXPECT_EQ(segmentsForm()->lblSegSel(), 0);
    EXPECT_EQ(lblSegIndex(), "4");
    addSegment("Students");
    EXPECT_EQ(segmentRows(), QStringList({"1|Young, single", "2|Married, one income",
                                          "3|Near retirement", "4|Students", "|"}));
}

TEST_F(AudienceWindows, CommasSurviveASaveAndAReloadAfterARestart) {
    start();
    defineAudience("Salaried, 25 to 40, urban", {"Young, single, renting", "Married, 2 kids"});
    click(segmentButton("cmdSave"));
    restart();
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(1);
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40, urban|2", "||"}));
    clickRow(audienceTable(), 1);
    shortcut(Qt::Key_F3, Qt::ControlModifier);
    SegmentsWindow* segments = segmentsForm();
    ASSERT_NE(segments, nullptr);
    EXPECT_EQ(segmentRows(), QStringList({"1|Young, single, renting", "2|Married, 2 kids", "|"}));
    EXPECT_EQ(txtTADefine()->text(), "Salaried, 25 to 40, urban");
    EXPECT_TRUE(segments->isVisible());
    EXPECT_TRUE(audienceForm()->isVisible());
    EXPECT_EQ(placeOf(segments), QPoint(projectsSize().width(), 0));
    EXPECT_EQ(placeOf(audienceForm()), QPoint(0, projectsSize().height()));
    EXPECT_EQ(segments->windowTitle(), "Target Audience Segments");
    EXPECT_EQ(QApplication::focusWidget(), txtTADefine());
}

TEST_F(AudienceWindows, OpenClearsTheTableAndAMissingFileGivesAnEmptyOne) {
    ws.write("ta.lnd", "1,\"Salaried\",\"2\"\r\n2,\"Retired\",\"1\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ws.write("1-segFile.lnd", "1,\"Young\"\r\n2,\"Old\"\r\n");
    start();
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(1);
    clickRow(audienceTable(), 1);
    shortcut(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(segmentRows(), QStringList({"1|Young", "2|Old", "|"}));
    clickRow(audienceTable(), 2);
    shortcut(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(segmentRows(), QStringList({"|"}));
    EXPECT_EQ(txtTADefine()->text(), "Retired");
    EXPECT_EQ(lblSegIndex(), "1");
}

TEST_F(AudienceWindows, SaveIntoAReadOnlyFolderIsReportedAndCanBeRepeated) {
    start();
    MessageBoxes boxes;
    defineAudience(definition, threeSegments);
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(segmentButton("cmdSave"));
    ws.setReadOnly(false);
    const QStringList texts = boxes.take();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Could not save \"ta.lnd\"")) << texts[0].toStdString();
    EXPECT_TRUE(segmentButton("cmdSave")->isEnabled());
    EXPECT_EQ(ws.files(), QStringList());
    click(segmentButton("cmdSave"));
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(ws.read("ta.lnd"), golden("ta.lnd"));
    EXPECT_EQ(ws.read("1-segFile.lnd"), golden("1-segFile.lnd"));
    EXPECT_EQ(ws.read("tfag.lnd"), golden("tfag.lnd"));
    EXPECT_FALSE(segmentButton("cmdSave")->isEnabled());
}

TEST_F(AudienceWindows, ASaveRepeatedAfterAFailedSegmentFileAddsNoSecondRecord) {
    ws.write("ta.lnd", "1,\"Salaried\",\"1\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ASSERT_TRUE(QDir(ws.path()).mkdir("2-segFile.lnd"));
    start();
    MessageBoxes boxes;
    defineAudience("Retired", {"Pension"});
    click(segmentButton("cmdSave"));
    const QStringList texts = boxes.take();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("Could not save \"2-segFile.lnd\"")) << texts[0].toStdString();
    EXPECT_TRUE(segmentButton("cmdSave")->isEnabled());
    ASSERT_TRUE(QDir(ws.path()).rmdir("2-segFile.lnd"));
    click(segmentButton("cmdSave"));
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried\",\"1\"\r\n2,\"Retired\",\"1\"\r\n");
    EXPECT_FILE_BYTES(ws, "2-segFile.lnd", "1,\"Pension\"\r\n");
}

TEST_F(AudienceWindows, ChangesAfterFinishReachTheRowAndTheRecord) {
    start();
    MessageBoxes boxes;
    defineAudience(definition, {"A", "B"});
    addSegment("C");
    click(segmentButton("cmdFinish"));
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|3", "||"}))
        << "a second Finish keeps one empty row";
    clickRow(segmentTable(), 1);
    boxes.answerNext(QMessageBox::Yes);
    click(segmentButton("cmdDelete"));
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, 25 to 40\",\"2\"\r\n");
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"B\"\r\n2,\"C\"\r\n");
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|2", "||"}));
    shortcut(Qt::Key_F3);
    EXPECT_EQ(lblTAIndex(), "2");
}

TEST_F(AudienceWindows, AFinishedButUnsavedAudienceGivesItsNumberToTheNext) {
    start();
    defineAudience("Draft", {"A"});
    EXPECT_EQ(audienceRows(), QStringList({"1|Draft|1", "||"}));
    beginAudience("Salaried");
    EXPECT_EQ(lblTAIndex(), "1");
    EXPECT_EQ(audienceRows(), QStringList({"||"}));
    addSegment("B");
    click(segmentButton("cmdFinish"));
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried\",\"1\"\r\n");
    restart();
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried|1", "||"}));
}

TEST_F(AudienceWindows, AnOpenedAudienceIsNeverSavedAgain) {
    ws.write("ta.lnd", "1,\"Salaried\",\"1\"\r\n2,\"Retired\",\"1\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ws.write("2-segFile.lnd", "1,\"Pension\"\r\n");
    const QStringList before = ws.files();
    start();
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(1);
    clickRow(audienceTable(), 2);
    shortcut(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(lblTAIndex(), "1") << "Open does not change the serial number";
    EXPECT_EQ(enabledButtons(), "Back");
    addSegment("Widowed");
    EXPECT_EQ(segmentRows(), QStringList({"1|Pension", "2|Widowed", "|"}));
    EXPECT_EQ(enabledButtons(), "Back");
    clickRow(segmentTable(), 1);
    EXPECT_FALSE(segmentButton("cmdSave")->isEnabled());
    EXPECT_FALSE(segmentButton("cmdFinish")->isEnabled());
    EXPECT_EQ(ws.files(), before);
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried\",\"1\"\r\n2,\"Retired\",\"1\"\r\n");
    EXPECT_FILE_BYTES(ws, "2-segFile.lnd", "1,\"Pension\"\r\n");
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried|1", "2|Retired|1", "||"}));

    // A new audience after it is numbered on and saved as usual.
    defineAudience("Students", {"Campus"});
    EXPECT_EQ(lblTAIndex(), "3");
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "ta.lnd",
                      "1,\"Salaried\",\"1\"\r\n2,\"Retired\",\"1\"\r\n3,\"Students\",\"1\"\r\n");
}

} // namespace
