#include "analysis/ui/chart_export_dialog.h"

#include "analysis/analysis_export.h"
#include "analysis/ui/export_pictures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {

QSpinBox* newSide(const QString& name, int value) {
    auto* side = new QSpinBox;
    side->setObjectName(name);
    side->setRange(analysis::smallestPictureSide, analysis::largestPictureSide);
    side->setSingleStep(100);
    side->setSuffix(u" px"_s);
    side->setValue(value);
    return side;
}

} // namespace

ChartExportDialog::ChartExportDialog(Chart chart, QSize size, QWidget* parent)
    : QDialog(parent)
    , cboChart_(new QComboBox)
    , txtChartWidth_(newSide(u"txtChartWidth"_s, size.width()))
    , txtChartHeight_(newSide(u"txtChartHeight"_s, size.height())) {
    setObjectName(u"frmChartExport"_s);
    setWindowTitle(u"Save Chart"_s);
    setModal(true);
    cboChart_->setObjectName(u"cboChart"_s);
    cboChart_->addItems({analysis::segmentsTitle, analysis::featuresTitle});
    cboChart_->setCurrentIndex(chart);

    auto* form = new QFormLayout;
    form->addRow(u"Chart"_s, cboChart_);
    form->addRow(u"Width"_s, txtChartWidth_);
    form->addRow(u"Height"_s, txtChartHeight_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(u"buttonsChartExport"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ChartExportDialog::Chart ChartExportDialog::chart() const {
    return cboChart_->currentIndex() == Features ? Features : Segments;
}

QSize ChartExportDialog::pictureSize() const {
    return {txtChartWidth_->value(), txtChartHeight_->value()};
}

} // namespace lendora
