#include "poll/poll_tables.h"

#include "audience/segment_file.h"
#include "storage/numbers.h"
#include "storage/table_records.h"

namespace lendora::poll {

QStringList headings() {
    return {QStringLiteral("Segment"),
            QStringLiteral("Interest"),
            QStringLiteral("Min. Eligible Income"),
            QStringLiteral("Max. Loan Value"),
            QStringLiteral("Max. Loan Percentage"),
            QStringLiteral("Repayment Period"),
            QStringLiteral("EMI"),
            QStringLiteral("Freebies"),
            totalsLabel};
}

QString fileSuffix(int product) {
    switch (product) {
    case product::own:
        return QStringLiteral("_01.lnd");
    case product::competitor1:
        return QStringLiteral("_11.lnd");
    default:
        return QStringLiteral("_21.lnd");
    }
}

QString fileName(long long project, long long audience, int product) {
    return QString::number(project) + QString::number(audience) + fileSuffix(product);
}

QString fileName(const Plan& plan, int product) {
    return fileName(plan.project, plan.audience, product);
}

void layOut(Grid& table, const std::vector<QStringList>& segmentRecords) {
    table.reset(2, columnCount);
    table.setHeadings(headings());
    placeRecords(table, segmentRecords, 1, 0, true);
    table.setText(table.rowCount() - 1, 0, totalsLabel);
}

void layOut(const RecordFolder& folder, const Plan& plan, Grid& table) {
    layOut(table, segments::read(folder, plan.audience));
}

void load(const RecordFolder& folder, const Plan& plan, int product, Grid& table) {
    placeRecords(table, folder.readRecords(fileName(plan, product), itemCount), 1, 1, false);
    computeTotals(table);
}

ProductCounts productCounts(const Grid& table) {
    ProductCounts counts;
    for (int r = 1; r <= table.rowCount() - 2; ++r) {
        SegmentCounts segment;
        for (int f = 0; f < featureCount; ++f)
            segment.features[size_t(f)] = parseLeadingNumber(table.text(r, f + 1));
        segment.total = parseLeadingNumber(table.text(r, totalColumn));
        counts.segments.push_back(segment);
    }
    return counts;
}

void computeTotals(Grid& table) {
    const int totalsRow = table.rowCount() - 1;
    if (totalsRow < 1)
        return;
    for (int c = 1; c <= totalColumn; ++c) {
        float sum = 0;
        for (int r = 1; r < totalsRow; ++r) {
            // An addition whose result does not fit a float is skipped, so
            // the total never becomes infinite.
            if (std::optional<float> next = toSingle(double(sum) + leadingNumber(table.text(r, c))))
                sum = *next;
        }
        table.setText(totalsRow, c, floatText(sum));
    }
}

std::array<float, totalColumn> columnTotals(const ProductCounts& counts) {
    std::array<float, totalColumn> sums{};
    auto add = [](float& sum, const PollCount& count) {
        if (std::optional<float> next = toSingle(double(sum) + count.value_or(0)))
            sum = *next;
    };
    for (const SegmentCounts& segment : counts.segments) {
        for (int f = 0; f < featureCount; ++f)
            add(sums[size_t(f)], segment.features[size_t(f)]);
        add(sums[totalColumn - 1], segment.total);
    }
    return sums;
}

QString countText(const PollCount& count) {
    return count ? doubleText(*count) : QString();
}

SegmentCounts enteredCounts(const std::array<QString, featureCount>& fieldTexts) {
    // A count keeps the digits its cell and its file show (15 significant).
    auto shown = [](double value) { return leadingNumber(doubleText(value)); };
    SegmentCounts segment;
    double total = 0;
    for (int f = 0; f < featureCount; ++f) {
        const double count = leadingNumber(fieldTexts[size_t(f)]);
        segment.features[size_t(f)] = shown(count);
        total += count;
    }
    segment.total = shown(total);
    return segment;
}

void writeCounts(Grid& table, int row, const std::array<QString, featureCount>& fieldTexts) {
    double total = 0;
    for (int f = 0; f < featureCount; ++f) {
        const double count = leadingNumber(fieldTexts[size_t(f)]);
        table.setText(row, f + 1, doubleText(count));
        total += count;
    }
    table.setText(row, totalColumn, doubleText(total));
}

OpenSteps openSteps(const PollCompletion& completion) {
    using namespace product;
    const auto& [own, first, second] = completion.products;
    if (!own && !first && second)
        return {{competitor2}, 0};
    if (!own && first && !second)
        return {{competitor1}, 0};
    if (!own && first && second)
        return {{competitor1, competitor2}, 0};
    if (own && !first && !second)
        return {{product::own}, 1};
    if (own && !first && second)
        return {{product::own, competitor2}, 1};
    if (own && first && !second)
        return {{product::own, competitor1}, 2};
    return {};
}

} // namespace lendora::poll
