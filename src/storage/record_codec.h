#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
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
    // The item as it stands in a file, quotes included.
    QString encoded() const;

private:
    enum class Kind { Text, Number };
    Item(Kind kind, QString value)
        : kind_(kind)
        , value_(std::move(value)) {}
    Kind kind_;
    QString value_;
};

using Record = std::vector<Item>;

// The bytes of one record: items joined by ",", CR LF at the end, UTF-8.
// A double quote inside a text becomes an apostrophe and a line break a
// blank, so that no text can break its record.
QByteArray encodeRecord(const Record& record);
QByteArray encodeRecords(const std::vector<Record>& records);

// File bytes as text: UTF-8 when the bytes are valid UTF-8 (a byte order mark
// is dropped), Windows-1252 otherwise.
QString decodeFileText(const QByteArray& bytes);

// Reads items one by one, whatever the line layout: a comma or a line end
// separates items, so a record is defined by its item count.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes);
    explicit RecordReader(QString text);

    // True when no further item follows.
    bool atEnd() const;
    // Reads the next item; an empty text at the end.
    QString readItem();
    // Reads the next k items into items (cleared first). Returns false and
    // pads with empty texts when the data end before k items were read.
    bool readItems(int k, QStringList& items);

private:
    void skipBlanks();
    void skipSeparator();
    QString text_;
    qsizetype pos_ = 0;
};

// Every complete or partial record of k items in the bytes, in file order.
std::vector<QStringList> readAllRecords(const QByteArray& bytes, int itemCount);

} // namespace lendora
