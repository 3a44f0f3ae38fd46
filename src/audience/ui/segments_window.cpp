#include "audience/ui/segments_window.h"

#include "audience/segment_file.h"
#include "audience/segment_table.h"
#include "audience/ui/segments_window_names.h"
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

using namespace Qt::StringLiterals;
namespace names = segments::names;

SegmentsWindow::SegmentsWindow()
    : number_(new QLabel(u"1"_s))
    , description_(new QLineEdit) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    segments::startTable(table_);
    view_ = new ui::GridView(table_, QString::fromLatin1(names::table));
    view_->setColumnWidth(segments::idColumn, 40);

    auto* frame = new QGroupBox;
    frame->setObjectName(QString::fromLatin1(names::frame));
    auto* indexCaption = new QLabel(tr(names::numberCaptionText));
    indexCaption->setObjectName(QString::fromLatin1(names::numberCaption));
    number_->setObjectName(QString::fromLatin1(names::number));
    auto* descriptionCaption = new QLabel(tr(names::descriptionCaptionText));
    descriptionCaption->setObjectName(QString::fromLatin1(names::descriptionCaption));
    description_->setObjectName(QString::fromLatin1(names::description));

    next_ = addButton(names::nextButton);
    edit_ = addButton(names::editButton);
    cancel_ = addButton(names::cancelButton);
    delete_ = addButton(names::deleteButton);
    save_ = addButton(names::saveButton);
    back_ = addButton(names::backButton);
    finish_ = addButton(names::finishButton);

    auto* fields = new QGridLayout;
    fields->addWidget(indexCaption, 0, 0);
    fields->addWidget(number_, 0, 1);
    fields->addWidget(descriptionCaption, 1, 0);
    fields->addWidget(description_, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {next_, edit_, cancel_, delete_})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {back_, finish_, save_})
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

    connect(description_, &QLineEdit::returnPressed, this, &SegmentsWindow::enterPressed);
    connect(next_, &QPushButton::clicked, this, &SegmentsWindow::nextClicked);
    connect(view_, &ui::GridView::gridRowClicked, this, &SegmentsWindow::rowClicked);
    connect(edit_, &QPushButton::clicked, this, &SegmentsWindow::editClicked);
    connect(delete_, &QPushButton::clicked, this, &SegmentsWindow::deleteClicked);
    connect(cancel_, &QPushButton::clicked, this, &SegmentsWindow::cancelClicked);
    connect(back_, &QPushButton::clicked, this, &SegmentsWindow::backClicked);
    connect(finish_, &QPushButton::clicked, this, &SegmentsWindow::finishClicked);
    connect(save_, &QPushButton::clicked, this, &SegmentsWindow::saveClicked);
    startAudience();
}

QSize SegmentsWindow::sizeHint() const {
    const QSize layoutSize = QWidget::sizeHint();
    return {std::max(layoutSize.width(), 500), std::max(layoutSize.height(), 320)};
}

QPushButton* SegmentsWindow::addButton(const segments::names::Button& which) {
    auto* button = new QPushButton(tr(which.text));
    button->setObjectName(QString::fromLatin1(which.name));
    button->setAutoDefault(false);
    return button;
}

int SegmentsWindow::segmentNumber() const {
    return toWhole(leadingNumber(number_->text()));
}

void SegmentsWindow::setSegmentNumber(int row) {
    number_->setText(QString::number(row));
}

// The trailing empty row: where the next segment goes.
void SegmentsWindow::toTrailingRow() {
    setSegmentNumber(table_.rowCount() - 1);
}

void SegmentsWindow::startAudience() {
    segments::startTable(table_);
    setSegmentNumber(1);
    rowSelected_ = false;
    description_->clear();
    for (QPushButton* button : {next_, edit_, cancel_, delete_, save_, finish_})
        button->setEnabled(false);
    back_->setEnabled(true);
}

void SegmentsWindow::showStored(const SegmentDescriptions& stored) {
    table_ = plantables::segmentsTable(stored, segments::headings());
    // The rows a selection or the next number referred to are gone.
    toTrailingRow();
    rowSelected_ = false;
    for (QPushButton* button : {next_, edit_, cancel_, delete_})
        button->setEnabled(false);
}

void SegmentsWindow::setStorable(bool storable) {
    storable_ = storable;
    if (!storable) {
        finish_->setEnabled(false);
        save_->setEnabled(false);
    }
}

void SegmentsWindow::setCaptionFor(const QString& definition) {
    setWindowTitle(shownText(tr(names::captionFor) + definition));
}

void SegmentsWindow::prepareEntry() {
    description_->clear();
    description_->setFocus();
}

void SegmentsWindow::finished() {
    save_->setEnabled(true);
    finish_->setEnabled(false);
}

void SegmentsWindow::saved() {
    save_->setEnabled(false);
    finish_->setEnabled(false);
}

void SegmentsWindow::enterPressed() {
    if (description_->text().isEmpty()) {
        ui::inform(this, tr(names::noDescriptionMessage));
        return;
    }
    if (!rowSelected_)
        next_->setEnabled(true);
}

void SegmentsWindow::nextClicked() {
    const int i = segments::add(table_, description_->text());
    setSegmentNumber(i + 1);
    prepareEntry();
    finish_->setEnabled(storable_);
    next_->setEnabled(false);
}

// Selects a row for Edit and Delete. The description is not copied into the
// field: the user types the replacement. Next waits for the next Enter in
// adding mode, so it can never write over the selected row; the empty row
// holds no segment to edit or delete.
void SegmentsWindow::rowClicked(int row) {
    rowSelected_ = true;
    setSegmentNumber(row);
    const bool segment = segments::isSegmentRow(table_, row);
    cancel_->setEnabled(true);
    edit_->setEnabled(segment);
    delete_->setEnabled(segment);
    next_->setEnabled(false);
}

void SegmentsWindow::editClicked() {
    if (!segments::edit(table_, segmentNumber(), description_->text()))
        return;
    toTrailingRow();
    edit_->setEnabled(false);
    cancel_->setEnabled(false);
    delete_->setEnabled(false);
    rowSelected_ = false;
    prepareEntry();
}

// The window stays in editing mode (Cancel leaves it), but with the segment
// gone no row is selected, so Edit and Delete wait for the next click.
void SegmentsWindow::deleteClicked() {
    const int i = segmentNumber();
    if (!segments::isSegmentRow(table_, i))
        return;
    if (!ui::askYesNo(this, tr(names::deleteQuestion)))
        return;
    segments::remove(table_, i);
    toTrailingRow();
    edit_->setEnabled(false);
    delete_->setEnabled(false);
}

void SegmentsWindow::cancelClicked() {
    toTrailingRow();
    rowSelected_ = false;
    delete_->setEnabled(false);
    edit_->setEnabled(false);
    prepareEntry();
}

} // namespace lendora
