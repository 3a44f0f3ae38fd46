#include "workspace/plan_codecs.h"

#include "storage/numbers.h"
#include "storage/record_codec.h"
#include "storage/table_records.h"
#include "workspace/plan_files.h"

#include <QStringList>

#include <cmath>

namespace lendora::plancodec {

using namespace Qt::StringLiterals;

namespace {

constexpr int detailsItems = 11;
constexpr int segmentItems = 2;
constexpr int pollItems = 9;
constexpr int strategyItems = 8;
constexpr int segmentEstimateItems = 3;

// Hands each record placed by its number to place(index, items): the k-th
// record (from 1) is placed only when its number n lies in 1 to k, and then
// only when n is at most `limit`.
template <class Place>
void placeRecords(const QByteArray& bytes, int itemCount, int limit, Place&& place) {
    int k = 0;
    forEachRecord(bytes, itemCount, [&](QStringList& items) {
        ++k;
        const int number = recordRow(items.value(0));
        if (number >= 1 && number <= k && number <= limit)
            place(number - 1, items);
    });
}

int recordCount(const QByteArray& bytes, int itemCount) {
    int count = 0;
    forEachRecord(bytes, itemCount, [&](QStringList&) { ++count; });
    return count;
}

PollCount countOf(const QString& text) {
    return parseLeadingNumber(text);
}

QString countText(const PollCount& count) {
    return count ? doubleText(*count) : QString();
}

} // namespace

ProjectDetails parseDetails(const QByteArray& bytes) {
    ProjectDetails details;
    placeRecords(bytes, detailsItems, brandCount, [&](int brand, QStringList& items) {
        BrandDetails& b = details.brands[size_t(brand)];
        b.name = items.value(1);
        b.brand = items.value(2);
        b.marketShare = TypedNumber(items.value(3));
        for (int f = 0; f < featureCount; ++f)
            b.features[size_t(f)] = TypedNumber(items.value(4 + f));
    });
    return details;
}

QByteArray detailsBytes(const ProjectDetails& details) {
    RecordWriter writer;
    for (int brand = 0; brand < brandCount; ++brand) {
        const BrandDetails& b = details.brands[size_t(brand)];
        writer.whole(brand + 1);
        writer.text(b.name);
        writer.text(b.brand);
        writer.text(b.marketShare.text);
        for (const TypedNumber& value : b.features)
            writer.text(value.text);
        writer.endRecord();
    }
    return writer.take();
}

QString segmentFileName(long long audience) {
    return QString::number(audience) + u"-segFile.lnd"_s;
}

SegmentDescriptions parseSegments(const QByteArray& bytes) {
    SegmentDescriptions segments(size_t(recordCount(bytes, segmentItems)));
    placeRecords(bytes, segmentItems, int(segments.size()), [&](int segment, QStringList& items) {
        segments[size_t(segment)] = std::move(items[1]);
    });
    return segments;
}

QByteArray segmentsBytes(const SegmentDescriptions& segments) {
    RecordWriter writer;
    for (size_t s = 0; s < segments.size(); ++s) {
        writer.whole(qint64(s) + 1);
        writer.text(segments[s]);
        writer.endRecord();
    }
    return writer.take();
}

QString pollFileName(long long project, long long audience, int product) {
    static const char* const suffixes[brandCount] = {"_01.lnd", "_11.lnd", "_21.lnd"};
    return QString::number(project) + QString::number(audience) +
           QLatin1StringView(suffixes[product == 1   ? 1
                                      : product == 2 ? 2
                                                     : 0]);
}

ProductCounts parsePoll(const QByteArray& bytes, int segmentCount) {
    ProductCounts counts;
    counts.segments.resize(size_t(std::max(segmentCount, 0)));
    // A table of N segments has rows 1 to N + 1 (the totals row) from the
    // start, so any record of those numbers is placed; one naming the totals
    // row is overwritten by the totals.
    forEachRecord(bytes, pollItems, [&](QStringList& items) {
        const int number = recordRow(items.value(0));
        if (number < 1 || number > segmentCount)
            return;
        SegmentCounts& segment = counts.segments[size_t(number - 1)];
        for (int f = 0; f < featureCount; ++f)
            segment.features[size_t(f)] = countOf(items.value(1 + f));
        segment.total = countOf(items.value(8));
    });
    return counts;
}

QByteArray pollBytes(const ProductCounts& counts) {
    RecordWriter writer;
    for (size_t s = 0; s < counts.segments.size(); ++s) {
        const SegmentCounts& segment = counts.segments[s];
        writer.whole(qint64(s) + 1);
        for (const PollCount& count : segment.features)
            writer.text(countText(count));
        writer.text(countText(segment.total));
        writer.endRecord();
    }
    return writer.take();
}

std::vector<SavedStrategy> parseAnalysis(const AnalysisFileBytes& files, int segmentCount) {
    const int n = std::max(segmentCount, 0);
    std::vector<SavedStrategy> strategies(size_t(recordCount(files.values, strategyItems)));
    const int k = int(strategies.size());
    for (SavedStrategy& strategy : strategies)
        strategy.segmentEstimates.resize(size_t(n));

    // Each file fills one part of the strategies its records name.
    auto fill = [&](const QByteArray& bytes, auto&& part) {
        placeRecords(bytes, strategyItems, k, [&](int i, QStringList& items) {
            for (int f = 0; f < featureCount; ++f)
                part(strategies[size_t(i)], f, leadingNumber(items.value(1 + f)));
        });
    };
    fill(files.values, [](SavedStrategy& s, int f, double v) { s.values[size_t(f)] = v; });
    fill(files.featureEstimates,
         [](SavedStrategy& s, int f, double v) { s.featureEstimates[size_t(f)] = v; });
    fill(files.changeFlags,
         [](SavedStrategy& s, int f, double v) { s.changed[size_t(f)] = v == 1; });

    // Each record names its strategy and segment; the totals (strategy K + 1,
    // segment N + 1) are worked out, never read.
    forEachRecord(files.segmentEstimates, segmentEstimateItems, [&](QStringList& items) {
        const int i = recordRow(items.value(0));
        const int j = recordRow(items.value(1));
        if (i >= 1 && i <= k && j >= 1 && j <= n)
            strategies[size_t(i - 1)].segmentEstimates[size_t(j - 1)] =
                leadingNumber(items.value(2));
    });
    return strategies;
}

std::vector<std::pair<QString, QByteArray>>
analysisFileBytes(int plan, const std::vector<SavedStrategy>& strategies) {
    if (strategies.empty())
        return {};
    std::vector<Record> values, features, flags, segments;
    for (size_t s = 0; s < strategies.size(); ++s) {
        const SavedStrategy& strategy = strategies[s];
        const qint64 i = qint64(s) + 1;
        Record valueRecord{Item::whole(i)}, featureRecord{Item::whole(i)},
            flagRecord{Item::whole(i)};
        for (int f = 0; f < featureCount; ++f) {
            const bool last = f == featureCount - 1;
            const double value = strategy.values[size_t(f)];
            const double estimate = strategy.featureEstimates[size_t(f)];
            const double flag = strategy.changed[size_t(f)] ? 1 : 0;
            // Freebies: the value in single precision, the others whole.
            valueRecord.push_back(last ? Item::single(float(value)) : Item::number(value));
            featureRecord.push_back(last ? Item::whole(toWhole(estimate)) : Item::number(estimate));
            flagRecord.push_back(last ? Item::whole(toWhole(flag)) : Item::number(flag));
        }
        values.push_back(std::move(valueRecord));
        features.push_back(std::move(featureRecord));
        flags.push_back(std::move(flagRecord));
        const int n = int(strategy.segmentEstimates.size());
        double total = 0;
        for (int j = 1; j <= n; ++j) {
            const double estimate = strategy.segmentEstimates[size_t(j - 1)].value_or(0);
            total += estimate;
            segments.push_back({Item::whole(i), Item::whole(j), Item::number(estimate)});
        }
        segments.push_back({Item::whole(i), Item::whole(n + 1), Item::number(total)});
    }
    return {{planfiles::strategiesFile(plan), encodeRecords(values)},
            {planfiles::featuresFile(plan), encodeRecords(features)},
            {planfiles::flagsFile(plan), encodeRecords(flags)},
            {planfiles::segmentsFile(plan), encodeRecords(segments)}};
}

namespace {
const QString businessCaseTag = u"Lendora business case"_s;
constexpr int businessCaseHeaderItems = 5;
constexpr int borrowerItems = 2;
} // namespace

std::optional<BusinessCase> parseBusinessCase(const QByteArray& bytes) {
    RecordReader reader(bytes);
    QStringList items;
    if (!reader.readItems(businessCaseHeaderItems, items) || items[0] != businessCaseTag ||
        items[1] != u"1"_s)
        return std::nullopt;
    const std::optional<double> u = parseWholeNumber(items[2]);
    const std::optional<double> c = parseWholeNumber(items[3]);
    const std::optional<double> k = parseWholeNumber(items[4]);
    if (!u || !c || !k)
        return std::nullopt;
    BusinessCase inputs;
    inputs.averageLoanPercent = *u;
    inputs.costOfFunds = *c;
    inputs.acquisitionCost = *k;
    while (!reader.atEnd()) {
        if (!reader.readItems(borrowerItems, items))
            return std::nullopt;
        const std::optional<double> number = parseWholeNumber(items[0]);
        const std::optional<double> borrowers = parseWholeNumber(items[1]);
        if (!number || *number != double(inputs.borrowers.size() + 1) || !borrowers ||
            *borrowers != std::floor(*borrowers) || *borrowers < 0 || *borrowers > 9e15)
            return std::nullopt;
        inputs.borrowers.push_back(std::int64_t(*borrowers));
    }
    return inputs;
}

QByteArray businessCaseBytes(const BusinessCase& inputs) {
    RecordWriter writer;
    writer.text(businessCaseTag);
    writer.whole(1);
    writer.item(Item::number(inputs.averageLoanPercent));
    writer.item(Item::number(inputs.costOfFunds));
    writer.item(Item::number(inputs.acquisitionCost));
    writer.endRecord();
    for (size_t s = 0; s < inputs.borrowers.size(); ++s) {
        writer.whole(qint64(s) + 1);
        writer.whole(inputs.borrowers[s]);
        writer.endRecord();
    }
    return writer.take();
}

} // namespace lendora::plancodec
