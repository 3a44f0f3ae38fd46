#pragma once

#include "analysis/analysis_tables.h"
#include "analysis/forecast.h"
#include "storage/grid.h"

#include "support/golden.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <QString>
#include <QStringList>
#include <utility>

#include <array>
#include <functional>
#include <vector>

// Tables laid out as the Analysis window holds them, for the engine tests.
namespace lendora::analysis::test {

using Counts = std::array<double, featureCount>;

// A poll table as the poll window lays it out: headings, one row per segment
// with the seven counts and their sum in column 8, then the "Totals" row.
inline Grid pollGrid(const std::vector<Counts>& segments) {
    const int n = int(segments.size());
    Grid grid(n + 2, 9);
    grid.setHeadings(QStringList{"Segment"} + featureNames() + QStringList{"Totals"});
    for (int r = 1; r <= n; ++r) {
        double sum = 0;
        grid.setText(r, 0, QStringLiteral("Segment %1").arg(r));
        for (int f = 1; f <= featureCount; ++f) {
            grid.setText(r, f, QString::number(segments[size_t(r - 1)][size_t(f - 1)]));
            sum += segments[size_t(r - 1)][size_t(f - 1)];
        }
        grid.setText(r, 8, QString::number(sum));
    }
    grid.setText(n + 1, 0, "Totals");
    return grid;
}

// The three brands' base values: rows own, competitor 1, competitor 2.
inline void setBase(AnalysisTables& tables, const std::array<QStringList, 3>& values) {
    tables.base.setRowCount(5);
    for (int b = 0; b < 3; ++b) {
        tables.base.setText(b + 1, 0, QStringLiteral("Product %1").arg(b));
        tables.base.setText(b + 1, 1, QStringLiteral("Brand %1").arg(b));
        for (int f = 0; f < featureCount; ++f)
            tables.base.setText(b + 1, 3 + f, values[size_t(b)].value(f));
    }
}

// Tables whose detailed estimates table holds n segments "Segment 1" ...
inline AnalysisTables tablesWithSegments(int n) {
    AnalysisTables tables;
    std::vector<QStringList> records;
    for (int s = 1; s <= n; ++s)
        records.push_back({QString::number(s), QStringLiteral("Segment %1").arg(s)});
    placeSegments(tables, records);
    return tables;
}

// Every row of the strategy tables and the estimates, with the numbers
// around them, as text for a golden transcript.
inline QString tablesText(const AnalysisTables& t) {
    QString text =
        QStringLiteral("strategy %1 of plan %2, flags").arg(t.lblAnalysisID).arg(t.lblProjectIndex);
    for (int f = 1; f <= featureCount; ++f)
        text += t.changeFlag(f) ? u'1' : u'0';
    text += QStringLiteral(" EMI %1\n").arg(int(t.lblNewEMIFlag));
    const std::pair<const char*, const Grid*> grids[] = {{"strategies", &t.strategies},
                                                         {"features", &t.features},
                                                         {"flags", &t.flags},
                                                         {"segments", &t.segments},
                                                         {"estimates", &t.estimates}};
    for (const auto& [name, grid] : grids) {
        text +=
            QStringLiteral("%1 %2x%3\n").arg(name).arg(grid->rowCount()).arg(grid->columnCount());
        for (int r = 0; r < grid->rowCount(); ++r)
            text += "  |" + grid->rowTexts(r).join(u'|') + "|\n";
    }
    return text;
}

// A case file under tests/data/analysis: lines "input => result" and "#"
// notes. Each result is computed again from its input (fields split at
// " | ", with \r, \n and \t for those characters) and the whole file
// compared, so one case is one line of data.
inline void expectCases(const QString& file,
                        const std::function<QString(const QStringList&)>& result) {
    const QString path = "analysis/cases/" + file;
    QString text;
    const QString lines =
        QString::fromUtf8(lendora::test::readFile(lendora::test::dataFolder(path)));
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
        const QString input = line.section(" => ", 0, 0);
        QStringList fields = input.split(" | ");
        for (QString& f : fields)
            f.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
        text += (line.startsWith(u'#') ? line : input + " => " + result(fields)) + u'\n';
    }
    lendora::test::expectSameText(text, path);
}

} // namespace lendora::analysis::test
