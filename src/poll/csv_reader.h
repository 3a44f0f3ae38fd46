#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated values as survey tools export them: fields separated by
// commas (or by semicolons or tabs when the first line holds no comma),
// records by CR LF or LF; a field in double quotes may hold separators and
// line breaks, and a doubled quote inside it stands for one quote. The bytes
// are UTF-8 when they are valid UTF-8 (a byte order mark is dropped),
// Windows-1252 otherwise.
namespace lendora::poll {

struct CsvRecord {
    QStringList fields;
    int line = 0; // the line the record starts on, from 1
};

struct CsvContent {
    std::vector<CsvRecord> records;
    // The line of a quoted field that is never closed, 0 when all are.
    int unclosedQuoteLine = 0;
};

CsvContent readCsv(const QByteArray& bytes);

} // namespace lendora::poll
