#include "poll/csv_reader.h"

#include "storage/text_source.h"

namespace lendora::poll {

namespace {

QChar separatorOf(QStringView text) {
    const QStringView firstLine = text.left(text.indexOf(u'\n'));
    if (firstLine.contains(u','))
        return u',';
    if (firstLine.contains(u';'))
        return u';';
    if (firstLine.contains(u'\t'))
        return u'\t';
    return u',';
}

} // namespace

CsvContent readCsv(const QByteArray& bytes) {
    const TextSource source(bytes);
    const QString text = source.decode(0, source.bytes().size());
    const QChar separator = separatorOf(text);
    CsvContent content;
    CsvRecord record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;
    bool recordOpen = false; // something of the current record was read
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    auto endRecord = [&] {
        record.fields.append(field);
        field.clear();
        content.records.push_back(std::move(record));
        record = CsvRecord();
        recordOpen = false;
    };
    int quoteLine = 0;
    while (p < end) {
        const QChar c = *p++;
        if (quoted) {
            if (c == u'"') {
                if (p < end && *p == u'"') {
                    field.append(u'"');
                    ++p;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (!recordOpen) {
            record.line = line;
            recordOpen = true;
        }
        if (c == u'"') {
            quoted = true;
            quoteLine = line;
        } else if (c == separator) {
            record.fields.append(field);
            field.clear();
        } else if (c == u'\r' && p < end && *p == u'\n') {
            // CR LF ends the record with the LF.
        } else if (c == u'\n' || c == u'\r') {
            endRecord();
            ++line;
        } else {
            field.append(c);
        }
    }
    if (quoted)
        content.unclosedQuoteLine = quoteLine;
    // A last record without a line break after it.
    if (recordOpen)
        endRecord();
    return content;
}

} // namespace lendora::poll
