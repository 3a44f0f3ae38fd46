#include "questionnaire/preview_texts.h"
#include "questionnaire/questionnaire_window.h"
#include "shell/main_window.h"
#include "widgets/grid_view.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/workspace.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace lendora;
using namespace lendora::test;

namespace {

TEST(FreebiesText, ShortestDecimalOfTheLeadingNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"0500", "500"}, {"12.50", "12.5"}, {"1500 cash", "1500"}, {"", "0"},
        {"none", "0"},   {"0.1", "0.1"},    {"-25", "-25"},        {"1e40", "1"}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(questionnaire::freebiesText(stored), shown) << stored;
}

const QByteArray details =
    "1,\"Home Loan\",\"EH\",\"40\",\"11.5\",\"20000\",\"500000\",\"80\",\"60\",\"10996.\","
    "\"0\"\r\n"
    "2,\"Metro Bank\",\"MB\",\"35\",\"12.25\",\"25000\",\"400000\",\"75\",\"48\",\"10533.\","
    "\"1500.0\"\r\n"
    "3,\"City Credit\",\"CC\",\"25\",\"10.75\",\"18000\",\"450000\",\"85\",\"72\",\"8645.\","
    "\"0500\"\r\n";

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        ws.write("Prj.lnd", "1,\"Other\",\"x\",\"y\",\"Active\"\r\n"
                            "2,\"Home Loan\",\"Easy Home\",\"EH\",\"Active\"\r\n");
        ws.write("flag.lnd", "1\r\n");
        ws.write("ta.lnd", "1,\"Other\",\"1\"\r\n2,\"Salaried\",\"3\"\r\n");
        ws.write("tfag.lnd", "1\r\n");
        ws.write("pptb.lnd", "1,\"2\",\"Home Loan\",\"2\",\"Salaried\",\"000\",\"No\"\r\n");
        ws.write("ppflag.lnd", "1\r\n");
        ws.write("2_pdtl.lnd", details);
        ws.write("2-segFile.lnd", "1,\"Salaried 25 to 35\"\r\n2,\"Salaried, over 35\"\r\n"
                                  "3,\"Self-employed\"\r\n");
        mother = startProgram();
        ASSERT_NE(mother, nullptr);
        QWidget* all = find("frmProjects", mother);
        find<QTabWidget>("SSTab1", all)->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", all), 1);
        ASSERT_TRUE(mother->entry("mnuQP")->isEnabled());
        openPreview();
        window = find<QuestionnairePreviewWindow>("frmQuestionairePreview", mother);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { closeProgram(); }

    // Go > Open > Questionaire Preview by its key, Ctrl+F5.
    void openPreview() {
        mother->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mother));
        pressShortcut(mother, Qt::Key_F5, Qt::ControlModifier);
        settle();
    }

    ui::GridView* segments() { return find<ui::GridView>("MSFG_Segments", window); }
    QRadioButton* option(const QString& name) { return find<QRadioButton>(name, window); }
    QGroupBox* frame(const char* name) { return find<QGroupBox>(name, window); }
    QStringList featureCaptions() {
        QStringList captions;
        for (const QString& name : questionnaire::featureOptionNames())
            captions << option(name)->text();
        return captions;
    }
    bool productsEnabled() {
        return option("Option1")->isEnabled() && option("Option2")->isEnabled() &&
               option("Option3")->isEnabled();
    }
    QString lblSegment() { return find<QLabel>("lblSegment", window)->text(); }
    std::map<QString, QByteArray> folderContent() {
        std::map<QString, QByteArray> content;
        for (const QString& name : ws.files())
            content[name] = ws.read(name);
        return content;
    }

    TempWorkspace ws;
    MessageBoxes boxes;
    MainWindow* mother = nullptr;
    QuestionnairePreviewWindow* window = nullptr;
};

TEST_F(Preview, ShowsTheSegmentsBelowAllProjectsWithTheProductsLocked) {
    auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isVisible());
    EXPECT_EQ(child->pos(), QPoint(0, mother->projectsSize().height()));
    EXPECT_EQ(window->windowTitle(), "");
    auto* model = segments()->model();
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Discription");
    EXPECT_EQ(model->index(1, 1).data().toString(), "Salaried, over 35");
    EXPECT_EQ(model->index(3, 0).data().toString(), "");
    EXPECT_EQ(frame("Frame1")->title(), "Select the Description that suits you best");
    EXPECT_EQ(frame("Frame2")->title(), "Select any product");
    EXPECT_TRUE(frame("Frame1")->isVisible());
    EXPECT_FALSE(frame("Frame2")->isVisible());
    EXPECT_FALSE(frame("Frame_Features")->isVisible());
    EXPECT_EQ(lblSegment(), "");
    EXPECT_FALSE(option("Option1")->isEnabled() || option("Option2")->isEnabled() ||
                 option("Option3")->isEnabled());
    EXPECT_EQ(option("Option3")->text(), "Product 3");
    EXPECT_EQ(find<QPushButton>("cmdRecord", window)->text(), "Record");
    // The details behind the options: own product, competitor 1, competitor 2.
    auto* detailModel = find<ui::GridView>("MSFG_ProjectDetails", window)->model();
    ASSERT_EQ(detailModel->rowCount(), 4);
    EXPECT_EQ(detailModel->index(2, 0).data().toString(), "City Credit");
    EXPECT_EQ(detailModel->headerData(0, Qt::Horizontal).toString(), "");
}

TEST_F(Preview, TheEmptyLastRowIsNoSegmentAndARealOneUnlocksTheProducts) {
    clickRow(segments(), 4);
    EXPECT_EQ(boxes.take(), QStringList({"No segment selected"}));
    EXPECT_FALSE(productsEnabled() || option("Option1")->isEnabled());
    EXPECT_FALSE(frame("Frame2")->isVisible());
    EXPECT_EQ(lblSegment(), "");
    clickRow(segments(), 2);
    EXPECT_TRUE(boxes.take().isEmpty());
    EXPECT_EQ(lblSegment(), "You have selected Salaried, over 35");
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_TRUE(productsEnabled());
    EXPECT_FALSE(frame("Frame_Features")->isVisible());
}

TEST_F(Preview, EachProductShowsItsOwnFeatureCaptions) {
    clickRow(segments(), 1);
    struct Case {
        int product;
        QStringList captions;
    };
    const Case cases[] = {
        {3,
         {"Interest - 10.75", "Maximum Eligible Income - 18000", "Maximum Loan Value - 450000",
          "Maximum Loan Percentage - 85", "Repament Period - 72", "Freebies - 500"}},
        {2,
         {"Interest - 12.25", "Maximum Eligible Income - 25000", "Maximum Loan Value - 400000",
          "Maximum Loan Percentage - 75", "Repament Period - 48", "Freebies - 1500"}},
        {1,
         {"Interest - 11.5", "Maximum Eligible Income - 20000", "Maximum Loan Value - 500000",
          "Maximum Loan Percentage - 80", "Repament Period - 60", "Freebies - 0"}},
    };
    for (const Case& c : cases) {
        const QString name = "Option" + QString::number(c.product);
        click(option(name));
        EXPECT_EQ(window->lblProduct(), "Product " + QString::number(c.product));
        EXPECT_EQ(frame("Frame_Features")->title(),
                  "Features of Product " + QString::number(c.product));
        EXPECT_TRUE(frame("Frame_Features")->isVisible());
        EXPECT_EQ(featureCaptions(), c.captions) << "product " << c.product;
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(option("Option" + QString::number(k))->isChecked(), k == c.product);
    }
    if (const QString folder = screenshotFolder(); !folder.isEmpty()) {
        click(option("Opt_MLV"));
        settle(50);
        window->grab().save(folder + "/questionnaire.png");
        mother->grab().save(folder + "/questionnaire_all.png");
    }
}

TEST_F(Preview, RecordShowsTheThreeAnswersAndWritesNothing) {
    const auto before = folderContent();
    click(find<QPushButton>("cmdRecord", window));
    EXPECT_EQ(boxes.take(), QStringList({", \r\nProduct - , \r\nand\r\nFeature - "}));
    clickRow(segments(), 1);
    click(option("Option2"));
    click(option("Opt_Interest"));
    EXPECT_EQ(window->lblOption(), "Interest - 12.25");
    click(find<QPushButton>("cmdRecord", window));
    click(find<QPushButton>("cmdRecord", window));
    const QString message = "You have selected Salaried 25 to 35, \r\n"
                            "Product - Product 2, \r\n"
                            "and\r\n"
                            "Feature - Interest - 12.25";
    EXPECT_EQ(boxes.take(), QStringList({message, message}));
    // A new segment keeps the product and feature chosen.
    clickRow(segments(), 3);
    click(find<QPushButton>("cmdRecord", window));
    EXPECT_EQ(boxes.take(), QStringList({"You have selected Self-employed, \r\nProduct - Product "
                                         "2, \r\nand\r\nFeature - Interest - 12.25"}));
    EXPECT_EQ(folderContent(), before);
    EXPECT_EQ(rowTexts(find<ui::GridView>("MSFG_ProjectPlans", mother), 1).value(5), "000");
}

TEST_F(Preview, MissingDetailsLeaveTheValuesEmptyAndFreebiesZero) {
    ws.write("2_pdtl.lnd", "");
    openPreview();
    EXPECT_EQ(find<ui::GridView>("MSFG_ProjectDetails", window)->model()->rowCount(), 1);
    clickRow(segments(), 1);
    click(option("Option1"));
    EXPECT_EQ(featureCaptions(),
              QStringList({"Interest - ", "Maximum Eligible Income - ", "Maximum Loan Value - ",
                           "Maximum Loan Percentage - ", "Repament Period - ", "Freebies - 0"}));
}

} // namespace
