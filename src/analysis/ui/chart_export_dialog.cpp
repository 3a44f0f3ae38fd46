#include "analysis/ui/chart_export_dialog.h"

#include "analysis/analysis_names.h"
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
    side->setSuffix(ChartExportDialog::tr(" px"));
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
    setWindowTitle(tr("Save Chart"));
    setModal(true);
    cboChart_->setObjectName(u"cboChart"_s);
    cboChart_->addItems({analysis::names::segmentWise(), analysis::names::featureWise()});
    cboChart_->setCurrentIndex(chart);

    auto* form = new QFormLayout;
    form->addRow(tr("Chart"), cboChart_);
    form->addRow(tr("Width"), txtChartWidth_);
    form->addRow(tr("Height"), txtChartHeight_);
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
