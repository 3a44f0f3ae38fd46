#include "audience/audience_store.h"

#include "audience/segment_file.h"
#include "storage/registries.h"

namespace lendora::audience {

bool placeRow(Grid& audiences, int n, const QString& definition, int segmentCount) {
    if (n < 1 || n >= audiences.rowCount())
        return false;
    audiences.setText(n, 0, QString::number(n));
    audiences.setText(n, 1, definition);
    audiences.setText(n, 2, QString::number(segmentCount));
    const bool fresh = n == audiences.rowCount() - 1;
    if (fresh)
        audiences.addRow();
    return fresh;
}

bool withdrawRow(Grid& audiences, int n) {
    if (n < 1 || n != audiences.rowCount() - 2)
        return false;
    audiences.removeRow(n);
    return true;
}

namespace {
// Records 1 to n - 1 as they are on disk, then record n from the table.
WriteStatus replaceRecord(const RecordFolder& folder, const Grid& audiences, int n) {
    const auto stored = folder.readRecords(registry::audiencesFile, registry::audienceItems);
    std::vector<Record> records;
    for (int i = 1; i < n && i <= int(stored.size()); ++i) {
        const QStringList& items = stored[size_t(i - 1)];
        records.push_back({Item::whole(i), Item::text(items.value(1)), Item::text(items.value(2))});
    }
    records.push_back(
        {Item::whole(n), Item::text(audiences.text(n, 1)), Item::text(audiences.text(n, 2))});
    return folder.rewrite(registry::audiencesFile, records);
}
} // namespace

WriteStatus save(const RecordFolder& folder, const Grid& audiences, int n, const Grid& segments,
                 bool& recordWritten) {
    WriteStatus status =
        recordWritten ? replaceRecord(folder, audiences, n) : appendAudience(folder, audiences, n);
    if (!status.ok())
        return status;
    recordWritten = true;
    status = segments::write(folder, n, segments);
    if (!status.ok())
        return status;
    return folder.writeFlag(registry::audiencesFlag);
}

} // namespace lendora::audience
