#include "poll/workbook_writer.h"

#include "poll/csv_reader.h"
#include "support/workspace.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lendora::test {

QByteArray workbook(const QString& script, Strings strings) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    QProcess writer;
    writer.start(
        QStringLiteral(WORKBOOK_WRITER),
        {path, strings == Strings::Inline ? QStringLiteral("inline") : QStringLiteral("shared")});
    writer.write(script.toUtf8());
    writer.closeWriteChannel();
    EXPECT_TRUE(writer.waitForFinished(120'000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    return readFile(path);
}

QString scriptField(QString text) {
    return text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
}

QByteArray workbookOf(const std::vector<SheetRows>& sheets, Strings strings) {
    QString script;
    for (const SheetRows& sheet : sheets) {
        script += QStringLiteral("sheet\t") + scriptField(sheet.name) + u'\n';
        for (size_t r = 0; r < sheet.rows.size(); ++r) {
            script += QStringLiteral("row\t") + QString::number(r);
            for (const QString& text : sheet.rows[r])
                script += u'\t' + scriptField(text);
            script += u'\n';
        }
    }
    return workbook(script, strings);
}

SheetRows rowsOfCsv(const QString& path) {
    SheetRows sheet{QStringLiteral("Responses"), {}};
    for (const poll::CsvRecord& record : poll::readCsv(readFile(path)).records)
        sheet.rows.push_back(record.fields);
    return sheet;
}

} // namespace lendora::test
