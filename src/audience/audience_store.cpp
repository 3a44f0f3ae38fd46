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

WriteStatus save(const RecordFolder& folder, const Grid& audiences, int n, const Grid& segments,
                 bool& recordWritten) {
    // A record written by an earlier, partly failed attempt is replaced.
    WriteStatus status = appendAudience(folder, audiences, n);
    if (!status.ok())
        return status;
    recordWritten = true;
    status = segments::write(folder, n, segments);
    if (!status.ok())
        return status;
    return folder.writeFlag(registry::audiencesFlag);
}

} // namespace lendora::audience
