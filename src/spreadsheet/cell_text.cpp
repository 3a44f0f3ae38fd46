#include "spreadsheet/cell_text.h"

namespace lendora::spreadsheet {

using namespace Qt::StringLiterals;

namespace {

QString quotedWhereNeeded(const QString& cell) {
    if (!cell.contains(u'\t') && !cell.contains(u'\n') && !cell.contains(u'\r') &&
        !cell.contains(u'"'))
        return cell;
    QString quoted = cell;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

QString tabSeparatedText(const CellRows& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << quotedWhereNeeded(cell);
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

QString htmlTable(const CellRows& rows, bool headings) {
    QString html = u"<table>"_s;
    for (size_t r = 0; r < rows.size(); ++r) {
        const QString tag = headings && r == 0 ? u"th"_s : u"td"_s;
        html += u"<tr>"_s;
        for (const QString& cell : rows[r])
            html += u'<' + tag + u'>' + cell.toHtmlEscaped() + u"</"_s + tag + u'>';
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

CellRows parseTabSeparated(const QString& text) {
    CellRows rows;
    QStringList row;
    QString cell;
    bool cellStarted = false;
    const qsizetype n = text.size();
    auto endRow = [&] {
        row << cell;
        rows.push_back(row);
        row.clear();
        cell.clear();
        cellStarted = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (!cellStarted && c == u'"') {
            // A quoted cell: to the closing quote, doubled quotes kept once;
            // anything after it up to the separator belongs to the cell too.
            for (++i; i < n; ++i) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        cell += u'"';
                        ++i;
                        continue;
                    }
                    break;
                }
                cell += text[i];
            }
            cellStarted = true;
            continue;
        }
        cellStarted = true;
        if (c == u'\t') {
            row << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            cell += c;
        }
    }
    if (cellStarted || !row.isEmpty())
        endRow();
    return rows;
}

} // namespace lendora::spreadsheet
