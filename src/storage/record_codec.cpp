#include "storage/record_codec.h"

#include "storage/numbers.h"

#include <QStringDecoder>

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

QString Item::encoded() const {
    if (kind_ == Kind::Number)
        return value_;
    QString safe = value_;
    safe.replace(u'"', u'\'');
    safe.replace(QLatin1String("\r\n"), QLatin1String(" "));
    safe.replace(u'\r', u' ');
    safe.replace(u'\n', u' ');
    return u'"' + safe + u'"';
}

QByteArray encodeRecord(const Record& record) {
    QString line;
    for (size_t i = 0; i < record.size(); ++i) {
        if (i > 0)
            line += u',';
        line += record[i].encoded();
    }
    QByteArray bytes = line.toUtf8();
    bytes += "\r\n";
    return bytes;
}

QByteArray encodeRecords(const std::vector<Record>& records) {
    QByteArray bytes;
    for (const Record& record : records)
        bytes += encodeRecord(record);
    return bytes;
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
    : text_(decodeFileText(bytes)) {}

RecordReader::RecordReader(QString text)
    : text_(std::move(text)) {}

bool RecordReader::atEnd() const {
    for (qsizetype i = pos_; i < text_.size(); ++i)
        if (!isBlank(text_[i]) && !isLineEnd(text_[i]))
            return false;
    return true;
}

void RecordReader::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
}

void RecordReader::skipSeparator() {
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == u',') {
        ++pos_;
    } else if (text_[pos_] == u'\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
}

QString RecordReader::readItem() {
    // Blank lines between items are skipped, so line ends act as separators.
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_])))
        ++pos_;
    if (pos_ >= text_.size())
        return QString();
    const qsizetype n = text_.size();
    if (text_[pos_] == u'"') {
        const qsizetype start = pos_ + 1;
        qsizetype close = text_.indexOf(u'"', start);
        if (close < 0)
            close = n;
        QString item = text_.mid(start, close - start);
        pos_ = close < n ? close + 1 : n;
        // Anything between the closing quote and the separator is dropped.
        while (pos_ < n && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
        skipSeparator();
        return item;
    }
    const qsizetype start = pos_;
    while (pos_ < n && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
        ++pos_;
    qsizetype end = pos_;
    qsizetype first = start;
    while (first < end && isBlank(text_[first]))
        ++first;
    while (end > first && isBlank(text_[end - 1]))
        --end;
    QString item = text_.mid(first, end - first);
    skipSeparator();
    return item;
}

bool RecordReader::readItems(int k, QStringList& items) {
    items.clear();
    bool complete = true;
    for (int i = 0; i < k; ++i) {
        if (atEnd())
            complete = false;
        items.append(complete ? readItem() : QString());
    }
    return complete;
}

std::vector<QStringList> readAllRecords(const QByteArray& bytes, int itemCount) {
    std::vector<QStringList> records;
    RecordReader reader(bytes);
    QStringList items;
    while (!reader.atEnd()) {
        reader.readItems(itemCount, items);
        records.push_back(items);
    }
    return records;
}

} // namespace lendora
