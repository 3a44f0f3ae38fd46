#include "workspace/plan_tables.h"

namespace lendora::plantables {

namespace {

bool holdsText(const BrandDetails& brand) {
    if (!brand.name.isEmpty() || !brand.brand.isEmpty() || !brand.marketShare.text.isEmpty())
        return true;
    for (const TypedNumber& feature : brand.features)
        if (!feature.text.isEmpty())
            return true;
    return false;
}

Grid table(const ProjectDetails& details, const QStringList& headings, int brands, int rows) {
    Grid grid(rows, detailsColumnCount);
    grid.setHeadings(headings);
    for (int b = 0; b < brands; ++b) {
        const BrandDetails& brand = details.brands[size_t(b)];
        grid.setText(b + 1, 0, brand.name);
        grid.setText(b + 1, 1, brand.brand);
        grid.setText(b + 1, 2, brand.marketShare.text);
        for (int f = 0; f < featureCount; ++f)
            grid.setText(b + 1, 3 + f, brand.features[size_t(f)].text);
    }
    return grid;
}

} // namespace

Grid detailsTable(const ProjectDetails& details, const QStringList& headings) {
    return table(details, headings, brandCount, brandCount + 1);
}

Grid growingDetailsTable(const ProjectDetails& details, const QStringList& headings) {
    int held = brandCount;
    while (held > 0 && !holdsText(details.brands[size_t(held - 1)]))
        --held;
    return table(details, headings, held, held + 2);
}

Grid segmentsTable(const SegmentDescriptions& segments, const QStringList& headings) {
    const int n = int(segments.size());
    Grid grid(n + 2, 2);
    grid.setHeadings(headings);
    for (int s = 1; s <= n; ++s) {
        grid.setText(s, 0, QString::number(s));
        grid.setText(s, 1, segments[size_t(s - 1)]);
    }
    return grid;
}

} // namespace lendora::plantables
