#include "analysis/ui/comparison_panel.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_models.h"
#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/analysis_workbook.h"
#include "analysis/business_case_export.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/chart_export_dialog.h"
#include "analysis/ui/export_files.h"
#include "analysis/ui/export_pictures.h"
#include "analysis/ui/panel_support.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

#include <QtCharts/QChart>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

ComparisonPanel::ComparisonPanel(ExportFiles& exports, QWidget* belowTables,
                                 const QList<QWidget*>& besideButtons, QWidget* parent)
    : QWidget(parent)
    , exports_(exports)
    , segmentsModel_(new AnalysisTableModel(AnalysisTable::SegmentEstimates, this))
    , featuresModel_(new AnalysisTableModel(AnalysisTable::FeatureEstimates, this)) {
    setObjectName(QString::fromLatin1(names::finalPage));
    segmentsTable_ = newTable(segmentsModel_, names::segmentsTable);
    featuresTable_ = newTable(featuresModel_, names::featuresTable);
    segmentsChart_ = newComparisonChart(QString::fromLatin1(names::segmentsChart), QString());
    featuresChart_ = newComparisonChart(QString::fromLatin1(names::featuresChart), QString());

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QString::fromLatin1(names::comparisonTabs));
    for (ui::GridView* view : {segmentsTable_, featuresTable_})
        connect(view, &ui::GridView::gridRowClicked, this, &ComparisonPanel::selectRow);
    // The segment table beside its chart; the wide feature table below its chart.
    QWidget* bySegment = comparisonTab(segmentsTable_, segmentsChart_, Qt::Horizontal);
    bySegment->setObjectName(QString::fromLatin1(names::segmentPage));
    QWidget* byFeature = comparisonTab(featuresChart_, featuresTable_, Qt::Vertical);
    byFeature->setObjectName(QString::fromLatin1(names::featurePage));
    tabs_->addTab(bySegment, names::segmentWise());
    tabs_->addTab(byFeature, names::featureWise());

    save_ = newButton(names::saveButton, names::save());
    delete_ = newButton(names::deleteButton, names::deleteText());
    cancel_ = newButton(names::cancelButton, names::cancel());
    connect(save_, &QPushButton::clicked, this, &ComparisonPanel::save);
    connect(delete_, &QPushButton::clicked, this, &ComparisonPanel::deleteStrategy);
    connect(cancel_, &QPushButton::clicked, this, &ComparisonPanel::cancel);
    exportCsv_ = newButton(names::exportCsvButton, tr("Export CSV..."));
    saveChart_ = newButton(names::saveChartButton, tr("Save Chart..."));
    reportPdf_ = newButton(names::reportPdfButton, tr("PDF Report..."));
    exportExcel_ = newButton(names::exportExcelButton, tr("Export Excel..."));
    exportCsv_->setToolTip(tr("Save the feature wise and segment wise tables as a CSV file"));
    saveChart_->setToolTip(tr("Save a chart as a PNG picture or an SVG drawing"));
    reportPdf_->setToolTip(tr("Save a PDF report of this plan's strategies"));
    exportExcel_->setToolTip(tr("Save the analysis as an Excel workbook with its charts"));
    connect(exportCsv_, &QPushButton::clicked, this, &ComparisonPanel::exportCsv);
    connect(saveChart_, &QPushButton::clicked, this, &ComparisonPanel::exportChart);
    connect(reportPdf_, &QPushButton::clicked, this, &ComparisonPanel::exportReport);
    connect(exportExcel_, &QPushButton::clicked, this, &ComparisonPanel::exportExcel);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 28, 0, 0);
    buttons->addWidget(save_);
    buttons->addWidget(delete_);
    buttons->addWidget(cancel_);
    buttons->addSpacing(18);
    buttons->addWidget(exportCsv_);
    buttons->addWidget(saveChart_);
    buttons->addWidget(reportPdf_);
    buttons->addWidget(exportExcel_);
    buttons->addSpacing(18);
    for (QWidget* widget : besideButtons)
        buttons->addWidget(widget);
    buttons->addStretch(1);

    // The comparison above, what the window puts below it under it.
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QString::fromLatin1(names::finalSplit));
    split->setChildrenCollapsible(false);
    split->addWidget(tabs_);
    split->addWidget(belowTables);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({420, 300});

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
}

QWidget* ComparisonPanel::comparisonTab(QWidget* first, QWidget* second,
                                        Qt::Orientation orientation) {
    auto* splitter = new QSplitter(orientation);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(first);
    splitter->addWidget(second);
    if (orientation == Qt::Horizontal) {
        splitter->setStretchFactor(0, 2);
        splitter->setStretchFactor(1, 3);
        splitter->setSizes({420, 680});
    } else {
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 0);
        splitter->setSizes({290, 110});
    }
    return splitter;
}

void ComparisonPanel::setSession(AnalysisSession* session) {
    session_ = session;
    segmentsModel_->setSession(session);
    featuresModel_->setSession(session);
    connect(session, &AnalysisSession::strategiesChanged, this, &ComparisonPanel::redrawCharts);
    connect(session, &AnalysisSession::intervalsReady, this, &ComparisonPanel::redrawCharts);
    connect(session, &AnalysisSession::strategyAdded, save_, [this] { save_->setEnabled(true); });

    const QString brand = shownText(session->analysis().details().own().brand);
    segmentsChart_->chart()->setTitle(tr("Respondents opting for %1, by segment").arg(brand));
    featuresChart_->chart()->setTitle(tr("Respondents opting for %1, by feature").arg(brand));
    // The saved strategies come with their totals; the charts show them, or
    // no bars for a plan without strategies.
    redrawCharts();
    for (QPushButton* button : {save_, delete_, cancel_})
        button->setEnabled(false);
    tabs_->setCurrentIndex(0);
}

int ComparisonPanel::shownTab() const {
    return tabs_->currentIndex();
}

void ComparisonPanel::showTab(int tab) {
    tabs_->setCurrentIndex(tab);
}

std::pair<ChartData, ChartData> ComparisonPanel::charts() const {
    const PlanAnalysis& analysis = session_->analysis();
    std::pair<ChartData, ChartData> charts{
        segmentsChart(analysis.strategies(), analysis.segments()),
        featuresChart(analysis.strategies())};
    if (const auto* intervals = session_->intervals())
        addRanges(charts.first, charts.second, *intervals);
    return charts;
}

void ComparisonPanel::redrawCharts() {
    const auto [segments, features] = charts();
    drawWhenShown(segmentsChart_, segments);
    drawWhenShown(featuresChart_, features);
    updateExports();
}

void ComparisonPanel::updateExports() {
    const bool strategies = !session_->analysis().strategies().empty();
    for (QPushButton* button : {exportCsv_, saveChart_, reportPdf_, exportExcel_})
        button->setEnabled(strategies);
}

void ComparisonPanel::selectRow(int row) {
    session_->selectRow(row);
    // Only a strategy's row can be deleted; the totals row cannot.
    delete_->setEnabled(session_->analysis().strategySelected());
    cancel_->setEnabled(true);
}

void ComparisonPanel::save() {
    ui::reportWrite(this, session_->save());
}

void ComparisonPanel::deleteStrategy() {
    if (!ui::askYesNo(this, names::deleteQuestion()))
        return;
    const AnalysisSession::Deletion deletion = session_->deleteSelected();
    if (deletion.outcome == DeleteOutcome::NotAStrategy)
        return;
    // The rows moved up: the next deletion needs a fresh choice.
    delete_->setEnabled(false);
    for (ui::GridView* view : {featuresTable_, segmentsTable_})
        view->clearSelection();
    ui::inform(this, deleteMessage(deletion.outcome));
    if (deletion.outcome == DeleteOutcome::NoneLeft) {
        save_->setEnabled(false);
        ui::reportWrite(this, deletion.withdrawal);
        return;
    }
    save_->setEnabled(true);
}

void ComparisonPanel::cancel() {
    for (QPushButton* button : {save_, delete_, cancel_})
        button->setEnabled(false);
}

void ComparisonPanel::whenIntervalsReady(std::function<void()> write) {
    session_->whenIntervalsReady(this, [this, write = std::move(write)] {
        // The business case's intervals come from the same resamples, after them.
        if (session_->businessCase() && !session_->businessCaseIntervals()) {
            auto once = std::make_shared<QMetaObject::Connection>();
            *once = connect(session_, &AnalysisSession::businessCaseIntervalsReady, this,
                            [once, write] {
                                disconnect(*once);
                                write();
                            });
            return;
        }
        write();
    });
}

void ComparisonPanel::exportCsv() {
    const QString path =
        exports_.askFor(tr("Export CSV"), u".csv"_s, tr("CSV file (*.csv)"), u"csv"_s);
    if (path.isEmpty())
        return;
    whenIntervalsReady([this, path] {
        QByteArray csv = comparisonCsv(session_->analysis(), *session_->intervals(),
                                       session_->intervalsResampled());
        if (const auto& inputs = session_->businessCase())
            csv += csvRecords(businessCaseRecords(session_->analysis(), *inputs,
                                                  session_->businessCaseRows(),
                                                  session_->businessCaseIntervals()));
        exports_.write(path, csv);
    });
}

void ComparisonPanel::exportChart() {
    // The chart of the tab in view is offered first.
    const auto shown = tabs_->currentIndex() == ChartExportDialog::Features
                           ? ChartExportDialog::Features
                           : ChartExportDialog::Segments;
    ChartExportDialog dialog(shown, exports_.pictureSize, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    exports_.pictureSize = dialog.pictureSize();
    const bool features = dialog.chart() == ChartExportDialog::Features;
    bool svg = false;
    const QString path =
        exports_.askPicture(features ? u" features.png"_s : u" segments.png"_s, svg);
    if (path.isEmpty())
        return;
    whenIntervalsReady([this, path, features, svg] {
        auto [segments, byFeature] = charts();
        const ChartPicture picture =
            features ? ChartPicture{std::move(byFeature), featuresChart_->chart()->title()}
                     : ChartPicture{std::move(segments), segmentsChart_->chart()->title()};
        const QSize size = exports_.pictureSize;
        exports_.write(path, svg ? chartSvg(picture, size) : chartPng(picture, size));
    });
}

void ComparisonPanel::exportReport() {
    const QString path =
        exports_.askFor(tr("PDF Report"), u".pdf"_s, tr("PDF document (*.pdf)"), u"pdf"_s);
    if (path.isEmpty())
        return;
    whenIntervalsReady([this, path] {
        auto [segments, features] = charts();
        AnalysisReport report =
            analysisReport(session_->analysis(), session_->plan(), session_->planNumber(),
                           *session_->intervals(), session_->intervalsResampled());
        if (const auto& inputs = session_->businessCase())
            addBusinessCase(report, session_->analysis(), *inputs, session_->businessCaseRows(),
                            session_->businessCaseIntervals());
        exports_.write(path,
                       reportPdf(report, {std::move(features), featuresChart_->chart()->title()},
                                 {std::move(segments), segmentsChart_->chart()->title()}));
    });
}

void ComparisonPanel::exportExcel() {
    const QString path =
        exports_.askFor(tr("Export Excel"), u".xlsx"_s, tr("Excel workbook (*.xlsx)"), u"xlsx"_s);
    if (path.isEmpty())
        return;
    whenIntervalsReady([this, path] {
        WorkbookContent content;
        content.analysis = &session_->analysis();
        content.intervals = session_->intervals();
        content.resampled = session_->intervalsResampled();
        if (workbookExtras_)
            workbookExtras_(content);
        const spreadsheet::WrittenWorkbook written =
            spreadsheet::writeWorkbook(analysisWorkbook(content));
        // A workbook that could not be made is told with the writer's reason;
        // the file is left as it was.
        if (!written.error.isEmpty())
            ui::reportWrite(this, WriteStatus::failure(QFileInfo(path).fileName(), written.error));
        else
            exports_.write(path, written.bytes);
    });
}

} // namespace lendora::analysis
