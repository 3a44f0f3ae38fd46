// The Analysis window's exports of the comparison: the two summary tables
// as CSV, a chart as PNG or SVG, and the PDF report. Each asks for its file;
// a file that cannot be written is reported, never passed over.
#include "analysis/ui/analysis_window.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_totals.h"
#include "analysis/ui/chart_export_dialog.h"
#include "analysis/ui/export_pictures.h"
#include "widgets/desk.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>

#include <QtCharts/QChart>
#include <QtCharts/QChartView>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

const QString pngFilter = u"PNG picture (*.png)"_s;
const QString svgFilter = u"SVG drawing (*.svg)"_s;

bool hasSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

} // namespace

void AnalysisWindow::updateExports() {
    const bool strategies = tables_.strategies.rowCount() - 2 >= 1;
    for (QPushButton* button : {cmdExportCsv_, cmdSaveCharts_, cmdReportPdf_})
        button->setEnabled(strategies);
}

QString AnalysisWindow::askFile(const QString& title, const QString& suffix, const QString& filters,
                                QString* selectedFilter) {
    const QString folder = exportFolder_.isEmpty() ? workspace_.folder().path() : exportFolder_;
    const QString suggested = QDir(folder).absoluteFilePath(
        analysis::exportBaseName(plan(), tables_.lblProjectIndex) + suffix);
    QString path = QFileDialog::getSaveFileName(this, title, suggested, filters, selectedFilter);
    if (!path.isEmpty())
        exportFolder_ = QFileInfo(path).absolutePath();
    return path;
}

QString AnalysisWindow::askExportFile(const QString& title, const QString& suffix,
                                      const QString& filter, const QString& extension) {
    QString path = askFile(title, suffix, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + extension;
    return path;
}

QString AnalysisWindow::askPictureFile(const QString& suffix, bool& svg) {
    QString filter = pngFilter;
    QString path = askFile(u"Save Chart"_s, suffix, pngFilter + u";;"_s + svgFilter, &filter);
    if (path.isEmpty())
        return path;
    svg = hasSuffix(path, u"svg"_s);
    if (!svg && !hasSuffix(path, u"png"_s)) {
        svg = filter == svgFilter;
        path += svg ? u".svg"_s : u".png"_s;
    }
    return path;
}

void AnalysisWindow::writeExport(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    if (bytes.isEmpty()) {
        ui::reportWrite(this,
                        WriteStatus::failure(file.fileName(), u"the picture could not be drawn"_s));
        return;
    }
    ui::reportWrite(this, RecordFolder(file.absolutePath()).writeBytes(file.fileName(), bytes));
}

void AnalysisWindow::exportCsv() {
    const QString path = askExportFile(u"Export CSV"_s, u".csv"_s, u"CSV file (*.csv)"_s, u"csv"_s);
    if (path.isEmpty())
        return;
    const auto& intervals = intervalsForExport();
    writeExport(path, analysis::comparisonCsv(tables_, intervals, resampledForExport(intervals)));
}

std::pair<analysis::ChartPicture, analysis::ChartPicture> AnalysisWindow::chartPictures() {
    // As the window shows them, whiskers included.
    intervalsForExport();
    analysis::ChartData segments = analysis::segmentsChart(tables_);
    analysis::ChartData features = analysis::featuresChart(tables_);
    addRanges(segments, features);
    return {{std::move(segments), segmentsChart_->chart()->title()},
            {std::move(features), featuresChart_->chart()->title()}};
}

void AnalysisWindow::saveChart() {
    // The chart of the tab in view is offered first.
    const auto shown = sstab2_->currentIndex() == ChartExportDialog::Features
                           ? ChartExportDialog::Features
                           : ChartExportDialog::Segments;
    ChartExportDialog dialog(shown, chartSize_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    chartSize_ = dialog.pictureSize();
    const bool features = dialog.chart() == ChartExportDialog::Features;
    bool svg = false;
    const QString path = askPictureFile(features ? u" features.png"_s : u" segments.png"_s, svg);
    if (path.isEmpty())
        return;
    const auto [segmentsPicture, featuresPicture] = chartPictures();
    const analysis::ChartPicture& picture = features ? featuresPicture : segmentsPicture;
    writeExport(path, svg ? analysis::chartSvg(picture, chartSize_)
                          : analysis::chartPng(picture, chartSize_));
}

void AnalysisWindow::reportPdf() {
    const QString path =
        askExportFile(u"PDF Report"_s, u".pdf"_s, u"PDF document (*.pdf)"_s, u"pdf"_s);
    if (path.isEmpty())
        return;
    const auto [segments, features] = chartPictures();
    const auto& intervals = intervalsForExport();
    writeExport(path, analysis::reportPdf(analysis::analysisReport(tables_, plan(), intervals,
                                                                   resampledForExport(intervals)),
                                          features, segments));
}

} // namespace lendora
