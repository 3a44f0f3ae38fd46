// The plan data codecs, case by case from tests/data/workspace/plan_codecs.txt:
// each case gives a file's bytes, what the program makes of them, and the
// bytes it writes back.
#include "storage/numbers.h"
#include "workspace/plan_codecs.h"

#include "support/golden.h"
#include "support/printing.h"
#include "support/workspace.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

using namespace lendora;
using namespace Qt::StringLiterals;

namespace {

struct CodecCase {
    QString name;
    QStringList kind; // "details", "segments", "poll N" or "analysis N"
    std::map<QString, QByteArray> sections;
};

// Sections start with "-- name"; "\r" stands for a carriage return, and
// every line ends with a line feed.
std::vector<CodecCase> readCases() {
    QFile file(test::dataFolder(QStringLiteral("workspace")) + QStringLiteral("/plan_codecs.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<CodecCase> cases;
    QString section;
    QString all = QString::fromUtf8(file.readAll());
    if (all.endsWith(u'\n'))
        all.chop(1);
    for (const QString& line : all.split(u'\n')) {
        if (line.startsWith(u"== "_s)) {
            cases.push_back({line.mid(3), {}, {}});
            section.clear();
        } else if (line.startsWith(u"kind: "_s)) {
            cases.back().kind = line.mid(6).split(u' ');
        } else if (line.startsWith(u"-- "_s)) {
            section = line.mid(3);
            cases.back().sections[section];
        } else if (!section.isEmpty()) {
            QString text = line;
            cases.back().sections[section] += text.replace(u"\\r"_s, u"\r"_s).toUtf8() + '\n';
        }
    }
    return cases;
}

QString count(const PollCount& value) {
    return value ? doubleText(*value) : QStringLiteral("-");
}

QString shown(const ProjectDetails& details) {
    QString text;
    for (int b = 0; b < brandCount; ++b) {
        const BrandDetails& brand = details.brands[size_t(b)];
        QStringList items{brand.name, brand.brand, brand.marketShare.text};
        for (const TypedNumber& value : brand.features)
            items << value.text + u'=' + doubleText(value.value);
        text += QString::number(b) + u": "_s + items.join(u'|') + u'\n';
    }
    return text;
}

QString shown(const SegmentDescriptions& segments) {
    QString text;
    for (size_t s = 0; s < segments.size(); ++s)
        text += QString::number(s + 1) + u": "_s + segments[s] + u'\n';
    return text;
}

QString shown(const ProductCounts& counts) {
    QString text;
    for (size_t s = 0; s < counts.segments.size(); ++s) {
        QStringList items;
        for (const PollCount& value : counts.segments[s].features)
            items << count(value);
        text += QString::number(s + 1) + u": "_s + items.join(u' ') + u" | "_s +
                count(counts.segments[s].total) + u'\n';
    }
    return text;
}

QString shown(const std::vector<SavedStrategy>& strategies) {
    QString text;
    for (size_t i = 0; i < strategies.size(); ++i) {
        const SavedStrategy& s = strategies[i];
        QStringList values, estimates, segments;
        QString changed;
        for (int f = 0; f < featureCount; ++f) {
            values << doubleText(s.values[size_t(f)]);
            estimates << doubleText(s.featureEstimates[size_t(f)]);
            changed += s.changed[size_t(f)] ? u'1' : u'0';
        }
        for (const std::optional<double>& estimate : s.segmentEstimates)
            segments << count(estimate);
        text += QString::number(i + 1) + u": "_s + values.join(u' ') + u" / "_s +
                estimates.join(u' ') + u" / "_s + changed + u" / "_s + segments.join(u' ') + u'\n';
    }
    return text;
}

// The file bytes of the analysis, each file under its name.
QByteArray analysisText(const std::vector<std::pair<QString, QByteArray>>& files) {
    QByteArray text;
    for (const auto& [name, bytes] : files)
        text += "[" + name.toUtf8() + "]\n" + bytes;
    return text;
}

TEST(PlanCodecs, ReadAndWriteTheFilesOfAPlan) {
    const std::vector<CodecCase> cases = readCases();
    ASSERT_GE(cases.size(), 10u);
    for (const CodecCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QByteArray file = c.sections.at(QStringLiteral("file"));
        const QString parsed = QString::fromUtf8(c.sections.at(QStringLiteral("parsed")));
        const QString written = test::visible(c.sections.at(QStringLiteral("written")));
        const QString kind = c.kind.value(0);
        const int n = c.kind.value(1).toInt();
        if (kind == u"details"_s) {
            const ProjectDetails details = plancodec::parseDetails(file);
            EXPECT_EQ(shown(details), parsed);
            EXPECT_EQ(test::visible(plancodec::detailsBytes(details)), written);
        } else if (kind == u"segments"_s) {
            const SegmentDescriptions segments = plancodec::parseSegments(file);
            EXPECT_EQ(shown(segments), parsed);
            EXPECT_EQ(test::visible(plancodec::segmentsBytes(segments)), written);
        } else if (kind == u"poll"_s) {
            const ProductCounts counts = plancodec::parsePoll(file, n);
            EXPECT_EQ(shown(counts), parsed);
            EXPECT_EQ(test::visible(plancodec::pollBytes(counts)), written);
        } else if (kind == u"analysis"_s) {
            // The four files one after the other, each under "[name]".
            QByteArrayList parts = file.split('[');
            parts.removeFirst();
            ASSERT_EQ(parts.size(), 4);
            auto body = [&](int i) { return parts[i].mid(parts[i].indexOf('\n') + 1); };
            const std::vector<SavedStrategy> strategies =
                plancodec::parseAnalysis({body(0), body(1), body(2), body(3)}, n);
            EXPECT_EQ(shown(strategies), parsed);
            EXPECT_EQ(test::visible(analysisText(plancodec::analysisFileBytes(3, strategies))),
                      written);
        } else {
            ADD_FAILURE() << "unknown kind " << kind.toStdString();
        }
    }
}

// Strategies of a plan whose audience has no segments (any more) keep no
// segment estimates, whatever the files hold.
TEST(PlanCodecs, AnAnalysisOverNoSegmentsKeepsNoSegmentEstimates) {
    for (const CodecCase& c : readCases()) {
        if (c.kind.value(0) != u"analysis"_s)
            continue;
        QByteArrayList parts = c.sections.at(QStringLiteral("file")).split('[');
        parts.removeFirst();
        ASSERT_EQ(parts.size(), 4);
        auto body = [&](int i) { return parts[i].mid(parts[i].indexOf('\n') + 1); };
        const std::vector<SavedStrategy> strategies =
            plancodec::parseAnalysis({body(0), body(1), body(2), body(3)}, 0);
        ASSERT_FALSE(strategies.empty()) << c.name.toStdString();
        for (const SavedStrategy& strategy : strategies)
            EXPECT_TRUE(strategy.segmentEstimates.empty()) << c.name.toStdString();
    }
}

TEST(PlanCodecs, NamesTheFilesOfProjectsAudiencesAndProducts) {
    EXPECT_EQ(plancodec::segmentFileName(12), "12-segFile.lnd");
    // Project 1 with audience 12 and project 11 with audience 2 share their files.
    EXPECT_EQ(plancodec::pollFileName(1, 12, 0), "112_01.lnd");
    EXPECT_EQ(plancodec::pollFileName(11, 2, 1), "112_11.lnd");
    EXPECT_EQ(plancodec::pollFileName(11, 2, 2), "112_21.lnd");
    EXPECT_TRUE(plancodec::analysisFileBytes(1, {}).empty()) << "no strategy writes no file";
}

} // namespace
