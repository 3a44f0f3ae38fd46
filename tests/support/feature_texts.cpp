#include "support/feature_texts.h"

#include "support/golden.h"
#include "support/workspace.h"

#include <gtest/gtest.h>

namespace lendora::test {

namespace {
QString unescaped(const QString& cell) {
    if (cell == u"-")
        return {};
    QString text;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c != u'\\' || i + 1 == cell.size()) {
            text += c;
            continue;
        }
        const QChar code = cell[++i];
        text += code == u'r'   ? QChar(u'\r')
                : code == u'n' ? QChar(u'\n')
                : code == u't' ? QChar(u'\t')
                               : code;
    }
    return text;
}
} // namespace

std::vector<QStringList> dataRows(const QString& relativePath) {
    std::vector<QStringList> rows;
    const QString all = QString::fromUtf8(readFile(dataFolder(relativePath)));
    for (const QString& line : all.split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList cells;
        for (const QString& cell : line.split(u'\t'))
            cells << unescaped(cell);
        rows.push_back(cells);
    }
    EXPECT_FALSE(rows.empty()) << "no rows in " << qPrintable(relativePath);
    return rows;
}

std::vector<QStringList> dataRows(const QString& relativePath, const QString& key) {
    std::vector<QStringList> rows;
    for (const QStringList& row : dataRows(relativePath))
        if (row.first() == key)
            rows.push_back(row.mid(1));
    EXPECT_FALSE(rows.empty()) << "no rows " << qPrintable(key) << " in "
                               << qPrintable(relativePath);
    return rows;
}

QMap<QString, QString> dataTexts(const QString& relativePath) {
    QMap<QString, QString> texts;
    for (const QStringList& row : dataRows(relativePath))
        texts.insert(row.value(0), row.value(1));
    return texts;
}

} // namespace lendora::test
