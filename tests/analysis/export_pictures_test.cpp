#include "analysis/export_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::analysis;

namespace {

// A chart of `strategies` rows and `series` columns with growing values.
ChartPicture chart(int strategies, const QStringList& series) {
    ChartPicture picture;
    picture.title = QStringLiteral("Respondents opting for Easy Home");
    picture.data.columnLabels = series;
    for (int i = 1; i <= strategies; ++i) {
        picture.data.rowLabels << QStringLiteral("Strategy %1").arg(i);
        picture.data.values.emplace_back();
        for (qsizetype c = 0; c < series.size(); ++c)
            picture.data.values.back().push_back(double(i * 3 + c));
    }
    return picture;
}

TEST(ExportPictures, PicturesOutsideTheSizesOfferedAreNotMade) {
    const ChartPicture picture = chart(2, {"Interest", "Totals"});
    for (QSize size : {QSize(199, 400), QSize(400, 199), QSize(10001, 400), QSize(0, 0)}) {
        EXPECT_TRUE(chartPng(picture, size).isEmpty()) << size.width() << "x" << size.height();
        EXPECT_TRUE(chartSvg(picture, size).isEmpty()) << size.width() << "x" << size.height();
    }
    for (QSize size : {QSize(200, 200), QSize(1234, 321), QSize(10000, 200)})
        EXPECT_EQ(QImage::fromData(chartPng(picture, size)).size(), size);
}

} // namespace
