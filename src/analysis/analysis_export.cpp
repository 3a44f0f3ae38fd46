#include "analysis/analysis_export.h"

#include "analysis/analysis_names.h"
#include "analysis/table_texts.h"
#include "storage/numbers.h"

#include <QCoreApplication>

#include <algorithm>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("AnalysisExport", source);
}

} // namespace

QString csvField(const QString& text) {
    const bool quoted = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (!quoted)
        return text;
    QString field = text;
    field.replace(u"\""_s, u"\"\""_s);
    return u'"' + field + u'"';
}

QByteArray csvRecords(const std::vector<QStringList>& records) {
    QString text;
    for (const QStringList& record : records) {
        QStringList fields;
        fields.reserve(record.size());
        for (const QString& cell : record)
            fields << csvField(cell);
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

std::vector<QStringList> shownRows(std::vector<QStringList> rows) {
    std::vector<QStringList> shown;
    for (size_t r = 0; r < rows.size(); ++r) {
        const bool empty = std::all_of(rows[r].begin(), rows[r].end(),
                                       [](const QString& c) { return c.isEmpty(); });
        if (r == 0 || !empty)
            shown.push_back(std::move(rows[r]));
    }
    return shown;
}

std::vector<QStringList> EstimateTable::texts() const {
    std::vector<QStringList> texts{headings};
    texts.reserve(rows.size() + 1);
    for (const Row& row : rows) {
        QStringList& cells = texts.emplace_back();
        cells.reserve(2 + figures);
        cells << QString::number(row.strategy) << segmentNames.value(row.segment);
        for (std::int64_t value : row.values)
            cells << wholeText(value);
    }
    return texts;
}

QByteArray comparisonCsv(const PlanAnalysis& plan) {
    return comparisonCsv(plan, {});
}

namespace {

// The intervals of a strategy's totals: the feature totals and the grand
// total, or the segment totals and the total.
std::vector<Interval> totalsOf(const StrategyIntervals& s, bool byFeature) {
    std::vector<Interval> totals =
        byFeature ? std::vector<Interval>(s.features.begin(), s.features.end()) : s.segments;
    totals.push_back(s.total);
    return totals;
}

// The intervals of strategy k (from 1), the k-th row of a summary table;
// none for the "Totals" row after the strategies.
const StrategyIntervals* strategyOf(size_t k, const std::vector<StrategyIntervals>& intervals) {
    return k >= 1 && k <= intervals.size() ? &intervals[k - 1] : nullptr;
}

// Appends the low and high columns of the totals, from column 1 on.
void addIntervalColumns(std::vector<QStringList>& rows,
                        const std::vector<StrategyIntervals>& intervals, bool byFeature) {
    if (rows.empty() || intervals.empty())
        return;
    const QStringList headings = rows.front();
    const int totals = int(totalsOf(intervals.front(), byFeature).size());
    for (int c = 1; c <= totals; ++c)
        rows.front() << tr("%1 low").arg(headings.value(c)) << tr("%1 high").arg(headings.value(c));
    for (size_t r = 1; r < rows.size(); ++r) {
        const StrategyIntervals* strategy = strategyOf(r, intervals);
        const std::vector<Interval> values =
            strategy ? totalsOf(*strategy, byFeature) : std::vector<Interval>();
        for (int c = 0; c < totals; ++c) {
            const bool known = size_t(c) < values.size();
            rows[r] << (known ? wholeText(values[size_t(c)].low) : QString())
                    << (known ? wholeText(values[size_t(c)].high) : QString());
        }
    }
}

// The estimates of every strategy, segment by segment, each with its
// interval.
EstimateTable estimateTable(const PlanAnalysis& plan,
                            const std::vector<StrategyIntervals>& intervals,
                            const ResampledPolls& resampled) {
    EstimateTable table;
    table.headings =
        QStringList{tableText(plan, AnalysisTable::SegmentEstimates, 0, 0), tr("Segment")};
    for (int f = 1; f <= featureCount + 1; ++f) {
        const QString name = tableText(plan, AnalysisTable::FeatureEstimates, 0, f);
        table.headings << name << tr("%1 low").arg(name) << tr("%1 high").arg(name);
    }
    for (int r = 1; r <= resampled.segments(); ++r)
        table.segmentNames << tableText(plan, AnalysisTable::SegmentEstimates, 0, r);
    const std::vector<StrategyInput> strategies = plan.strategyInputs();
    const auto cells = strategyCellIntervals(resampled, strategies);
    const size_t count = std::min(strategies.size(), intervals.size());
    table.rows.reserve(count * size_t(resampled.segments()));
    for (size_t k = 0; k < count; ++k)
        for (int r = 0; r < resampled.segments(); ++r) {
            EstimateTable::Row& row = table.rows.emplace_back();
            row.strategy = int(k) + 1;
            row.segment = r;
            std::int64_t total = 0;
            for (int f = 0; f < featureCount; ++f) {
                const std::int64_t estimate = resampled.estimate(strategies[k], r, f);
                const Interval& interval = cells[k][size_t(r)][size_t(f)];
                total += estimate;
                row.values[size_t(3 * f)] = estimate;
                row.values[size_t(3 * f + 1)] = interval.low;
                row.values[size_t(3 * f + 2)] = interval.high;
            }
            const Interval& interval = intervals[k].segments[size_t(r)];
            row.values[3 * featureCount] = total;
            row.values[3 * featureCount + 1] = interval.low;
            row.values[3 * featureCount + 2] = interval.high;
        }
    return table;
}

} // namespace

ComparisonTables comparisonTables(const PlanAnalysis& plan,
                                  const std::vector<StrategyIntervals>& intervals,
                                  const ResampledPolls* resampled) {
    ComparisonTables tables;
    tables.features = shownRows(tableTexts(plan, AnalysisTable::FeatureEstimates));
    tables.segments = shownRows(tableTexts(plan, AnalysisTable::SegmentEstimates));
    // The per-segment rows get theirs only when the segments match.
    const bool segmentsMatch =
        !intervals.empty() && int(intervals.front().segments.size()) + 2 ==
                                  tableColumns(plan, AnalysisTable::SegmentEstimates);
    addIntervalColumns(tables.features, intervals, true);
    if (segmentsMatch)
        addIntervalColumns(tables.segments, intervals, false);
    if (resampled && !intervals.empty()) {
        if (segmentsMatch && resampled->segments() == plan.segmentCount())
            tables.estimates = estimateTable(plan, intervals, *resampled);
        tables.method = intervalMethodText(*resampled);
    }
    return tables;
}

QByteArray comparisonCsv(const PlanAnalysis& plan, const std::vector<StrategyIntervals>& intervals,
                         const ResampledPolls* resampled) {
    ComparisonTables tables = comparisonTables(plan, intervals, resampled);
    std::vector<QStringList> records = std::move(tables.features);
    records.push_back({QString()});
    records.push_back({names::segmentWise()});
    for (QStringList& row : tables.segments)
        records.push_back(std::move(row));
    if (!tables.estimates.empty()) {
        records.push_back({QString()});
        records.push_back({tr("Detailed Estimates 90%")});
        for (QStringList& row : tables.estimates.texts())
            records.push_back(std::move(row));
    }
    if (!tables.method.isEmpty()) {
        records.push_back({QString()});
        records.push_back({tables.method});
    }
    return csvRecords(records);
}

namespace {

// A summary table of the report: its rows as shown, the "Totals" rows bold.
ReportTable summaryTable(const QString& title, std::vector<QStringList> texts) {
    ReportTable table;
    table.title = title;
    std::vector<QStringList> rows = shownRows(std::move(texts));
    table.headings = rows.front();
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].value(0) == names::totals())
            table.emphasised.push_back(int(i - 1));
        table.rows.push_back(std::move(rows[i]));
    }
    return table;
}

// "Easy Home (Home Loan Project)": a brand with the name beside it.
QString product(const BrandDetails& brand) {
    if (brand.name.isEmpty() || brand.name == brand.brand)
        return brand.brand;
    if (brand.brand.isEmpty())
        return brand.name;
    return tr("%1 (%2)").arg(brand.brand, brand.name);
}

} // namespace

QStringList changedFeatures(const Strategy& strategy) {
    QStringList changed;
    for (int f = 0; f < featureCount; ++f)
        if (strategy.changed[size_t(f)])
            changed << names::featureNames[f]();
    return changed;
}

AnalysisReport analysisReport(const PlanAnalysis& analysis, const Plan& plan, int planNumber) {
    AnalysisReport report;
    const QString number = QString::number(planNumber);
    const int strategies = int(analysis.strategies().size());
    const int segments = analysis.segmentCount();
    const ProjectDetails& details = analysis.details();
    report.title = tr("Strategy analysis for %1").arg(plan.projectName);
    report.facts = {
        {tr("Project plan"), number},
        {tr("Project"), tr("%1 (project %2)").arg(plan.projectName, QString::number(plan.project))},
        {tr("Target audience"),
         (segments == 1 ? tr("%1 (audience %2, %3 segment)") : tr("%1 (audience %2, %3 segments)"))
             .arg(plan.audienceName, QString::number(plan.audience), QString::number(segments))},
        {tr("Own product"), product(details.brands[0])},
        {tr("Competitor 1"), product(details.brands[1])},
        {tr("Competitor 2"), product(details.brands[2])},
        {tr("Strategies"), QString::number(strategies)},
    };
    report.footer = tr("%1 - plan %2").arg(plan.projectName, number);

    report.base.title = tr("Base values of the three brands");
    const std::vector<QStringList> base = tableTexts(analysis, AnalysisTable::Base);
    report.base.headings = base.front();
    for (int b = 1; b <= brandCount; ++b)
        report.base.rows.push_back(base[size_t(b)]);

    report.strategies.title = tr("Strategies");
    const std::vector<QStringList> values = tableTexts(analysis, AnalysisTable::StrategyValues);
    report.strategies.headings = values.front() + QStringList{tr("Changed features")};
    for (int k = 1; k <= strategies; ++k)
        report.strategies.rows.push_back(
            values[size_t(k)] +
            QStringList{changedFeatures(analysis.strategies()[size_t(k - 1)]).join(u", ")});

    report.features =
        summaryTable(names::featureWise(), tableTexts(analysis, AnalysisTable::FeatureEstimates));
    report.segments =
        summaryTable(names::segmentWise(), tableTexts(analysis, AnalysisTable::SegmentEstimates));
    return report;
}

namespace {

// The "low–high" intervals of a summary table's strategy rows, in its layout.
ReportTable intervalTable(const ReportTable& summary,
                          const std::vector<StrategyIntervals>& intervals, bool byFeature) {
    ReportTable table;
    table.title = tr("%1: 90% intervals").arg(summary.title);
    table.headings = summary.headings;
    for (size_t k = 1; k <= summary.rows.size(); ++k)
        if (const StrategyIntervals* strategy = strategyOf(k, intervals)) {
            QStringList cells{summary.rows[k - 1].value(0)};
            for (const Interval& interval : totalsOf(*strategy, byFeature))
                cells << intervalText(interval);
            table.rows.push_back(std::move(cells));
        }
    return table;
}

} // namespace

AnalysisReport analysisReport(const PlanAnalysis& analysis, const Plan& plan, int planNumber,
                              const std::vector<StrategyIntervals>& intervals,
                              const ResampledPolls* resampled) {
    AnalysisReport report = analysisReport(analysis, plan, planNumber);
    if (intervals.empty())
        return report;
    report.featureIntervals = intervalTable(report.features, intervals, true);
    if (int(intervals.front().segments.size()) + 2 ==
        tableColumns(analysis, AnalysisTable::SegmentEstimates))
        report.segmentIntervals = intervalTable(report.segments, intervals, false);
    for (ReportTable* table : {&report.features, &report.segments}) {
        table->headings << tr("Totals 90%");
        for (size_t k = 1; k <= table->rows.size(); ++k) {
            const StrategyIntervals* strategy = strategyOf(k, intervals);
            table->rows[k - 1] << (strategy ? intervalText(strategy->total) : QString());
        }
    }
    if (resampled)
        report.facts.emplace_back(intervalMethodLabel(), intervalMethod(*resampled));
    return report;
}

QString exportBaseName(const Plan& plan, int planNumber) {
    QString name = plan.projectName;
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    name = name.trimmed();
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u"Lendora"_s);
    return tr("%1 - plan %2").arg(name, QString::number(planNumber));
}

} // namespace lendora::analysis
