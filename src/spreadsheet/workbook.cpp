#include "spreadsheet/workbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lendora::spreadsheet {

using namespace Qt::StringLiterals;

Cell Cell::ofText(QString text, bool bold) {
    Cell cell;
    cell.kind = Kind::Text;
    cell.text = std::move(text);
    cell.bold = bold;
    return cell;
}

Cell Cell::ofNumber(double number, QString numberFormat) {
    Cell cell;
    cell.kind = Kind::Number;
    cell.number = number;
    cell.numberFormat = std::move(numberFormat);
    return cell;
}

Cell& Sheet::at(int row, int column) {
    if (int(rows.size()) <= row)
        rows.resize(size_t(row) + 1);
    std::vector<Cell>& cells = rows[size_t(row)];
    if (int(cells.size()) <= column)
        cells.resize(size_t(column) + 1);
    return cells[size_t(column)];
}

Sheet& Workbook::addSheet(const QString& wantedName) {
    std::vector<QString> taken;
    for (const Sheet& sheet : sheets)
        taken.push_back(sheet.name);
    sheets.push_back(Sheet{sheetName(wantedName, taken), {}, 0, 0, {}});
    return sheets.back();
}

QString sheetName(const QString& wanted, const std::vector<QString>& taken) {
    constexpr int longest = 31;
    QString name;
    for (QChar c : wanted)
        name +=
            QStringView(u"[]:*?/\\").contains(c) || c.category() == QChar::Other_Control ? u' ' : c;
    name = name.simplified();
    while (name.startsWith(u'\''))
        name.remove(0, 1);
    while (name.endsWith(u'\''))
        name.chop(1);
    if (name.isEmpty())
        name = u"Sheet"_s;
    const auto isTaken = [&](const QString& candidate) {
        return std::any_of(taken.begin(), taken.end(), [&](const QString& t) {
            return t.compare(candidate, Qt::CaseInsensitive) == 0;
        });
    };
    QString candidate = name.left(longest).trimmed();
    for (int n = 2; isTaken(candidate); ++n) {
        const QString suffix = u" ("_s + QString::number(n) + u')';
        candidate = name.left(longest - int(suffix.size())).trimmed() + suffix;
    }
    return candidate;
}

QString columnLetters(int column) {
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters;
}

namespace {
QString sheetPrefix(const QString& sheet) {
    QString quoted = sheet;
    quoted.replace(u'\'', u"''"_s);
    return u"='"_s + quoted + u"'!"_s;
}
QString absolute(int row, int column) {
    return u'$' + columnLetters(column) + u'$' + QString::number(row + 1);
}
} // namespace

QString rangeReference(const QString& sheet, const Range& range) {
    return sheetPrefix(sheet) + absolute(range.firstRow, range.firstColumn) + u':' +
           absolute(range.lastRow, range.lastColumn);
}

QString cellReference(const QString& sheet, const CellAt& cell) {
    return sheetPrefix(sheet) + absolute(cell.row, cell.column);
}

namespace {

QString field(QString text) {
    // Most fields hold nothing to escape: they are passed as they are.
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'\\' || c == u'\t' || c == u'\n' || c == u'\r';
    });
    if (plain)
        return text;
    return text.replace(u'\\', u"\\\\"_s)
        .replace(u'\t', u"\\t"_s)
        .replace(u'\n', u"\\n"_s)
        .replace(u'\r', u"\\r"_s);
}

QString line(const QStringList& fields) {
    QString joined;
    for (const QString& f : fields) {
        if (&f != &fields.front())
            joined += u'\t';
        joined += field(f);
    }
    return joined + u'\n';
}

// A number as printf's "%.17g" or "%.*f" writes it; QString::number gives
// the same text, at many times the cost for a sheet of a million cells.
QByteArray numberText(double number, std::chars_format format, int precision) {
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, number, format, precision);
    return written.ec == std::errc() ? QByteArray(text, written.ptr - text) : QByteArray("0");
}

// The digits of a whole number below 10^15 (but -0), which both formats
// above write as an integer's digits (and the fixed one its decimals after
// them): most cells hold such counts, and this is quicker.
struct WholeDigits {
    char text[24];
    int size = 0;
};
bool wholeDigits(double number, WholeDigits& digits) {
    if (!(std::abs(number) < 1e15) || number != std::trunc(number) ||
        (number == 0 && std::signbit(number)))
        return false;
    const auto written =
        std::to_chars(digits.text, digits.text + sizeof digits.text, std::int64_t(number));
    digits.size = int(written.ptr - digits.text);
    return true;
}

// What the cells of one number format share: the end of their script line
// and their decimals.
struct FormatText {
    QString code;
    bool bold = false;
    QByteArray lineEnd; // "\t" FORMAT "\t" [bold] "\n"
    int decimals = 2;   // none: General, shown with two
};

const FormatText& formatText(const Cell& cell, FormatText& last) {
    if (last.lineEnd.isEmpty() || last.code != cell.numberFormat || last.bold != cell.bold) {
        last.code = cell.numberFormat;
        last.bold = cell.bold;
        last.lineEnd =
            '\t' + field(cell.numberFormat).toUtf8() + '\t' + (cell.bold ? "bold" : "") + '\n';
        const qsizetype point = cell.numberFormat.indexOf(u'.');
        last.decimals = cell.numberFormat.isEmpty() ? 2
                        : point < 0                 ? 0
                                                    : int(cell.numberFormat.size() - point - 1);
    }
    return last;
}

// How many characters the cell shows: its text, or its number in its format.
int shownLength(const Cell& cell, int decimals) {
    switch (cell.kind) {
    case Cell::Kind::Empty:
        return 0;
    case Cell::Kind::Text:
        return int(std::min<qsizetype>(cell.text.size(), 200));
    case Cell::Kind::Number:
        if (WholeDigits digits; wholeDigits(cell.number, digits))
            return digits.size + (decimals > 0 ? decimals + 1 : 0);
        return int(numberText(cell.number, std::chars_format::fixed, decimals).size());
    }
    return 0;
}

void appendWhole(QByteArray& script, int value) {
    char text[16];
    script.append(text, std::to_chars(text, text + sizeof text, value).ptr - text);
}

// The cell's line of the script, appended: "cell", its row and column, its
// kind, its text or number, its number format and "bold" or nothing (a
// number's format from `format`).
void appendCell(QByteArray& script, int row, int column, const Cell& cell,
                const FormatText& format) {
    // No infinity or NaN reaches a file: such a cell stays empty.
    if ((cell.kind == Cell::Kind::Empty && !cell.bold) ||
        (cell.kind == Cell::Kind::Number && !std::isfinite(cell.number)))
        return;
    script += "cell\t";
    appendWhole(script, row);
    script += '\t';
    appendWhole(script, column);
    switch (cell.kind) {
    case Cell::Kind::Empty:
        script += "\tblank\t\t\tbold\n";
        return;
    case Cell::Kind::Text:
        script += "\tstring\t" + field(cell.text.left(longestCellText)).toUtf8() + "\t\t" +
                  (cell.bold ? "bold" : "") + '\n';
        return;
    case Cell::Kind::Number:
        script += "\tnumber\t";
        if (WholeDigits digits; wholeDigits(cell.number, digits))
            script.append(digits.text, digits.size);
        else
            script += numberText(cell.number, std::chars_format::general, 17);
        script += format.lineEnd;
        return;
    }
}

const char* chartKind(Chart::Kind kind) {
    switch (kind) {
    case Chart::Kind::Bar:
        return "bar";
    case Chart::Kind::Line:
        return "line";
    case Chart::Kind::Column:
        break;
    }
    return "column";
}

// Makes the script in pieces of about `piece` bytes, each handed to
// put(piece) as soon as it is made.
template <typename Put>
void makeScript(const Workbook& workbook, qsizetype piece, const Put& put) {
    QByteArray script;
    const auto pass = [&] {
        if (script.size() >= piece) {
            put(script);
            script.resize(0);
        }
    };
    for (const Sheet& sheet : workbook.sheets) {
        script += line({u"sheet"_s, sheet.name}).toUtf8();
        std::vector<int> widths;
        FormatText format;
        for (size_t r = 0; r < sheet.rows.size(); ++r)
            for (size_t c = 0; c < sheet.rows[r].size(); ++c) {
                const Cell& cell = sheet.rows[r][c];
                const int decimals =
                    cell.kind == Cell::Kind::Number ? formatText(cell, format).decimals : 0;
                appendCell(script, int(r), int(c), cell, format);
                if (widths.size() <= c)
                    widths.resize(c + 1, 0);
                widths[c] = std::max(widths[c], shownLength(cell, decimals));
                pass();
            }
        // A little room beside the longest entry, within reason.
        for (size_t c = 0; c < widths.size(); ++c)
            script += line({u"width"_s, QString::number(c),
                            QString::number(std::clamp(widths[c] + 2, 8, 60))})
                          .toUtf8();
        if (sheet.frozenRows > 0 || sheet.frozenColumns > 0)
            script += line({u"freeze"_s, QString::number(sheet.frozenRows),
                            QString::number(sheet.frozenColumns)})
                          .toUtf8();
        for (const Chart& chart : sheet.charts) {
            script += line({u"chart"_s, QString::fromLatin1(chartKind(chart.kind)),
                            QString::number(chart.row), QString::number(chart.column),
                            QString::number(chart.width), QString::number(chart.height),
                            chart.title, chart.categoryTitle, chart.valueTitle})
                          .toUtf8();
            for (const Chart::Series& series : chart.series)
                script += line({u"series"_s,
                                series.nameCell ? cellReference(sheet.name, *series.nameCell)
                                                : series.name,
                                rangeReference(sheet.name, series.categories),
                                rangeReference(sheet.name, series.values)})
                              .toUtf8();
        }
    }
    if (!script.isEmpty())
        put(script);
}

} // namespace

QByteArray workbookScript(const Workbook& workbook) {
    QByteArray script;
    makeScript(workbook, qsizetype(1) << 20, [&](const QByteArray& piece) { script += piece; });
    return script;
}

QString writerProgram() {
    const QDir here(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        here.filePath(u"lendora-workbook"_s),
        here.filePath(u"../"_s + QStringLiteral(LENDORA_WORKBOOK_WRITER_INSTALLED)),
        QStringLiteral(LENDORA_WORKBOOK_WRITER_BUILT),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isExecutable() && QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    return {};
}

WrittenWorkbook writeWorkbook(const Workbook& workbook) {
    const auto failed = [](const QString& reason) { return WrittenWorkbook{{}, reason}; };
    const QString program = writerProgram();
    if (program.isEmpty())
        return failed(QCoreApplication::translate(
            "lendora::spreadsheet", "the workbook writer (lendora-workbook) is not installed"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return failed(dir.errorString());
    const QString path = dir.filePath(u"workbook.xlsx"_s);
    QProcess writer;
    writer.start(program, {path});
    if (!writer.waitForStarted())
        return failed(writer.errorString());
    // The script goes in pieces while the rest is made, and the writer takes
    // each line as it comes. A writer that stopped is heard of below.
    bool taking = true;
    makeScript(workbook, qsizetype(1) << 16, [&](const QByteArray& piece) {
        writer.write(piece);
        while (taking && writer.bytesToWrite() > 0)
            taking = writer.waitForBytesWritten(-1);
    });
    writer.closeWriteChannel();
    if (!writer.waitForFinished(-1) || writer.exitStatus() != QProcess::NormalExit ||
        writer.exitCode() != 0) {
        // The writer's own reason comes last, after any warning of the library.
        const QString said =
            QString::fromLocal8Bit(writer.readAllStandardError()).trimmed().split(u'\n').last();
        return failed(said.isEmpty() ? writer.errorString() : said);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    return {file.readAll(), {}};
}

} // namespace lendora::spreadsheet
