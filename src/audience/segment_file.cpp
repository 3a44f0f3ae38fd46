#include "audience/segment_file.h"

#include "storage/table_records.h"

#include <QCoreApplication>

namespace lendora::segments {

using namespace Qt::StringLiterals;

QString fileName(long long audience) {
    return QString::number(audience) + u"-segFile.lnd"_s;
}

QStringList headings() {
    // "Discription" is how users know the column: it stays so.
    return {QCoreApplication::translate("SegmentTable", "ID"),
            QCoreApplication::translate("SegmentTable", "Discription")};
}

std::vector<QStringList> read(const RecordFolder& folder, long long audience) {
    return folder.readRecords(fileName(audience), itemCount);
}

void readInto(const RecordFolder& folder, long long audience, Grid& table) {
    placeRecords(table, read(folder, audience), 0, 0, true);
}

QByteArray bytes(const Grid& table) {
    return tableBytes(table, 1, 1);
}

} // namespace lendora::segments
