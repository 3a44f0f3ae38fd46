#include "storage/record_codec.h"

#include "storage/numbers.h"

#include <charconv>
#include <cstring>

namespace lendora {

Item Item::number(double value) {
    return Item(Kind::Number, doubleText(value));
}
Item Item::single(float value) {
    return Item(Kind::Number, floatText(value));
}
Item Item::whole(std::int64_t value) {
    return Item(Kind::Number, wholeText(value));
}

void RecordWriter::separate() {
    if (!firstItem_)
        bytes_ += ',';
    firstItem_ = false;
}

QByteArray RecordWriter::take() {
    QByteArray bytes(bytes_.data(), qsizetype(bytes_.size()));
    bytes_.clear();
    firstItem_ = true;
    return bytes;
}

namespace {
// A double quote becomes an apostrophe and a line break, CR LF or alone, a
// blank, so that no text can break its record. Advances p past what it took.
char plainCharacter(const QChar*& p, const QChar* end) {
    const char16_t c = p->unicode();
    if (c == u'"')
        return '\'';
    if (c == u'\r' || c == u'\n') {
        if (c == u'\r' && p + 1 < end && p[1] == u'\n')
            ++p;
        return ' ';
    }
    return char(c);
}
} // namespace

void RecordWriter::text(QStringView text) {
    separate();
    // Plain ASCII goes straight into the buffer in one pass; other
    // characters go through the UTF-8 encoder.
    const QChar* p = text.data();
    const QChar* const end = p + text.size();
    const size_t at = bytes_.size();
    bytes_.resize(at + size_t(text.size()) + 1);
    char* const start = bytes_.data() + at;
    char* out = start;
    *out++ = '"';
    for (; p < end && p->unicode() < 0x80; ++p)
        *out++ = plainCharacter(p, end);
    bytes_.resize(at + size_t(out - start));
    while (p < end) {
        if (p->unicode() < 0x80) {
            bytes_ += plainCharacter(p, end);
            ++p;
            continue;
        }
        const QChar* run = p;
        while (p < end && p->unicode() >= 0x80)
            ++p;
        const QByteArray utf8 = QStringView(run, p).toUtf8();
        bytes_.append(utf8.constData(), size_t(utf8.size()));
    }
    bytes_ += '"';
}

void RecordWriter::number(QStringView decimal) {
    separate();
    for (QChar c : decimal)
        bytes_ += char(c.unicode());
}

void RecordWriter::whole(std::int64_t value) {
    separate();
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    bytes_.append(buffer, size_t(end - buffer));
}

void RecordWriter::item(const Item& item) {
    if (item.isText())
        text(item.value());
    else
        number(item.value());
}

void RecordWriter::record(const Record& record) {
    for (const Item& i : record)
        item(i);
    endRecord();
}

void RecordWriter::endRecord() {
    bytes_ += "\r\n";
    firstItem_ = true;
}

QByteArray encodeRecord(const Record& record) {
    RecordWriter writer;
    writer.record(record);
    return writer.take();
}

QByteArray encodeRecords(const std::vector<Record>& records) {
    RecordWriter writer;
    for (const Record& record : records)
        writer.record(record);
    return writer.take();
}

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

void RecordWriter::utf8Text(QByteArrayView text) {
    separate();
    bytes_ += '"';
    // Runs without a double quote or a line break are copied whole; a double
    // quote becomes an apostrophe and a line break, CR LF or alone, a blank.
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (p < end && *p != '"' && *p != '\r' && *p != '\n')
            ++p;
        bytes_.append(run, size_t(p - run));
        if (p == end)
            break;
        if (*p == '"') {
            bytes_ += '\'';
        } else {
            if (*p == '\r' && p + 1 < end && p[1] == '\n')
                ++p;
            bytes_ += ' ';
        }
        ++p;
    }
    bytes_ += '"';
}

ItemScanner::ItemScanner(QByteArrayView bytes)
    : begin_(bytes.data())
    , pos_(bytes.data())
    , end_(bytes.data() + bytes.size()) {}

bool ItemScanner::atEnd() const {
    for (const char* p = pos_; p < end_; ++p)
        if (!isBlank(*p) && !isLineEnd(*p))
            return false;
    return true;
}

void ItemScanner::skipSeparator() {
    if (pos_ >= end_)
        return;
    if (*pos_ == ',') {
        ++pos_;
    } else if (*pos_ == '\r') {
        ++pos_;
        if (pos_ < end_ && *pos_ == '\n')
            ++pos_;
    } else if (*pos_ == '\n') {
        ++pos_;
    }
}

ItemScanner::Span ItemScanner::next() {
    // Blank lines between items are skipped, so line ends act as separators.
    while (pos_ < end_ && (isBlank(*pos_) || isLineEnd(*pos_)))
        ++pos_;
    if (pos_ >= end_)
        return {pos_ - begin_, 0};
    if (*pos_ == '"') {
        const char* start = pos_ + 1;
        const char* stop = static_cast<const char*>(std::memchr(start, '"', size_t(end_ - start)));
        if (!stop)
            stop = end_;
        pos_ = stop < end_ ? stop + 1 : end_;
        while (pos_ < end_ && *pos_ != ',' && !isLineEnd(*pos_))
            ++pos_;
        skipSeparator();
        return {start - begin_, stop - start};
    }
    const char* first = pos_;
    while (pos_ < end_ && *pos_ != ',' && !isLineEnd(*pos_))
        ++pos_;
    const char* last = pos_;
    while (first < last && isBlank(*first))
        ++first;
    while (last > first && isBlank(last[-1]))
        --last;
    skipSeparator();
    return {first - begin_, last - first};
}

RecordReader::RecordReader(const QByteArray& bytes)
    : source_(bytes)
    , scanner_(source_.bytes()) {}

QString RecordReader::readItem() {
    const ItemScanner::Span span = scanner_.next();
    return source_.decode(span.offset, span.length);
}

bool RecordReader::readItems(int k, QStringList& items) {
    items.clear();
    bool complete = true;
    for (int i = 0; i < k; ++i) {
        if (complete && atEnd())
            complete = false;
        items.append(complete ? readItem() : QString());
    }
    return complete;
}

qsizetype lineFeeds(QByteArrayView bytes) {
    qsizetype count = 0;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
        if (!at)
            break;
        ++count;
        ++at;
    }
    return count;
}

std::vector<QStringList> readAllRecords(const QByteArray& bytes, int itemCount) {
    std::vector<QStringList> records;
    forEachRecord(bytes, itemCount,
                  [&](QStringList& items) { records.push_back(std::move(items)); });
    return records;
}

} // namespace lendora
