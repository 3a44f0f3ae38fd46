#include "support/workbook_dump.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace lendora::test {

QString dumpWorkbook(const QByteArray& workbook) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(workbook) != workbook.size())
        return QStringLiteral("cannot write ") + path;
    file.close();
    QProcess reader;
    reader.start(QStringLiteral(LENDORA_DEBIAN_PYTHON),
                 {QStringLiteral(LENDORA_DUMP_WORKBOOK), path});
    if (!reader.waitForFinished(120'000) || reader.exitCode() != 0)
        return QString::fromUtf8(reader.readAllStandardError());
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace lendora::test
