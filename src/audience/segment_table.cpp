#include "audience/segment_table.h"

#include "audience/segment_file.h"

#include <algorithm>

namespace lendora::segments {

void startTable(Grid& table) {
    table.reset(2, 2);
    table.setHeadings(headings());
}

int count(const Grid& table) {
    return std::max(table.rowCount() - 2, 0);
}

bool isSegmentRow(const Grid& table, int row) {
    return row >= 1 && row <= count(table);
}

SegmentDescriptions descriptions(const Grid& table) {
    SegmentDescriptions all;
    for (int i = 1; i <= count(table); ++i)
        all.push_back(table.text(i, descriptionColumn));
    return all;
}

int add(Grid& table, const QString& description) {
    const int i = table.rowCount() - 1;
    table.setText(i, idColumn, QString::number(i));
    table.setText(i, descriptionColumn, description);
    table.addRow();
    return i;
}

bool edit(Grid& table, int i, const QString& description) {
    if (!isSegmentRow(table, i))
        return false;
    table.setText(i, idColumn, QString::number(i));
    table.setText(i, descriptionColumn, description);
    return true;
}

bool remove(Grid& table, int i) {
    if (!isSegmentRow(table, i))
        return false;
    table.removeRow(i);
    const int last = table.rowCount() - 1;
    for (int k = 1; k <= last; ++k)
        table.setText(k, idColumn, QString::number(k));
    return true;
}

} // namespace lendora::segments
