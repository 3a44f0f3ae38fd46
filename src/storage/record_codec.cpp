#include "storage/record_codec.h"

#include "storage/numbers.h"

#include <QStringDecoder>

#include <charconv>

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

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

QString decodeFileText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(view);
}

RecordReader::RecordReader(const QByteArray& bytes)
    : RecordReader(decodeFileText(bytes)) {}

RecordReader::RecordReader(QString text)
    : text_(std::move(text))
    , pos_(text_.constData())
    , end_(text_.constData() + text_.size()) {}

bool RecordReader::atEnd() const {
    for (const QChar* p = pos_; p < end_; ++p)
        if (!isBlank(*p) && !isLineEnd(*p))
            return false;
    return true;
}

void RecordReader::skipSeparator() {
    if (pos_ >= end_)
        return;
    if (*pos_ == u',') {
        ++pos_;
    } else if (*pos_ == u'\r') {
        ++pos_;
        if (pos_ < end_ && *pos_ == u'\n')
            ++pos_;
    } else if (*pos_ == u'\n') {
        ++pos_;
    }
}

QString RecordReader::item(const QChar* begin, const QChar* end, int slot) {
    // Records repeat values (flags, statuses, names): share the text of the
    // same item of the record before instead of allocating it again.
    if (slot >= 0) {
        if (size_t(slot) >= previous_.size())
            previous_.resize(size_t(slot) + 1);
        QString& last = previous_[size_t(slot)];
        if (QStringView(begin, end) != QStringView(last))
            last = QString(begin, end - begin);
        return last;
    }
    return QString(begin, end - begin);
}

QString RecordReader::readItem() {
    return readItem(-1);
}

QString RecordReader::readItem(int slot) {
    // Blank lines between items are skipped, so line ends act as separators.
    while (pos_ < end_ && (isBlank(*pos_) || isLineEnd(*pos_)))
        ++pos_;
    if (pos_ >= end_)
        return QString();
    if (*pos_ == u'"') {
        const QChar* start = pos_ + 1;
        const QChar* stop = start;
        while (stop < end_ && *stop != u'"')
            ++stop;
        QString text = item(start, stop, slot);
        pos_ = stop < end_ ? stop + 1 : end_;
        // Anything between the closing quote and the separator is dropped.
        while (pos_ < end_ && *pos_ != u',' && !isLineEnd(*pos_))
            ++pos_;
        skipSeparator();
        return text;
    }
    const QChar* first = pos_;
    while (pos_ < end_ && *pos_ != u',' && !isLineEnd(*pos_))
        ++pos_;
    const QChar* last = pos_;
    while (first < last && isBlank(*first))
        ++first;
    while (last > first && isBlank(last[-1]))
        --last;
    QString text = item(first, last, slot);
    skipSeparator();
    return text;
}

bool RecordReader::readItems(int k, QStringList& items) {
    items.clear();
    bool complete = true;
    for (int i = 0; i < k; ++i) {
        if (complete && atEnd())
            complete = false;
        items.append(complete ? readItem(i) : QString());
    }
    return complete;
}

std::vector<QStringList> readAllRecords(const QByteArray& bytes, int itemCount) {
    std::vector<QStringList> records;
    forEachRecord(bytes, itemCount,
                  [&](QStringList& items) { records.push_back(std::move(items)); });
    return records;
}

} // namespace lendora
