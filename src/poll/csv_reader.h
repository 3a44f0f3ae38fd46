#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated values as survey tools export them: fields separated by
// commas (or by semicolons or tabs when the first line holds no comma),
// records by CR LF or LF; a field in double quotes may hold separators and
// line breaks, and a doubled quote inside it stands for one quote. A quote
// opens a quoted field only at the field's start (inside a field it is an
// ordinary character), and the quote that closes it is followed by a
// separator or the line's end. The bytes
// are UTF-8 when they are valid UTF-8 (a byte order mark is dropped),
// Windows-1252 otherwise.
namespace lendora::poll {

struct CsvRecord {
    QStringList fields;
    int line = 0; // the line the record starts on, from 1
};

struct CsvContent {
    std::vector<CsvRecord> records;
    // The line where a quoted field that is never closed opened, 0 when all
    // are; reading stops there. A closing quote followed by anything but a
    // separator or a line end closes no field of its own: the field before
    // it was never closed.
    int unclosedQuoteLine = 0;
};

CsvContent readCsv(const QByteArray& bytes);

} // namespace lendora::poll
