#include "analysis/analysis_export.h"

#include "storage/numbers.h"

#include <algorithm>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

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

std::vector<QStringList> shownRows(const Grid& grid) {
    std::vector<QStringList> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells = grid.rowTexts(r);
        const bool empty =
            std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); });
        if (r == 0 || !empty)
            rows.push_back(std::move(cells));
    }
    return rows;
}

QByteArray comparisonCsv(const AnalysisTables& tables) {
    std::vector<QStringList> records = shownRows(tables.features);
    records.push_back({QString()});
    records.push_back({segmentsTitle});
    for (QStringList& row : shownRows(tables.segments))
        records.push_back(std::move(row));
    return csvRecords(records);
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

// The strategy whose number a shown row carries; none for the heading and
// "Totals" rows.
const StrategyIntervals* strategyOf(const QStringList& row,
                                    const std::vector<StrategyIntervals>& intervals) {
    const double number = leadingNumber(row.value(0));
    if (row.value(0) == totalsLabel || number < 1 || number > double(intervals.size()))
        return nullptr;
    return &intervals[size_t(number) - 1];
}

// Appends the low and high columns of the totals, from column 1 on.
void addIntervalColumns(std::vector<QStringList>& rows,
                        const std::vector<StrategyIntervals>& intervals, bool byFeature) {
    if (rows.empty() || intervals.empty())
        return;
    const QStringList headings = rows.front();
    const int totals = int(totalsOf(intervals.front(), byFeature).size());
    for (int c = 1; c <= totals; ++c)
        rows.front() << headings.value(c) + u" low"_s << headings.value(c) + u" high"_s;
    for (size_t r = 1; r < rows.size(); ++r) {
        const StrategyIntervals* strategy = strategyOf(rows[r], intervals);
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
// interval: "Strategy ID", "Segment", then an estimate, low and high per
// feature and for the segment's total.
std::vector<QStringList> estimateRows(const AnalysisTables& tables,
                                      const std::vector<StrategyIntervals>& intervals,
                                      const ResampledPolls& resampled) {
    QStringList headings{tables.segments.text(0, 0), u"Segment"_s};
    for (int f = 1; f <= featureCount + 1; ++f) {
        const QString name = tables.features.text(0, f);
        headings << name << name + u" low"_s << name + u" high"_s;
    }
    std::vector<QStringList> rows{headings};
    const std::vector<StrategyInput> strategies = storedStrategies(tables);
    const auto cells = strategyCellIntervals(resampled, strategies);
    for (size_t k = 0; k < strategies.size() && k < intervals.size(); ++k)
        for (int r = 1; r <= resampled.segments(); ++r) {
            QStringList row{QString::number(k + 1), tables.segments.text(0, r)};
            std::int64_t total = 0;
            for (int f = 1; f <= featureCount; ++f) {
                const std::int64_t estimate = resampled.estimate(strategies[k], r, f);
                const Interval& interval = cells[k][size_t(r - 1)][size_t(f - 1)];
                total += estimate;
                row << wholeText(estimate) << wholeText(interval.low) << wholeText(interval.high);
            }
            const Interval& interval = intervals[k].segments[size_t(r - 1)];
            row << wholeText(total) << wholeText(interval.low) << wholeText(interval.high);
            rows.push_back(std::move(row));
        }
    return rows;
}

} // namespace

QByteArray comparisonCsv(const AnalysisTables& tables,
                         const std::vector<StrategyIntervals>& intervals,
                         const ResampledPolls* resampled) {
    std::vector<QStringList> features = shownRows(tables.features);
    std::vector<QStringList> segments = shownRows(tables.segments);
    // The per-segment rows get theirs only when the segments match.
    const bool segmentsMatch = !intervals.empty() && int(intervals.front().segments.size()) + 2 ==
                                                         tables.segments.columnCount();
    addIntervalColumns(features, intervals, true);
    if (segmentsMatch)
        addIntervalColumns(segments, intervals, false);
    std::vector<QStringList> records = std::move(features);
    records.push_back({QString()});
    records.push_back({segmentsTitle});
    for (QStringList& row : segments)
        records.push_back(std::move(row));
    if (resampled && !intervals.empty()) {
        if (segmentsMatch && resampled->segments() == tables.segmentCount()) {
            records.push_back({QString()});
            records.push_back({estimatesTitle});
            for (QStringList& row : estimateRows(tables, intervals, *resampled))
                records.push_back(std::move(row));
        }
        records.push_back({QString()});
        records.push_back({intervalMethodText(*resampled)});
    }
    return csvRecords(records);
}

namespace {

// A summary table of the report: its rows as shown, the "Totals" rows bold.
ReportTable summaryTable(const QString& title, const Grid& grid) {
    ReportTable table;
    table.title = title;
    std::vector<QStringList> rows = shownRows(grid);
    table.headings = rows.front();
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].value(0) == totalsLabel)
            table.emphasised.push_back(int(i - 1));
        table.rows.push_back(std::move(rows[i]));
    }
    return table;
}

// "Easy Home (Home Loan Project)": a brand with the name beside it.
QString product(const Grid& base, int row) {
    const QString name = base.text(row, 0);
    const QString brandName = base.text(row, 1);
    if (name.isEmpty() || name == brandName)
        return brandName;
    if (brandName.isEmpty())
        return name;
    return brandName + u" ("_s + name + u')';
}

} // namespace

QStringList changedFeatures(const AnalysisTables& tables, int strategyRow) {
    const QStringList names = featureNames();
    QStringList changed;
    for (int f = 1; f <= featureCount; ++f)
        if (tables.flags.text(strategyRow, f).trimmed() == u"1"_s)
            changed << names[f - 1];
    return changed;
}

AnalysisReport analysisReport(const AnalysisTables& tables, const Plan& plan) {
    AnalysisReport report;
    const QString planNumber = QString::number(tables.lblProjectIndex);
    const int strategies = std::max(tables.strategies.rowCount() - 2, 0);
    report.title = u"Strategy analysis for "_s + plan.projectName;
    report.facts = {
        {u"Project plan"_s, planNumber},
        {u"Project"_s, plan.projectName + u" (project "_s + QString::number(plan.project) + u')'},
        {u"Target audience"_s, plan.audienceName + u" (audience "_s +
                                   QString::number(plan.audience) + u", "_s +
                                   QString::number(tables.segmentCount()) +
                                   (tables.segmentCount() == 1 ? u" segment)"_s : u" segments)"_s)},
        {u"Own product"_s, product(tables.base, brand::own)},
        {u"Competitor 1"_s, product(tables.base, brand::competitor1)},
        {u"Competitor 2"_s, product(tables.base, brand::competitor2)},
        {u"Strategies"_s, QString::number(strategies)},
    };
    report.footer = plan.projectName + u" - plan "_s + planNumber;

    report.base.title = u"Base values of the three brands"_s;
    report.base.headings = baseHeadings();
    for (int b = brand::own; b <= brand::competitor2; ++b)
        report.base.rows.push_back(tables.base.rowTexts(b).mid(0, 10));

    report.strategies.title = u"Strategies"_s;
    report.strategies.headings = strategyHeadings() + QStringList{u"Changed features"_s};
    for (int k = 1; k <= strategies; ++k)
        report.strategies.rows.push_back(tables.strategies.rowTexts(k).mid(0, strategyColumnCount) +
                                         QStringList{changedFeatures(tables, k).join(u", "_s)});

    report.features = summaryTable(featuresTitle, tables.features);
    report.segments = summaryTable(segmentsTitle, tables.segments);
    return report;
}

namespace {

// The "low–high" intervals of a summary table's strategy rows, in its layout.
ReportTable intervalTable(const ReportTable& summary,
                          const std::vector<StrategyIntervals>& intervals, bool byFeature) {
    ReportTable table;
    table.title = summary.title + u": 90% intervals"_s;
    table.headings = summary.headings;
    for (const QStringList& row : summary.rows)
        if (const StrategyIntervals* strategy = strategyOf(row, intervals)) {
            QStringList cells{row.value(0)};
            for (const Interval& interval : totalsOf(*strategy, byFeature))
                cells << intervalText(interval);
            table.rows.push_back(std::move(cells));
        }
    return table;
}

} // namespace

AnalysisReport analysisReport(const AnalysisTables& tables, const Plan& plan,
                              const std::vector<StrategyIntervals>& intervals,
                              const ResampledPolls* resampled) {
    AnalysisReport report = analysisReport(tables, plan);
    if (intervals.empty())
        return report;
    report.featureIntervals = intervalTable(report.features, intervals, true);
    if (int(intervals.front().segments.size()) + 2 == tables.segments.columnCount())
        report.segmentIntervals = intervalTable(report.segments, intervals, false);
    for (ReportTable* table : {&report.features, &report.segments}) {
        table->headings << totalIntervalHeading;
        for (QStringList& row : table->rows) {
            const StrategyIntervals* strategy = strategyOf(row, intervals);
            row << (strategy ? intervalText(strategy->total) : QString());
        }
    }
    if (resampled)
        report.facts.emplace_back(intervalMethodLabel, intervalMethod(*resampled));
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
    return name + u" - plan "_s + QString::number(planNumber);
}

} // namespace lendora::analysis
