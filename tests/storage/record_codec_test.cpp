#include "storage/numbers.h"
#include "storage/record_codec.h"

#include <gtest/gtest.h>

using namespace lendora;

namespace {

QStringList readOne(const QByteArray& bytes, int k) {
    RecordReader reader(bytes);
    QStringList items;
    reader.readItems(k, items);
    return items;
}

// Items joined by commas, texts quoted (a quote becomes an apostrophe, a line
// break a blank), UTF-8, CR LF after the record.
TEST(RecordWriting, JoinsItemsQuotesTextsAndEndsWithCrLf) {
    const std::pair<Record, QByteArray> cases[] = {
        {{Item::whole(3), Item::text("Home Loan"), Item::text("KickOff")},
         "3,\"Home Loan\",\"KickOff\"\r\n"},
        {{Item::whole(1)}, "1\r\n"},
        {{Item::number(2.5), Item::single(0.5f), Item::number(-3), Item::text("")},
         "2.5,0.5,-3,\"\"\r\n"},
        {{Item::text("say \"hi\""), Item::text("two\r\nlines\nhere\r")},
         "\"say 'hi'\",\"two lines here \"\r\n"},
        {{Item::text(QString::fromUtf8("Crédit €"))},
         "\"Cr\xC3\xA9"
         "dit \xE2\x82\xAC\"\r\n"},
    };
    for (const auto& [record, bytes] : cases)
        EXPECT_EQ(encodeRecord(record), bytes);
}

TEST(RecordWriting, Utf8TextsAreSanitizedAlike) {
    RecordWriter writer;
    writer.whole(1);
    writer.utf8Text("say \"hi\"\r\nthen\nbye");
    writer.utf8Text("Cr\xC3\xA9"
                    "dit");
    writer.endRecord();
    EXPECT_EQ(writer.take(), QByteArray("1,\"say 'hi' then bye\",\"Cr\xC3\xA9"
                                        "dit\"\r\n"));
}

TEST(RecordReading, RoundTripsTexts) {
    const QStringList texts = {
        "Salaried, 25 to 40, urban",  "011", "000", "", "12.5", "  padded  ", "a'b",
        QString::fromUtf8("Crédit €")};
    Record record;
    for (const QString& t : texts)
        record.push_back(Item::text(t));
    EXPECT_EQ(readOne(encodeRecord(record), int(texts.size())), texts);
}

TEST(RecordReading, NumbersAndTextsGiveTheSameValue) {
    const QStringList items = readOne("3,\"3\",.5,0.5,\" 2.5 \"\r\n", 5);
    EXPECT_EQ(items, QStringList({"3", "3", ".5", "0.5", " 2.5 "}));
    EXPECT_EQ(leadingNumber(items[0]), leadingNumber(items[1]));
    EXPECT_EQ(leadingNumber(items[2]), leadingNumber(items[3]));
    EXPECT_EQ(leadingNumber(items[4]), 2.5);
}

TEST(RecordReading, ItemsAreConsumedByCountWhateverTheLines) {
    const QByteArray lfOnly = "1,\"a\",\"b\"\n2,\"c\",\"d\"\n";
    const QByteArray split = "1,\"a\"\r\n\"b\",2\r\n\"c\"\r\n\"d\"";
    const QByteArray oneLine = "1,\"a\",\"b\",2,\"c\",\"d\"\r\n";
    const QByteArray blankLines = "\r\n1,\"a\",\"b\"\r\n\r\n2,\"c\",\"d\"\r\n\r\n";
    for (const QByteArray& bytes : {lfOnly, split, oneLine, blankLines}) {
        auto records = readAllRecords(bytes, 3);
        ASSERT_EQ(records.size(), 2u) << bytes.constData();
        EXPECT_EQ(records[0], QStringList({"1", "a", "b"}));
        EXPECT_EQ(records[1], QStringList({"2", "c", "d"}));
    }
}

TEST(RecordReading, UnquotedItemsAreTrimmedAndTrailingJunkAfterQuotesDropped) {
    EXPECT_EQ(readOne("  12 , \"x\"junk , 7 \r\n", 3), QStringList({"12", "x", "7"}));
    EXPECT_EQ(readOne(",,\"\"\r\n", 3), QStringList({"", "", ""}));
}

TEST(RecordReading, IncompleteLastRecordIsPadded) {
    auto records = readAllRecords("1,\"a\",\"b\"\r\n2,\"c\"", 3);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], QStringList({"2", "c", ""}));
    RecordReader reader(QByteArray("1,\"unterminated"));
    QStringList items;
    EXPECT_FALSE(reader.readItems(3, items));
    EXPECT_EQ(items, QStringList({"1", "unterminated", ""}));
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordReading, FilesThatAreNotUtf8AreWindows1252) {
    EXPECT_EQ(readOne("\"Cr\xE9"
                      "dit \x80 \x93ok\x94\"\r\n",
                      1),
              QStringList({QString::fromUtf8("Crédit € “ok”")}));
    EXPECT_EQ(readOne("\xEF\xBB\xBF"
                      "1,\"x\"\r\n",
                      2),
              QStringList({"1", "x"}));
}

TEST(RecordReading, EmptyBlankOrGarbageFilesNeverCrashAndAlwaysEnd) {
    EXPECT_TRUE(readAllRecords("", 2).empty());
    EXPECT_TRUE(readAllRecords("\r\n\r\n  \n", 2).empty());
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    for (int k : {1, 2, 3, 7, 11}) {
        auto records = readAllRecords(garbage, k);
        for (const auto& record : records)
            EXPECT_EQ(record.size(), k);
    }
}

} // namespace

// The scanner stops at the end of the bytes it was given, even when the
// memory behind them goes on: each case is scanned alone and as the head of
// a longer buffer whose tail would change every item it reached.
TEST(RecordReading, TheScannerNeverReadsPastItsBytes) {
    const std::pair<QByteArray, QList<QByteArray>> cases[] = {
        {"", {}},
        {"   \r\n ", {}},
        {"1", {"1"}},
        {" 12 ", {"12"}},
        {"\"ab\"", {"ab"}},
        {"\"ab", {"ab"}},
        {"\"ab\"junk", {"ab"}},
        {"\"\"", {""}},
        {"1,2", {"1", "2"}},
        {"1,", {"1"}},
        {"1\r", {"1"}},
        {"\"a\"\r", {"a"}},
        {"1\r\n2", {"1", "2"}},
        {"1\r2", {"1", "2"}},
        {"\"a\"\r\"b\"", {"a", "b"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"a\r\n\r\n", {"a"}},
    };
    for (const QByteArray& tail : {QByteArray(), QByteArray("Z\"Q,\nR")}) {
        for (const auto& [bytes, expected] : cases) {
            const QByteArray buffer = bytes + tail;
            const QByteArrayView view = QByteArrayView(buffer).first(bytes.size());
            ItemScanner scanner(view);
            QList<QByteArray> items;
            while (!scanner.atEnd() && items.size() <= expected.size()) {
                const ItemScanner::Span span = scanner.next();
                ASSERT_LE(span.offset + span.length, view.size()) << bytes.constData();
                items.append(view.sliced(span.offset, span.length).toByteArray());
            }
            EXPECT_EQ(items, expected)
                << '[' << bytes.constData() << "] before [" << tail.constData() << ']';
            EXPECT_EQ(scanner.next().length, 0) << bytes.constData();
        }
    }
}
