#include "basic_details/project_finish.h"

#include "storage/details_file.h"
#include "storage/numbers.h"

namespace lendora::finish {

using namespace Qt::StringLiterals;

QStringList detailsHeadings() {
    return details::headings(u"Product and Competitors"_s);
}

QString competitor2Cell(const QString& fieldText) {
    const std::optional<double> value = parseWholeNumber(fieldText);
    return value ? floatText(float(*value)) : u"0"_s;
}

Grid detailsTable(const wizard::FieldTexts& t) {
    Grid table(detailsRows, details::columnCount);
    table.setHeadings(detailsHeadings());
    table.setText(1, details::name, t.projectName());
    table.setText(2, details::name, t.competitor(1));
    table.setText(3, details::name, t.competitor(2));
    for (int row = 1; row <= 3; ++row)
        table.setText(row, details::brand, t.brandOf(row - 1));
    // Steps 4 to 11 fill columns 2 to 9, one brand per row.
    for (int step = 4; step <= wizard::stepCount; ++step) {
        const int column = details::marketShare + (step - 4);
        for (int brand = 0; brand < 3; ++brand) {
            const QString& text = t.at(step, brand);
            table.setText(brand + 1, column, brand == 2 ? competitor2Cell(text) : text);
        }
    }
    return table;
}

Project project(const wizard::FieldTexts& t) {
    return Project{t.projectName(), t.productName(), t.brandName(), ProjectStatus::KickOff};
}

} // namespace lendora::finish
