#include "storage/details_file.h"

#include "storage/table_records.h"

namespace lendora::details {

using namespace Qt::StringLiterals;

QStringList headings(const QString& firstHeading) {
    return {firstHeading,
            u"Brand"_s,
            u"Market Share"_s,
            u"Interest"_s,
            u"Min.Eligible Income"_s,
            u"Max. Loan Value"_s,
            u"Max. Loan Percentage"_s,
            u"Repayment Period"_s,
            u"EMI"_s,
            u"Freebies"_s};
}

QString fileName(long long project) {
    return QString::number(project) + u"_pdtl.lnd"_s;
}

QByteArray bytes(const Grid& table) {
    RecordWriter writer;
    for (int row = 1; row <= 3; ++row) {
        writer.whole(row);
        for (int c = 0; c < columnCount; ++c)
            writer.text(table.text(row, c));
        writer.endRecord();
    }
    return writer.take();
}

void readInto(const RecordFolder& folder, long long project, Grid& table, bool appendRows) {
    placeRecords(table, folder.readRecords(fileName(project), itemCount), 1, 0, appendRows);
}

} // namespace lendora::details
