#include "audience/ui/segments_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"

#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

const QString definition = "Salaried, 25 to 40";
const QStringList threeSegments = {"Young, single", "Married, two incomes", "Near retirement"};

class AudienceWindows : public WindowTest {
protected:
    QWidget* audienceForm() { return find("frmTragetAudience", mother); }
    SegmentsWindow* segmentsForm() { return find<SegmentsWindow>("frmTASegment", mother); }
    QPushButton* segmentButton(const QString& name) {
        return find<QPushButton>(name, segmentsForm());
    }
    QLineEdit* txtSegment() { return find<QLineEdit>("txtSegment", segmentsForm()); }
    QLineEdit* txtTADefine() { return find<QLineEdit>("txtTADefine", audienceForm()); }
    QString lblTAIndex() { return find<QLabel>("lblTAIndex", audienceForm())->text(); }
    QString lblSegIndex() { return find<QLabel>("lblSegIndex", segmentsForm())->text(); }
    ui::GridView* segmentTable() { return find<ui::GridView>("MSFG_TASegment", segmentsForm()); }
    QString enabled() {
        return enabledButtons(segmentsForm(), {"cmdNext", "cmdEdit", "cmdCancel", "cmdDelete",
                                               "cmdSave", "cmdBack", "cmdFinish"});
    }
    // "number|description" of every shown row.
    static QStringList rows(ui::GridView* view) {
        QStringList texts;
        for (int r = 1; r <= shownRows(view); ++r)
            texts << rowTexts(view, r).join(u'|');
        return texts;
    }
    QStringList audienceRows() { return rows(find<ui::GridView>("MSFG_TargetAudience", mother)); }

    // F3, the description, Next.
    void beginAudience(const QString& text) {
        start();
        press(Qt::Key_F3);
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
};

TEST_F(AudienceWindows, AnAudienceWithThreeSegmentsWritesItsThreeFiles) {
    beginAudience(definition);
    EXPECT_EQ(segmentsForm()->windowTitle(), "Target Audience for Salaried, 25 to 40");
    EXPECT_FALSE(audienceForm()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), txtSegment());
    click(segmentButton("cmdBack"));
    EXPECT_EQ(txtTADefine()->text(), definition);
    defineAudience(definition, threeSegments);
    EXPECT_EQ(audienceRows(), QStringList({"1|Salaried, 25 to 40|3", "||"}));
    EXPECT_EQ(enabled(), "Save Back");
    click(segmentButton("cmdSave"));
    expectSameFiles(ws, dataFolder("audience/three_segments"));
    EXPECT_EQ(enabled(), "Back") << "Save is disabled after a successful write";
    press(Qt::Key_F3);
    EXPECT_EQ(lblTAIndex(), "2");
    EXPECT_EQ(rows(segmentTable()), QStringList({"|"})) << "the new audience starts empty";
}

TEST_F(AudienceWindows, ButtonsFollowEachStep) {
    beginAudience(definition);
    EXPECT_EQ(enabled(), "Back");
    for (const QStringList& step : dataRows("audience/steps.tsv")) {
        SCOPED_TRACE(qPrintable(step.mid(0, 2).join(u' ')));
        if (step[0] == "enter")
            typeAndEnter(txtSegment(), step[1]);
        else if (step[0] == "press")
            click(segmentButton(step[1]));
        else
            clickRow(segmentTable(), step[1].toInt());
        EXPECT_EQ(enabled(), step[2]);
        EXPECT_EQ(lblSegIndex(), step[3]);
        EXPECT_EQ(int(segmentsForm()->rowSelected()), step[4].toInt());
    }
    EXPECT_EQ(boxes.take(), QStringList());
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"A\"\r\n2,\"x\"\r\n");
}

TEST_F(AudienceWindows, AnEmptyDescriptionIsRefusedAndDeleteAsksAndRenumbers) {
    beginAudience(definition);
    typeAndEnter(txtSegment(), "");
    EXPECT_EQ(boxes.take(), QStringList({"Enter Discription of segment"}));
    EXPECT_EQ(enabled(), "Back");
    for (const QString& s : threeSegments)
        addSegment(s);
    const QString question = "Are you sure you want to delete this segment?";
    for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        clickRow(segmentTable(), 2);
        boxes.answerNext(answer);
        click(segmentButton("cmdDelete"));
        EXPECT_EQ(boxes.take(), QStringList({question}));
        EXPECT_EQ(boxes.buttons().last(), QMessageBox::Yes | QMessageBox::No);
    }
    EXPECT_EQ(rows(segmentTable()), QStringList({"1|Young, single", "2|Near retirement", "3|"}));
    EXPECT_EQ(enabled(), "Cancel Back Finish") << "Delete cannot hit the empty row";
    click(segmentButton("cmdFinish"));
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"Young, single\"\r\n2,\"Near retirement\"\r\n");
    EXPECT_FILE_BYTES(ws, "ta.lnd", "1,\"Salaried, 25 to 40\",\"2\"\r\n");
}

TEST_F(AudienceWindows, SaveIntoAReadOnlyFolderIsReportedAndCanBeRepeated) {
    defineAudience(definition, threeSegments);
    if (!ws.setReadOnly(true))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    click(segmentButton("cmdSave"));
    ws.setReadOnly(false);
    expectOneMessageStartingWith(boxes, "Could not save \"ta.lnd\"");
    EXPECT_EQ(ws.files(), QStringList());
    EXPECT_EQ(enabled(), "Save Back");
    click(segmentButton("cmdSave"));
    EXPECT_EQ(boxes.take(), QStringList());
    expectSameFiles(ws, dataFolder("audience/three_segments"));
}

// An opened audience shows its stored segments (commas and all) and is never
// saved again; the next new audience is numbered after the stored ones.
TEST_F(AudienceWindows, AnOpenedAudienceIsNeverSavedAgain) {
    ws.write("ta.lnd", "1,\"Salaried, urban\",\"2\"\r\n2,\"Retired\",\"1\"\r\n");
    ws.write("tfag.lnd", "1\r\n");
    ws.write("1-segFile.lnd", "1,\"Young, single, renting\"\r\n2,\"Married\"\r\n");
    start();
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(1);
    clickRow(find<ui::GridView>("MSFG_TargetAudience", mother), 1);
    press(Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(rows(segmentTable()), QStringList({"1|Young, single, renting", "2|Married", "|"}));
    EXPECT_EQ(txtTADefine()->text(), "Salaried, urban");
    EXPECT_EQ(segmentsForm()->windowTitle(), "Target Audience Segments");
    EXPECT_EQ(lblTAIndex(), "1") << "Open does not change the serial number";
    addSegment("Widowed");
    EXPECT_EQ(enabled(), "Back");
    EXPECT_FILE_BYTES(ws, "1-segFile.lnd", "1,\"Young, single, renting\"\r\n2,\"Married\"\r\n");
    defineAudience("Students", {"Campus"});
    EXPECT_EQ(lblTAIndex(), "3");
    click(segmentButton("cmdSave"));
    EXPECT_FILE_BYTES(
        ws, "ta.lnd",
        "1,\"Salaried, urban\",\"2\"\r\n2,\"Retired\",\"1\"\r\n3,\"Students\",\"1\"\r\n");
    EXPECT_FILE_BYTES(ws, "3-segFile.lnd", "1,\"Campus\"\r\n");
}

} // namespace
