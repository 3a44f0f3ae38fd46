#pragma once

#include "analysis/analysis_export.h"
#include "analysis/comparison.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <QtCharts/QChartView>

#include <memory>

// Pictures of a plan's comparison for use outside the program: the two
// charts as PNG or SVG at a chosen size, and the PDF report. Each is made in
// memory; the window writes the bytes to the file the user chose.
namespace lendora::analysis {

// A chart as the report and the picture files draw it.
struct ChartPicture {
    ChartData data;
    QString title;
};

// The smallest and largest picture sides accepted, in pixels.
constexpr int smallestPictureSide = 200;
constexpr int largestPictureSide = 10000;

// The chart drawn as a PNG image of exactly that size (white background).
// Empty when the size is out of range or the image cannot be made.
QByteArray chartPng(const ChartPicture& chart, QSize size);

// The chart as an SVG drawing of that size (its bars, labels and legend as
// vector shapes and text). Empty when the size is out of range.
QByteArray chartSvg(const ChartPicture& chart, QSize size);

// Any chart drawn into a view, as a PNG image or an SVG drawing of that
// size, laid out as the comparison charts are. Empty when the size is out
// of range.
QByteArray viewPicture(std::unique_ptr<QChartView> view, QSize size, bool svg);

// The PDF report, A4 landscape: the plan's facts, the brands' base values
// and the strategies on the first page(s); then the per-feature table with
// its chart and the per-segment table with its chart, each starting a page.
// Tables too long for a page continue on the next with their headings
// repeated. Empty when the PDF cannot be made.
QByteArray reportPdf(const AnalysisReport& report, const ChartPicture& features,
                     const ChartPicture& segments);

} // namespace lendora::analysis
