#include "analysis/ui/chart_export_dialog.h"

#include "analysis/analysis_names.h"
#include "analysis/ui/export_pictures.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lendora {

namespace names = analysis::names;

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
    , chart_(new QComboBox)
    , width_(newSide(QString::fromLatin1(names::chartWidth), size.width()))
    , height_(newSide(QString::fromLatin1(names::chartHeight), size.height())) {
    setObjectName(QString::fromLatin1(names::chartDialog));
    setWindowTitle(tr("Save Chart"));
    setModal(true);
    chart_->setObjectName(QString::fromLatin1(names::chartChoice));
    chart_->addItems({analysis::names::segmentWise(), analysis::names::featureWise()});
    chart_->setCurrentIndex(chart);

    auto* form = new QFormLayout;
    form->addRow(tr("Chart"), chart_);
    form->addRow(tr("Width"), width_);
    form->addRow(tr("Height"), height_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QString::fromLatin1(names::chartButtons));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ChartExportDialog::Chart ChartExportDialog::chart() const {
    return chart_->currentIndex() == Features ? Features : Segments;
}

QSize ChartExportDialog::pictureSize() const {
    return {width_->value(), height_->value()};
}

} // namespace lendora
