#include "analysis/analysis_session.h"
#include "analysis/forecast.h"
#include "analysis/strategy_search.h"
#include "analysis/ui/analysis_window_fixture.h"
#include "analysis/ui/pareto_view.h"
#include "workspace/plan_codecs.h"
#include "workspace/workspace.h"

#include "support/message_boxes.h"
#include "support/program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <random>

using namespace lendora;
using namespace lendora::test;

namespace {

// The stored business case of plan 1 (three segments).
BusinessCase planBusinessCase() {
    BusinessCase inputs;
    inputs.borrowers = {12000, 30000, 8000};
    inputs.averageLoanPercent = 70;
    inputs.costOfFunds = 9;
    inputs.acquisitionCost = 1500;
    return inputs;
}

class SuggestObjectiveTest : public AnalysisWindowFixture {
public:
    // Plan 1 opened with `businessCase` as its file (none when empty), and
    // its "Suggest strategies" dialog with interest and loan value free.
    QDialog* openSuggestions(const QByteArray& businessCase) {
        ws.write("pptb.lnd", plansRegistry("No"));
        if (!businessCase.isEmpty())
            ws.write("1_0bc.lnd", businessCase);
        start();
        if (!open(1))
            return nullptr;
        return suggestAgain();
    }
    QDialog* suggestAgain() {
        click(button("cmdSuggest"));
        auto* dialog = find<QDialog>("dlgSuggest", window);
        find<QCheckBox>("chkSuggest1", dialog)->setChecked(true);
        find<QCheckBox>("chkSuggest3", dialog)->setChecked(true);
        return dialog;
    }
    QComboBox* objective(QDialog* dialog) { return find<QComboBox>("cboSuggestObjective", dialog); }
    bool offered(QDialog* dialog, int index) {
        auto* items = qobject_cast<QStandardItemModel*>(objective(dialog)->model());
        return items->item(index)->isEnabled();
    }
    // Searches and waits for the list.
    QTableWidget* search(QDialog* dialog) {
        auto* rows = find<QTableWidget>("tblSuggestions", dialog);
        rows->setRowCount(0);
        click(find<QPushButton>("cmdSuggestSearch", dialog));
        EXPECT_TRUE(QTest::qWaitFor([&] { return rows->rowCount() > 0; }, 20000));
        return rows;
    }
    MessageBoxes boxes;
};

TEST_F(SuggestObjectiveTest, MoneyObjectivesNeedASoundStoredBusinessCase) {
    BusinessCase outOfRange = planBusinessCase();
    outOfRange.averageLoanPercent = 120;
    const struct {
        QByteArray file;
        bool offered;
        QString reason;
    } cases[] = {
        {{}, false, "Needs the plan's business case"},
        {"not a business case\r\n", false, "cannot be read"},
        {plancodec::businessCaseBytes(outOfRange), false, "out of range"},
        {plancodec::businessCaseBytes(planBusinessCase()), true, ""},
    };
    for (const auto& c : cases) {
        QDialog* dialog = openSuggestions(c.file);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(objective(dialog)->currentIndex(), 0) << "respondents by default";
        EXPECT_TRUE(offered(dialog, 0));
        for (int money : {1, 2})
            EXPECT_EQ(offered(dialog, money), c.offered) << c.reason.toStdString();
        const QString note = find<QLabel>("lblSuggestObjectiveNote", dialog)->text();
        if (c.reason.isEmpty())
            EXPECT_TRUE(note.isEmpty()) << note.toStdString();
        else
            EXPECT_TRUE(note.contains(c.reason)) << note.toStdString();
        closeProgram();
        QFile::remove(ws.filePath("1_0bc.lnd"));
    }
}

TEST_F(SuggestObjectiveTest, ABusinessCaseSavedWhileTheDialogIsOpenOffersMoney) {
    QDialog* dialog = openSuggestions({});
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(offered(dialog, 2));
    Workspace& workspace = mother->workspace();
    ASSERT_TRUE(workspace.saveBusinessCase(window->session().planId(), planBusinessCase()).ok());
    EXPECT_TRUE(offered(dialog, 1));
    EXPECT_TRUE(offered(dialog, 2));
    EXPECT_TRUE(find<QLabel>("lblSuggestObjectiveNote", dialog)->text().isEmpty());
}

TEST_F(SuggestObjectiveTest, ByProfitTheViewShowsEveryCandidateAndAClickTakesOne) {
    QDialog* dialog = openSuggestions(plancodec::businessCaseBytes(planBusinessCase()));
    ASSERT_NE(dialog, nullptr);
    auto* view = find<analysis::ParetoView>("pltSuggestPareto", dialog);
    QTableWidget* rows = search(dialog);
    EXPECT_FALSE(view->isVisible()) << "no view for respondents";
    EXPECT_EQ(rows->columnCount(), 11);

    objective(dialog)->setCurrentIndex(2);
    rows = search(dialog);
    ASSERT_TRUE(view->isVisible());
    ASSERT_EQ(rows->columnCount(), 13);
    EXPECT_EQ(rows->horizontalHeaderItem(12)->text(), "Profit");
    for (int r = 1; r < rows->rowCount(); ++r)
        EXPECT_GE(rows->item(r - 1, 12)->text().toLongLong(),
                  rows->item(r, 12)->text().toLongLong());
    ASSERT_GT(view->candidates().size(), 10u);
    ASSERT_FALSE(view->frontier().empty());

    // A click on the frontier point with the most customers takes it.
    const int picked = view->frontier().back();
    const analysis::FeatureValues values = view->candidates()[size_t(picked)].values;
    const QPointer<QDialog> taken = dialog; // it goes once closed
    QTest::mouseClick(view, Qt::LeftButton, {}, view->position(picked));
    settle();
    EXPECT_TRUE(!taken || !taken->isVisible());
    const QStringList texts = analysis::suggestionTexts(
        analysis::makeSuggestion(window->session().analysis().details(), values));
    for (int f = 1; f <= 7; ++f)
        EXPECT_EQ(field(f)->text(), texts[f - 1]) << f;
}

TEST_F(SuggestObjectiveTest, AStrategyAddedIsNotProposedAgainAndTheCountLeftOutIsSaid) {
    QDialog* dialog = openSuggestions({});
    ASSERT_NE(dialog, nullptr);
    QTableWidget* rows = search(dialog);
    const QString note = find<QLabel>("lblSuggestNote", dialog)->text();
    EXPECT_FALSE(note.contains("left out")) << note.toStdString();
    QStringList first;
    for (int f = 1; f <= 7; ++f)
        first << rows->item(0, f)->text();
    click(find<QPushButton>("cmdSuggestTake", dialog));
    settle();
    confirmFields({nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    click(button("cmdAnalyse"));
    ASSERT_TRUE(button("cmdAdd")->isEnabled());
    click(button("cmdAdd"));

    dialog = suggestAgain();
    rows = search(dialog);
    const QString again = find<QLabel>("lblSuggestNote", dialog)->text();
    const QRegularExpressionMatch said =
        QRegularExpression(
            R"( (\d+) strateg(y|ies) that Analyse would refuse as already existing (was|were) left out\.$)")
            .match(again);
    ASSERT_TRUE(said.hasMatch()) << again.toStdString();
    EXPECT_GE(said.captured(1).toInt(), 1);
    EXPECT_TRUE(again.startsWith("Every one of the ")) << "the result line stays";
    const std::vector<analysis::StrategyInput> stored =
        window->session().analysis().strategyInputs();
    for (int r = 0; r < rows->rowCount(); ++r) {
        QStringList listed;
        for (int f = 1; f <= 7; ++f)
            listed << rows->item(r, f)->text();
        EXPECT_NE(listed, first) << "the strategy added is proposed again";
        analysis::StrategyInput input;
        input.values = analysis::fieldValues(listed);
        const QString flags = rows->item(r, 10)->text();
        for (int f = 0; f < 7; ++f)
            input.changed[size_t(f)] = flags[f] == u'1';
        EXPECT_EQ(analysis::checkNovelty(stored, input), analysis::Novelty::New) << r;
    }
}

TEST(ParetoView, TheFrontierIsWhatNoCandidateBeatsAndThinningKeepsOnePerCell) {
    // The frontier of a few hand-placed points, and of random clouds against
    // the definition.
    const std::vector<analysis::Candidate> few{{{}, 10, 5}, {{}, 20, 3}, {{}, 15, 5},
                                               {{}, 20, 3}, {{}, 5, 9},  {{}, 12, 4}};
    EXPECT_EQ(analysis::paretoFrontier(few), (std::vector<int>{4, 2, 1}));
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::uniform_int_distribution<int> value(0, round + 5); // many ties
        std::vector<analysis::Candidate> cloud(size_t(200 + round * 37));
        for (analysis::Candidate& c : cloud) {
            c.customers = value(random);
            c.profit = value(random) - 3;
        }
        std::vector<int> expected;
        for (size_t i = 0; i < cloud.size(); ++i) {
            bool beaten = false;
            for (size_t j = 0; j < cloud.size() && !beaten; ++j) {
                const bool atLeast =
                    cloud[j].customers >= cloud[i].customers && cloud[j].profit >= cloud[i].profit;
                const bool more =
                    cloud[j].customers > cloud[i].customers || cloud[j].profit > cloud[i].profit;
                beaten = (atLeast && more) || (atLeast && !more && j < i);
            }
            if (!beaten)
                expected.push_back(int(i));
        }
        std::vector<int> frontier = analysis::paretoFrontier(cloud);
        std::sort(frontier.begin(), frontier.end());
        EXPECT_EQ(frontier, expected) << round;
    }

    // 250,000 points on a 100 x 50 area: at most one per 2 x 2 cell, and
    // every cell that holds a point draws one.
    std::vector<analysis::Candidate> many(250000);
    std::uniform_real_distribution<double> anywhere(0, 1);
    for (analysis::Candidate& c : many)
        c = {{}, anywhere(random) * 1000, anywhere(random) * 1000};
    const analysis::PlotScale scale =
        analysis::plotScale(many, {{}, 500, 500}, QRect(0, 0, 100, 50));
    const std::vector<int> drawn = analysis::thinToCells(many, scale, 2);
    EXPECT_LE(drawn.size(), size_t(51 * 26));
    EXPECT_GE(drawn.size(), size_t(50 * 25));
    EXPECT_TRUE(analysis::thinToCells({}, scale, 2).empty());
}

} // namespace
