#pragma once

#include "poll/csv_reader.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

// Reading back what the analysis exports hold: a workbook as openpyxl
// dumps it (support/workbook_dump.h) and the comparison's CSV file split
// into its sections, so that the two can be compared cell for cell.
namespace lendora::analysis::test {

using namespace Qt::StringLiterals;

// The comparison's CSV: the per-feature table, an empty record, the title
// and the per-segment table; then the estimates' section and the method.
struct CsvSections {
    explicit CsvSections(const QByteArray& csv) {
        std::vector<QStringList> records;
        for (poll::CsvRecord& record : poll::readCsv(csv).records)
            records.push_back(std::move(record.fields));
        std::vector<size_t> empty;
        for (size_t i = 0; i < records.size(); ++i)
            if (records[i].join(QString()).isEmpty())
                empty.push_back(i);
        const size_t end = empty.size() >= 2 ? empty[1] : records.size();
        comparison.assign(records.begin(), records.begin() + long(end));
        if (empty.size() >= 3) {
            estimates.assign(records.begin() + long(empty[1] + 2),
                             records.begin() + long(empty[2]));
            method = records[empty[2] + 1].value(0);
        }
    }
    std::vector<QStringList> comparison;
    std::vector<QStringList> estimates;
    QString method;
};

class WorkbookCells {
public:
    explicit WorkbookCells(const QString& dump)
        : dump_(dump) {
        static const QRegularExpression cellLine(u"^([A-Z]+)([0-9]+) ([a-z]) (.*)$"_s);
        QString sheet;
        for (const QString& line : dump.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u"sheet "_s)) {
                sheet = line.mid(6);
                sheets_ << sheet;
            } else if (line.startsWith(u"freeze "_s)) {
                freeze_[sheet] = line.mid(7);
            } else if (line.startsWith(u"anchor "_s)) {
                anchors_[sheet] << line.mid(7);
            } else if (line.startsWith(u"chart "_s) || line.startsWith(u"series "_s)) {
                charts_[sheet] << line;
            } else if (const auto m = cellLine.match(line); m.hasMatch()) {
                int column = 0;
                for (QChar c : m.captured(1))
                    column = column * 26 + (c.unicode() - u'A' + 1);
                Cell cell{m.captured(3), m.captured(4), false};
                if (cell.value.endsWith(u" bold"_s)) {
                    cell.bold = true;
                    cell.value.chop(5);
                }
                if (cell.type == u"n"_s) // the value, then its format
                    cell.value = cell.value.section(u' ', 0, 0);
                cells_[sheet][{m.captured(2).toInt() - 1, column - 1}] = cell;
            }
        }
    }

    const QString& dump() const { return dump_; }
    const QStringList& sheets() const { return sheets_; }
    QString freeze(const QString& sheet) const {
        return freeze_.count(sheet) ? freeze_.at(sheet) : QString();
    }
    QStringList charts(const QString& sheet) const {
        return charts_.count(sheet) ? charts_.at(sheet) : QStringList();
    }
    // The cell under each chart's top left corner, in the charts' order.
    QStringList anchors(const QString& sheet) const {
        return anchors_.count(sheet) ? anchors_.at(sheet) : QStringList();
    }
    bool bold(const QString& sheet, int row, int column) const {
        const Cell* c = at(sheet, row, column);
        return c && c->bold;
    }
    QString text(const QString& sheet, int row, int column) const {
        const Cell* c = at(sheet, row, column);
        return c && c->type == u"s"_s ? c->value : QString();
    }
    double number(const QString& sheet, int row, int column) const {
        const Cell* c = at(sheet, row, column);
        return c && c->type == u"n"_s ? c->value.toDouble() : std::nan("");
    }
    // "s TEXT", "n VALUE" or "-" for each cell of the row, to its last one.
    QStringList row(const QString& sheet, int r) const {
        QStringList shown;
        int last = -1;
        for (int c = 0; c < 1000; ++c)
            if (at(sheet, r, c))
                last = c;
        for (int c = 0; c <= last; ++c) {
            const Cell* cell = at(sheet, r, c);
            shown << (cell ? cell->type + u' ' + cell->value : u"-"_s);
        }
        return shown;
    }
    // The heading cells of the first row, up to the first empty one, bold.
    bool boldHeadings(const QString& sheet) const {
        int c = 0;
        for (; const Cell* cell = at(sheet, 0, c); ++c)
            if (!cell->bold)
                return false;
        return c > 0;
    }
    // Where the sheet differs from the records laid from its first row: a
    // number must be a number cell of the same value, a text the same text,
    // an empty field an empty cell.
    QStringList mismatches(const QString& sheet, const std::vector<QStringList>& records) const {
        QStringList wrong;
        for (size_t r = 0; r < records.size(); ++r)
            for (int c = 0; c < records[r].size(); ++c) {
                const QString& field = records[r][c];
                const Cell* cell = at(sheet, int(r), c);
                bool isNumber = false;
                const double value = field.toDouble(&isNumber);
                const QString where = u"row %1 column %2 (%3): "_s.arg(r).arg(c).arg(field);
                if (field.isEmpty()) {
                    if (cell)
                        wrong << where + u"not empty"_s;
                } else if (!cell) {
                    wrong << where + u"missing"_s;
                } else if (isNumber) {
                    if (cell->type != u"n"_s || std::abs(cell->value.toDouble() - value) >
                                                    1e-9 * std::max(1.0, std::abs(value)))
                        wrong << where + cell->type + u' ' + cell->value;
                } else if (cell->type != u"s"_s || cell->value != field) {
                    wrong << where + cell->type + u' ' + cell->value;
                }
            }
        return wrong;
    }

private:
    struct Cell {
        QString type;
        QString value;
        bool bold = false;
    };
    const Cell* at(const QString& sheet, int row, int column) const {
        const auto s = cells_.find(sheet);
        if (s == cells_.end())
            return nullptr;
        const auto c = s->second.find({row, column});
        return c == s->second.end() ? nullptr : &c->second;
    }

    QString dump_;
    QStringList sheets_;
    std::map<QString, QString> freeze_;
    std::map<QString, QStringList> charts_;
    std::map<QString, QStringList> anchors_;
    std::map<QString, std::map<std::pair<int, int>, Cell>> cells_;
};

} // namespace lendora::analysis::test
