#include "analysis/ui/sensitivity_panel.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_names.h"
#include "analysis/analysis_session.h"
#include "analysis/forecast_tools_guru.h"
#include "analysis/ui/analysis_charts.h"
#include "analysis/ui/export_files.h"
#include "analysis/ui/panel_support.h"
#include "analysis/ui/sensitivity_chart.h"
#include "storage/shown_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <QtCharts/QChart>
#include <QtCharts/QChartView>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

SensitivityPanel::SensitivityPanel(ui::Desk& desk, ExportFiles& exports, QWidget* parent)
    : QGroupBox(tr("Sensitivity"), parent)
    , desk_(desk)
    , exports_(exports) {
    setObjectName(QString::fromLatin1(names::sensitivityFrame));
    feature_ = new QComboBox;
    feature_->setObjectName(QString::fromLatin1(names::sensitivityFeature));
    feature_->addItems(names::texts(names::featureNames));
    segment_ = new QComboBox;
    segment_->setObjectName(QString::fromLatin1(names::sensitivitySegment));
    margin_ = new QSpinBox;
    margin_->setObjectName(QString::fromLatin1(names::sensitivityMargin));
    margin_->setRange(0, 200);
    margin_->setValue(25);
    margin_->setSuffix(tr(" %"));
    margin_->setToolTip(tr("How far the curve reaches beyond the brands' values, in per cent of "
                           "their range"));
    vertex_ = new QLabel;
    vertex_->setObjectName(QString::fromLatin1(names::sensitivityVertex));
    auto* picture = new QPushButton(tr("Save Chart..."));
    picture->setObjectName(QString::fromLatin1(names::sensitivityChartButton));
    auto* csv = new QPushButton(tr("Export CSV..."));
    csv->setObjectName(QString::fromLatin1(names::sensitivityCsvButton));
    for (QPushButton* button : {picture, csv})
        button->setAutoDefault(false);
    connect(picture, &QPushButton::clicked, this, &SensitivityPanel::exportPicture);
    connect(csv, &QPushButton::clicked, this, &SensitivityPanel::exportCsv);
    // The user's choices redraw the curve, and the Guru explains it.
    auto redraw = [this] {
        draw();
        showInGuru(desk_, guru::sensitivityCurve(curve_, brandNames(), segmentText()));
    };
    connect(feature_, &QComboBox::currentIndexChanged, this, redraw);
    connect(segment_, &QComboBox::currentIndexChanged, this, redraw);
    connect(margin_, &QSpinBox::valueChanged, this, redraw);

    chart_ = newChartView(new QChart);
    chart_->setObjectName(QString::fromLatin1(names::sensitivityChart));
    chart_->setRenderHint(QPainter::Antialiasing);
    // Small at least: the comparison above keeps the room it needs.
    chart_->setMinimumSize(240, 90);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Feature")));
    choices->addWidget(feature_);
    choices->addWidget(new QLabel(tr("Segment")));
    choices->addWidget(segment_, 1);
    choices->addWidget(new QLabel(tr("Beyond the brands")));
    choices->addWidget(margin_);
    choices->addWidget(vertex_, 1);
    choices->addWidget(picture);
    choices->addWidget(csv);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(choices);
    layout->addWidget(chart_, 1);
}

void SensitivityPanel::setSession(const AnalysisSession* session) {
    session_ = session;
    {
        const QSignalBlocker block(segment_);
        segment_->clear();
        segment_->addItem(tr("All segments"));
        for (const QString& description : session->analysis().segments())
            segment_->addItem(shownText(description));
    }
    // New counts move the curve.
    connect(session, &AnalysisSession::pollFollowed, this, &SensitivityPanel::draw);
    draw();
}

QStringList SensitivityPanel::brandNames() const {
    QStringList names;
    for (const BrandDetails& brand : session_->analysis().details().brands)
        names << shownText(brand.brand);
    return names;
}

QString SensitivityPanel::segmentText() const {
    return segment_->currentIndex() <= 0 ? tr("all segments") : segment_->currentText();
}

void SensitivityPanel::draw() {
    const PlanAnalysis& analysis = session_->analysis();
    const int feature = feature_->currentIndex();
    const int segment = std::max(segment_->currentIndex(), 0) - 1; // 0: all segments
    curve_ = sensitivityCurve(analysis.details(), analysis.poll(), analysis.segmentCount(), feature,
                              segment, margin_->value() / 100.0);
    const QString vertex = vertexText(curve_);
    vertex_->setText(vertex);
    const QStringList brands = brandNames();
    const QString title = tr("Respondents of %1 opting for %2, by %3")
                              .arg(segmentText(), brands.value(0), names::featureNames[feature]()) +
                          (vertex.isEmpty() ? QString() : tr(": %1").arg(vertex));
    drawSensitivity(chart_, curve_, brands, title);
}

void SensitivityPanel::exportPicture() {
    bool svg = false;
    const QString path = exports_.askPicture(u" sensitivity.png"_s, svg);
    if (path.isEmpty())
        return;
    // At the size of the last comparison chart export, not the panel's.
    exports_.write(path, sensitivityPicture(curve_, brandNames(), chart_->chart()->title(),
                                            exports_.pictureSize, svg));
}

void SensitivityPanel::exportCsv() {
    const QString path =
        exports_.askFor(tr("Export CSV"), u" sensitivity.csv"_s, tr("CSV file (*.csv)"), u"csv"_s);
    if (path.isEmpty())
        return;
    exports_.write(path, csvRecords(curveRecords(curve_)));
}

} // namespace lendora::analysis
