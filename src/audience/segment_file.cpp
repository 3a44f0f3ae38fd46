#include "audience/segment_file.h"

#include "storage/table_records.h"

namespace lendora::segments {

QString fileName(long long audience) {
    return QString::number(audience) + QStringLiteral("-segFile.lnd");
}

QStringList headings() {
    return {QStringLiteral("ID"), QStringLiteral("Discription")};
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
