#pragma once

#include "storage/text_source.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace lendora {

// One item of a record. Texts are written in double quotes, numbers bare in
// their shortest decimal form.
class Item {
public:
    static Item text(const QString& text) { return Item(Kind::Text, text); }
    // A double, written at 15 significant digits.
    static Item number(double value);
    // A float, written as the shortest text that reads back as it.
    static Item single(float value);
    static Item whole(std::int64_t value);

    bool isText() const { return kind_ == Kind::Text; }
    // The text, or the number's decimal form.
    const QString& value() const { return value_; }

private:
    enum class Kind { Text, Number };
    Item(Kind kind, QString value)
        : kind_(kind)
        , value_(std::move(value)) {}
    Kind kind_;
    QString value_;
};

using Record = std::vector<Item>;

// Builds file bytes record by record: items joined by ",", texts in double
// quotes, numbers bare, CR LF after every record, UTF-8. A double quote
// inside a text becomes an apostrophe and a line break a blank, so that no
// text can break its record.
class RecordWriter {
public:
    void text(QStringView text);
    // A number already in its decimal form (see numbers.h).
    void number(QStringView decimal);
    void whole(std::int64_t value);
    void item(const Item& item);
    void record(const Record& record);
    // A text item given as UTF-8 bytes.
    void utf8Text(QByteArrayView text);
    void endRecord();

    QByteArray take();

private:
    void separate();
    std::string bytes_; // appends inline, unlike QByteArray's
    bool firstItem_ = true;
};

// The bytes of one record (see RecordWriter).
QByteArray encodeRecord(const Record& record);
QByteArray encodeRecords(const std::vector<Record>& records);

// Finds the items of record file bytes one after the other, whatever the
// line layout: a comma or a line end separates items, so a record is defined
// by its item count. A quoted item is the text between its quotes (anything
// after the closing quote up to the separator is dropped); an unquoted item
// loses its leading and trailing blanks.
class ItemScanner {
public:
    struct Span {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    explicit ItemScanner(QByteArrayView bytes);

    // True when no further item follows.
    bool atEnd() const;
    // The next item; an empty span at the end.
    Span next();

private:
    void skipSeparator();
    const char* begin_;
    const char* pos_;
    const char* end_;
};

// Reads items one by one as texts (see ItemScanner and TextSource).
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes);

    bool atEnd() const { return scanner_.atEnd(); }
    // Reads the next item; an empty text at the end.
    QString readItem();
    // Reads the next k items into items (cleared first). Returns false and
    // pads with empty texts when the data end before k items were read.
    bool readItems(int k, QStringList& items);

private:
    TextSource source_;
    ItemScanner scanner_;
};

// The number of line feeds in the bytes: about one record a line, to make
// room for the records before reading them.
qsizetype lineFeeds(QByteArrayView bytes);

// Every complete or partial record of k items in the bytes, in file order.
std::vector<QStringList> readAllRecords(const QByteArray& bytes, int itemCount);

// Hands every record of k items to f, in file order; the list is reused, so
// f may move the items out.
template <class F>
void forEachRecord(const QByteArray& bytes, int itemCount, F&& f) {
    RecordReader reader(bytes);
    QStringList items;
    while (!reader.atEnd()) {
        reader.readItems(itemCount, items);
        f(items);
    }
}

} // namespace lendora
