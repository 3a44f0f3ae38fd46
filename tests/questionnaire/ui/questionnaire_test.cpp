#include "questionnaire/preview_texts.h"
#include "questionnaire/ui/questionnaire_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/feature_texts.h"
#include "support/feature_window.h"
#include "support/golden.h"
#include "support/printing.h"
#include "support/program.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;

namespace {

// The preview of plan 1 shows segments, then products, then features, and
// Record tells the three choices without writing anything.
class Preview : public WindowTest {};

TEST_F(Preview, UnlocksProductsBySegmentAndRecordWritesNothing) {
    copyFolder(dataFolder("questionnaire/workspace"), ws);
    const QMap<QString, QString> texts = dataTexts("questionnaire/texts.tsv");
    start();
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
    press(Qt::Key_F5, Qt::ControlModifier);
    auto* window = find<QuestionnairePreviewWindow>("frmQuestionairePreview", mother);
    ASSERT_NE(window, nullptr);
    auto option = [window](const QString& name) { return find<QRadioButton>(name, window); };
    auto* segments = find<ui::GridView>("MSFG_Segments", window);
    EXPECT_EQ(find<QGroupBox>("Frame2", window)->title(), texts["frame2"]);
    click(find<QPushButton>("cmdRecord", window));
    clickRow(segments, 4);
    EXPECT_EQ(boxes.take(), textsOf(texts, {"nothingChosen", "noSegment"}));
    EXPECT_FALSE(option("Option1")->isEnabled() || find("Frame2", window)->isVisible());
    clickRow(segments, 2);
    EXPECT_EQ(find<QLabel>("lblSegment", window)->text(), texts["segment"]);
    EXPECT_TRUE(option("Option1")->isEnabled() && option("Option3")->isEnabled());
    for (const QStringList& product : dataRows("questionnaire/features.tsv")) {
        click(option("Option" + product[0]));
        EXPECT_EQ(find<QGroupBox>("Frame_Features", window)->title(),
                  "Features of Product " + product[0]);
        QStringList captions;
        for (const QString& name : questionnaire::featureOptionNames())
            captions << option(name)->text();
        EXPECT_EQ(captions, product.mid(1));
    }
    click(option("Option2"));
    click(option("Opt_Interest"));
    clickRow(segments, 1);
    click(find<QPushButton>("cmdRecord", window));
    EXPECT_EQ(boxes.take(), QStringList({texts["recorded"]}));
    expectSameFiles(ws, dataFolder("questionnaire/workspace"));
}

} // namespace
