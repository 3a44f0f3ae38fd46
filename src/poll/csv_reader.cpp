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
    bool recordOpen = false; // something of the current record was read
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    auto endField = [&] {
        record.fields.append(field);
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        content.records.push_back(std::move(record));
        record = CsvRecord();
        recordOpen = false;
    };
    // Fields are copied in runs between the characters that end them.
    while (p < end) {
        if (!recordOpen) {
            record.line = line;
            recordOpen = true;
        }
        // A quote opens a quoted field only at the field's start; inside an
        // unquoted field it is an ordinary character (5" screen).
        if (*p == u'"' && field.isEmpty()) {
            const int quoteLine = line;
            ++p;
            while (true) {
                const QChar* run = p;
                while (p < end && *p != u'"') {
                    if (*p == u'\n')
                        ++line;
                    ++p;
                }
                field.append(QStringView(run, p));
                if (p == end) {
                    content.unclosedQuoteLine = quoteLine;
                    return content;
                }
                ++p;
                if (p < end && *p == u'"') {
                    field.append(u'"');
                    ++p;
                    continue;
                }
                break;
            }
            // A quote that closes a field is followed by a separator or the
            // line's end. Anything else means the field's own closing quote is
            // missing and this quote opened the next field: the field that is
            // not closed is the one opened here.
            if (p < end && *p != separator && *p != u'\n' && *p != u'\r') {
                content.unclosedQuoteLine = quoteLine;
                return content;
            }
            continue;
        }
        const QChar* run = p;
        while (p < end && *p != separator && *p != u'\n' && *p != u'\r')
            ++p;
        if (p > run)
            field.append(QStringView(run, p));
        if (p == end)
            continue;
        if (*p == separator) {
            ++p;
            endField();
            continue;
        }
        // CR LF, LF or a lone CR ends the record.
        if (*p == u'\r' && p + 1 < end && p[1] == u'\n')
            ++p;
        ++p;
        endRecord();
        ++line;
    }
    // A last record without a line break after it.
    if (recordOpen)
        endRecord();
    return content;
}

} // namespace lendora::poll
