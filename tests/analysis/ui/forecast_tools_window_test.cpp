#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/analysis_window_fixture.h"
#include "analysis/ui/sensitivity_chart.h"
#include "analysis/ui/sensitivity_panel.h"

#include "shell/ui/main_window.h"
#include "widgets/guru_window.h"

#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>

#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <algorithm>

using namespace lendora;
using namespace lendora::test;
using namespace Qt::StringLiterals;

namespace {

class ForecastToolsWindowTest : public AnalysisWindowFixture {
public:
    // The named series of the sensitivity chart; null when it has none.
    QAbstractSeries* series(const QString& name) {
        for (QAbstractSeries* s : find<QChartView>("MSCH_Sensitivity", window)->chart()->series())
            if (s->name() == name)
                return s;
        return nullptr;
    }
    int points(const QString& name) {
        auto* xy = qobject_cast<QXYSeries*>(series(name));
        return xy ? int(xy->count()) : -1;
    }
    int bars(const char* chart) { return analysis::errorBarCount(find<QChartView>(chart, window)); }
    void analyseAndAdd(const std::array<const char*, 7>& texts) {
        confirmFields(texts);
        click(button("cmdAnalyse"));
        ASSERT_TRUE(button("cmdAdd")->isEnabled()) << "the strategy was not analysed";
        click(button("cmdAdd"));
    }
    // The plan without strategies opened, and its "Suggest strategies" dialog.
    QDialog* openSuggestions() {
        ws.write("pptb.lnd", plansRegistry("No"));
        start();
        if (!open(1))
            return nullptr;
        click(button("cmdSuggest"));
        return find<QDialog>("dlgSuggest", window);
    }
    MessageBoxes boxes;
};

TEST_F(ForecastToolsWindowTest, TheSensitivityPanelDrawsTheCurveOfTheChosenFeature) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    EXPECT_FALSE(find("fraSensitivity", window)->isVisible());
    click(button("cmdSensitivity"));
    EXPECT_TRUE(find("fraSensitivity", window)->isVisible());
    auto* feature = find<QComboBox>("cboSensitivityFeature", window);
    auto* segment = find<QComboBox>("cboSensitivitySegment", window);
    EXPECT_EQ(segment->count(), 4); // all segments, then the three
    const struct {
        int feature, segment, margin;
        int shaded; // the bands beyond the brands' values, one each side
    } cases[] = {{0, 0, 25, 2}, {2, 1, 25, 2}, {6, 3, 0, 0}};
    for (const auto& c : cases) {
        feature->setCurrentIndex(c.feature);
        segment->setCurrentIndex(c.segment);
        find<QSpinBox>("spnSensitivityMargin", window)->setValue(c.margin);
        EXPECT_EQ(points(analysis::forecastSeriesName()), 101);
        EXPECT_EQ(points(analysis::brandsSeriesName()), 3);
        const QList<QAbstractSeries*> all =
            find<QChartView>("MSCH_Sensitivity", window)->chart()->series();
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](const QAbstractSeries* s) {
                                    return s->name() == analysis::extrapolationSeriesName();
                                }),
                  c.shaded);
        // The brands' points lie on the curve's values at their features.
        const auto& curve = find<analysis::SensitivityPanel>("fraSensitivity", window)->curve();
        EXPECT_EQ(curve.feature, c.feature);
        EXPECT_EQ(find<QLabel>("lblSensitivityVertex", window)->text(),
                  analysis::vertexText(curve));
    }
}

TEST_F(ForecastToolsWindowTest, ErrorBarsAndIntervalTooltipsFollowAnalyseAndAdd) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    // The saved strategies get their whiskers: 8 per strategy by feature,
    // 3 segments and the total by segment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return bars("MSCH_Features") == 16; }, 20000));
    EXPECT_EQ(bars("MSCH_Segments"), 8);
    EXPECT_EQ(find<QProgressBar>("prgForecastTools", window)->text(),
              u"Working out the 90% intervals: 100%"_s);

    confirmFields({"11.25", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    click(button("cmdAnalyse"));
    ASSERT_TRUE(boxes.texts().isEmpty()) << qPrintable(boxes.texts().join(" | "));
    const QAbstractItemModel* estimates = table("MSFG_Seg_Analysis")->model();
    const QRegularExpression interval(u"90% interval: -?\\d+\u2013-?\\d+"_s);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return interval.match(estimates->index(0, 1).data(Qt::ToolTipRole).toString())
                .hasMatch();
        },
        20000));
    for (int row = 0; row < 4; ++row)
        for (int column = 1; column <= 8; ++column)
            EXPECT_TRUE(
                interval.match(estimates->index(row, column).data(Qt::ToolTipRole).toString())
                    .hasMatch())
                << row << "," << column;
    EXPECT_FALSE(interval.match(estimates->index(0, 0).data(Qt::ToolTipRole).toString()).hasMatch())
        << "a segment's name has no interval";

    click(button("cmdAdd"));
    EXPECT_EQ(bars("MSCH_Features"), 0); // the new strategy's intervals are on their way
    EXPECT_TRUE(QTest::qWaitFor([&] { return bars("MSCH_Features") == 24; }, 20000));
    EXPECT_EQ(bars("MSCH_Segments"), 12);
    auto* a = find<QComboBox>("cboBeatA", window);
    ASSERT_EQ(a->count(), 3);
    EXPECT_TRUE(find<QLabel>("lblBeatChance", window)
                    ->text()
                    .startsWith(u"Chance that strategy 2 beats strategy 1: "_s));
    // A strategy against itself, of three.
    EXPECT_EQ(beatChanceAgainstItself(), u"Pick two different strategies."_s);
}

TEST_F(ForecastToolsWindowTest, TakingASuggestionFillsTheSevenFieldsForTheUsualRoad) {
    QDialog* dialog = openSuggestions();
    ASSERT_NE(dialog, nullptr);
    find<QCheckBox>("chkSuggest1", dialog)->setChecked(true);
    find<QCheckBox>("chkSuggest3", dialog)->setChecked(true);
    click(find<QPushButton>("cmdSuggestSearch", dialog));
    auto* suggestions = find<QTableWidget>("tblSuggestions", dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return suggestions->rowCount() == 10; }, 20000));
    QStringList picked;
    for (int f = 1; f <= 7; ++f)
        picked << suggestions->item(0, f)->text();
    const QString flags = suggestions->item(0, 10)->text();
    click(find<QPushButton>("cmdSuggestTake", dialog));
    settle();
    for (int f = 1; f <= 7; ++f)
        EXPECT_EQ(field(f)->text(), picked[f - 1]) << f;
    EXPECT_FALSE(button("cmdAnalyse")->isEnabled());

    // Then Enter through the fields, Analyse and Add as ever.
    analyseAndAdd({nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
    const analysis::PlanAnalysis& plan = window->session().analysis();
    ASSERT_EQ(plan.strategies().size(), 1u);
    QString stored;
    for (bool changed : plan.strategies()[0].changed)
        stored += changed ? u'1' : u'0';
    EXPECT_EQ(stored, flags);
}

TEST_F(ForecastToolsWindowTest, ASearchOfSevenFeaturesShowsProgressAndStopDropsItsResult) {
    QDialog* dialog = openSuggestions();
    ASSERT_NE(dialog, nullptr);
    for (int f = 1; f <= 7; ++f) { // 20 values each: 20^7 strategies
        find<QCheckBox>(u"chkSuggest%1"_s.arg(f), dialog)->setChecked(true);
        const double low = find<QLineEdit>(u"txtSuggestLow%1"_s.arg(f), dialog)->text().toDouble();
        const double high =
            find<QLineEdit>(u"txtSuggestHigh%1"_s.arg(f), dialog)->text().toDouble();
        find<QLineEdit>(u"txtSuggestStep%1"_s.arg(f), dialog)
            ->setText(QString::number((high - low) / 19));
    }
    auto* search = find<QPushButton>("cmdSuggestSearch", dialog);
    auto* stop = find<QPushButton>("cmdSuggestStop", dialog);
    auto* note = find<QLabel>("lblSuggestNote", dialog);
    auto* rows = find<QTableWidget>("tblSuggestions", dialog);
    int progress = 0;
    QObject::connect(find<QProgressBar>("prgSuggest", dialog), &QProgressBar::valueChanged,
                     [&](int value) { progress = std::max(progress, value); });
    EXPECT_FALSE(stop->isEnabled()) << "nothing to stop yet";
    EXPECT_FALSE(find<QPushButton>("cmdSuggestTake", dialog)->isEnabled()) << "nothing to take";
    click(search);
    EXPECT_FALSE(search->isEnabled());
    EXPECT_TRUE(stop->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows->rowCount() == 10; }, 60000));
    EXPECT_GT(progress, 0);
    EXPECT_TRUE(note->text().startsWith(u"The grid is too large to forecast every strategy: "
                                        "coordinate ascent from 48 starts forecast "_s))
        << qPrintable(note->text());

    click(search);
    click(stop);
    EXPECT_EQ(note->text(), u"Stopped."_s);
    EXPECT_TRUE(search->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_FALSE(find<QProgressBar>("prgSuggest", dialog)->isVisible());
    QTest::qWait(500); // the stopped search's result, had it come, would show by now
    EXPECT_EQ(note->text(), u"Stopped."_s);
    EXPECT_EQ(rows->rowCount(), 10); // the previous result stays
}

TEST_F(ForecastToolsWindowTest, TheGuruSpeaksOfTheCurveOnlyWhileSwitchedOn) {
    writeSavedPlan();
    start();
    ASSERT_NE(open(1), nullptr);
    showFinalAnalysis();
    auto* feature = find<QComboBox>("cboSensitivityFeature", window);
    for (bool on : {true, false}) {
        if (!on)
            mother->entry("mnuGuru")->trigger();
        ASSERT_EQ(mother->guruOn(), on);
        const QString before = mother->guru().text();
        feature->setCurrentIndex(on ? 4 : 2);
        const QString text = mother->guru().text();
        if (on) {
            EXPECT_TRUE(
                text.startsWith(u"The curve shows how many respondents of all segments "
                                "would opt for Easy Home as Repayment Period moves from "_s))
                << qPrintable(text);
            EXPECT_TRUE(text.contains(u"City Home at 48"_s)) << qPrintable(text);
        } else {
            EXPECT_EQ(text, before);
        }
    }
}

} // namespace
