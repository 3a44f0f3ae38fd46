#include "targets.h"

#include "storage/grid.h"
#include "storage/numbers.h"
#include "storage/record_codec.h"
#include "storage/table_records.h"

#include <cstdlib>

namespace lendora::fuzz {

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

int recordReader(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int items : {1, 2, 3, 5, 7, 8, 9, 11}) {
        const auto records = readAllRecords(bytes, items);
        for (const QStringList& record : records) {
            check(record.size() == items);
            for (const QString& item : record)
                check(std::isfinite(leadingNumber(item)));
        }
        Grid table(2, items);
        placeRecords(table, records, 0, 0, true);
        check(table.rowCount() == 2 + int(records.size()));
        check(table.text(0, 0).isEmpty());
        // What was read writes back as records that read back the same.
        std::vector<Record> encoded;
        for (const QStringList& record : records) {
            Record r;
            for (const QString& item : record)
                r.push_back(Item::text(item));
            encoded.push_back(r);
        }
        const auto again = readAllRecords(encodeRecords(encoded), items);
        check(again.size() == records.size());
    }
    return 0;
}

} // namespace lendora::fuzz
