#include "audience/ui/segments_window.h"

#include "audience/segment_file.h"
#include "audience/segment_table.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"
#include "workspace/plan_tables.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lendora {

SegmentsWindow::SegmentsWindow()
    : lblSegIndex_(new QLabel(QStringLiteral("1")))
    , txtSegment_(new QLineEdit) {
    setObjectName(QStringLiteral("frmTASegment"));
    setWindowTitle(QStringLiteral("Target Audience Segments"));
    segments::startTable(table_);
    view_ = new ui::GridView(table_, QStringLiteral("MSFG_TASegment"));
    view_->setColumnWidth(segments::idColumn, 40);

    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("fraTASegments"));
    auto* indexCaption = new QLabel(QStringLiteral("Segment #:"));
    indexCaption->setObjectName(QStringLiteral("Label1"));
    lblSegIndex_->setObjectName(QStringLiteral("lblSegIndex"));
    auto* descriptionCaption = new QLabel(QStringLiteral("Segment Discription:"));
    descriptionCaption->setObjectName(QStringLiteral("Label3"));
    txtSegment_->setObjectName(QStringLiteral("txtSegment"));

    cmdNext_ = addButton("cmdNext", QStringLiteral("Next"));
    cmdEdit_ = addButton("cmdEdit", QStringLiteral("Edit"));
    cmdCancel_ = addButton("cmdCancel", QStringLiteral("Cancel"));
    cmdDelete_ = addButton("cmdDelete", QStringLiteral("Delete"));
    cmdSave_ = addButton("cmdSave", QStringLiteral("Save"));
    cmdBack_ = addButton("cmdBack", QStringLiteral("Back"));
    cmdFinish_ = addButton("cmdFinish", QStringLiteral("Finish"));

    auto* fields = new QGridLayout;
    fields->addWidget(indexCaption, 0, 0);
    fields->addWidget(lblSegIndex_, 0, 1);
    fields->addWidget(descriptionCaption, 1, 0);
    fields->addWidget(txtSegment_, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdNext_, cmdEdit_, cmdCancel_, cmdDelete_})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {cmdBack_, cmdFinish_, cmdSave_})
        buttons->addWidget(button);

    auto* body = new QHBoxLayout;
    body->addWidget(view_, 1);
    body->addLayout(buttons);

    auto* inside = new QVBoxLayout(frame);
    inside->addLayout(fields);
    inside->addLayout(body, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);

    connect(txtSegment_, &QLineEdit::returnPressed, this, &SegmentsWindow::enterPressed);
    connect(cmdNext_, &QPushButton::clicked, this, &SegmentsWindow::nextClicked);
    connect(view_, &ui::GridView::gridRowClicked, this, &SegmentsWindow::rowClicked);
    connect(cmdEdit_, &QPushButton::clicked, this, &SegmentsWindow::editClicked);
    connect(cmdDelete_, &QPushButton::clicked, this, &SegmentsWindow::deleteClicked);
    connect(cmdCancel_, &QPushButton::clicked, this, &SegmentsWindow::cancelClicked);
    connect(cmdBack_, &QPushButton::clicked, this, &SegmentsWindow::backClicked);
    connect(cmdFinish_, &QPushButton::clicked, this, &SegmentsWindow::finishClicked);
    connect(cmdSave_, &QPushButton::clicked, this, &SegmentsWindow::saveClicked);
    startAudience();
}

QSize SegmentsWindow::sizeHint() const {
    const QSize layoutSize = QWidget::sizeHint();
    return {std::max(layoutSize.width(), 500), std::max(layoutSize.height(), 320)};
}

QPushButton* SegmentsWindow::addButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

int SegmentsWindow::lblSegIndex() const {
    return toWhole(leadingNumber(lblSegIndex_->text()));
}

void SegmentsWindow::setLblSegIndex(int row) {
    lblSegIndex_->setText(QString::number(row));
}

// The trailing empty row: where the next segment goes.
void SegmentsWindow::toTrailingRow() {
    setLblSegIndex(table_.rowCount() - 1);
}

void SegmentsWindow::startAudience() {
    segments::startTable(table_);
    setLblSegIndex(1);
    lblSegSel_ = 0;
    txtSegment_->clear();
    for (QPushButton* button : {cmdNext_, cmdEdit_, cmdCancel_, cmdDelete_, cmdSave_, cmdFinish_})
        button->setEnabled(false);
    cmdBack_->setEnabled(true);
}

void SegmentsWindow::showStored(const SegmentDescriptions& stored) {
    table_ = plantables::segmentsTable(stored, segments::headings());
    // The rows a selection or the next number referred to are gone.
    toTrailingRow();
    lblSegSel_ = 0;
    for (QPushButton* button : {cmdNext_, cmdEdit_, cmdCancel_, cmdDelete_})
        button->setEnabled(false);
}

void SegmentsWindow::setStorable(bool storable) {
    storable_ = storable;
    if (!storable) {
        cmdFinish_->setEnabled(false);
        cmdSave_->setEnabled(false);
    }
}

void SegmentsWindow::setCaptionFor(const QString& definition) {
    setWindowTitle(shownText(QStringLiteral("Target Audience for ") + definition));
}

void SegmentsWindow::prepareEntry() {
    txtSegment_->clear();
    txtSegment_->setFocus();
}

void SegmentsWindow::finished() {
    cmdSave_->setEnabled(true);
    cmdFinish_->setEnabled(false);
}

void SegmentsWindow::saved() {
    cmdSave_->setEnabled(false);
    cmdFinish_->setEnabled(false);
}

void SegmentsWindow::enterPressed() {
    if (txtSegment_->text().isEmpty()) {
        ui::inform(this, QStringLiteral("Enter Discription of segment"));
        return;
    }
    if (lblSegSel_ == 0)
        cmdNext_->setEnabled(true);
}

void SegmentsWindow::nextClicked() {
    const int i = segments::add(table_, txtSegment_->text());
    setLblSegIndex(i + 1);
    prepareEntry();
    cmdFinish_->setEnabled(storable_);
    cmdNext_->setEnabled(false);
}

// Selects a row for Edit and Delete. The description is not copied into the
// field: the user types the replacement. Next waits for the next Enter in
// adding mode, so it can never write over the selected row; the empty row
// holds no segment to edit or delete.
void SegmentsWindow::rowClicked(int row) {
    lblSegSel_ = 1;
    setLblSegIndex(row);
    const bool segment = segments::isSegmentRow(table_, row);
    cmdCancel_->setEnabled(true);
    cmdEdit_->setEnabled(segment);
    cmdDelete_->setEnabled(segment);
    cmdNext_->setEnabled(false);
}

void SegmentsWindow::editClicked() {
    if (!segments::edit(table_, lblSegIndex(), txtSegment_->text()))
        return;
    toTrailingRow();
    cmdEdit_->setEnabled(false);
    cmdCancel_->setEnabled(false);
    cmdDelete_->setEnabled(false);
    lblSegSel_ = 0;
    prepareEntry();
}

// The window stays in editing mode (Cancel leaves it), but with the segment
// gone no row is selected, so Edit and Delete wait for the next click.
void SegmentsWindow::deleteClicked() {
    const int i = lblSegIndex();
    if (!segments::isSegmentRow(table_, i))
        return;
    if (!ui::askYesNo(this, QStringLiteral("Are you sure you want to delete this segment?")))
        return;
    segments::remove(table_, i);
    toTrailingRow();
    cmdEdit_->setEnabled(false);
    cmdDelete_->setEnabled(false);
}

void SegmentsWindow::cancelClicked() {
    toTrailingRow();
    lblSegSel_ = 0;
    cmdDelete_->setEnabled(false);
    cmdEdit_->setEnabled(false);
    prepareEntry();
}

} // namespace lendora
