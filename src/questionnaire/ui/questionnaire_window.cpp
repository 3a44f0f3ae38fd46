#include "questionnaire/ui/questionnaire_window.h"

#include "audience/segment_file.h"
#include "questionnaire/preview_texts.h"
#include "storage/numbers.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/messages.h"
#include "workspace/plan_tables.h"
#include "workspace/workspace.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lendora {

using namespace Qt::StringLiterals;

namespace {
// A frame that keeps its place in the layout while it is hidden.
QGroupBox* frame(const QString& name, const QString& caption, bool visible) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    box->setVisible(visible);
    return box;
}
} // namespace

QuestionnairePreviewWindow::QuestionnairePreviewWindow(const Workspace& workspace)
    : workspace_(workspace)
    , segments_(plantables::segmentsTable({}, segments::headings()))
    , detailsTable_(plantables::growingDetailsTable({}, QStringList())) {
    setObjectName(u"frmQuestionairePreview"_s);

    auto* frame1 = frame(u"Frame1"_s, u"Select the Description that suits you best"_s, true);
    auto* segmentView = new ui::GridView(segments_, u"MSFG_Segments"_s);
    segmentView->setColumnWidth(0, 40);
    segmentView->setMinimumHeight(130);
    auto* frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(segmentView);
    connect(segmentView, &ui::GridView::gridRowClicked, this,
            &QuestionnairePreviewWindow::segmentClicked);

    lblSegment_ = new QLabel;
    lblSegment_->setObjectName(u"lblSegment"_s);
    lblSegment_->setWordWrap(true);
    lblSegment_->setMinimumHeight(lblSegment_->fontMetrics().height() + 8);
    QFont bold = lblSegment_->font();
    bold.setBold(true);
    lblSegment_->setFont(bold);

    frame2_ = frame(u"Frame2"_s, u"Select any product"_s, false);
    auto* productLayout = new QHBoxLayout(frame2_);
    for (int k = 1; k <= 3; ++k) {
        auto* option = new QRadioButton(questionnaire::productCaption(k));
        option->setObjectName(u"Option"_s + QString::number(k));
        option->setEnabled(false);
        productLayout->addWidget(option, 0, Qt::AlignLeft);
        products_[size_t(k - 1)] = option;
        connect(option, &QRadioButton::clicked, this, [this, k] { productChosen(k); });
    }

    frameFeatures_ = frame(u"Frame_Features"_s, u"Features of "_s, false);
    auto* featureLayout = new QGridLayout(frameFeatures_);
    const QStringList names = questionnaire::featureOptionNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* option = new QRadioButton;
        option->setObjectName(names[i]);
        featureLayout->addWidget(option, i % 3, i / 3, Qt::AlignLeft);
        features_[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, option] { featureChosen(option); });
    }
    featureLayout->setColumnStretch(0, 1);
    featureLayout->setColumnStretch(1, 1);
    featureLayout->setVerticalSpacing(8);

    // The values behind the options; hidden, as the options never name a product.
    auto* detailView = new ui::GridView(detailsTable_, u"MSFG_ProjectDetails"_s);
    detailView->hide();

    auto* cmdRecord = new QPushButton(u"Record"_s);
    cmdRecord->setObjectName(u"cmdRecord"_s);
    cmdRecord->setMinimumWidth(96);
    connect(cmdRecord, &QPushButton::clicked, this, &QuestionnairePreviewWindow::record);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdRecord);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(frame1, 1);
    layout->addWidget(lblSegment_);
    layout->addWidget(frame2_);
    layout->addWidget(frameFeatures_);
    layout->addWidget(detailView);
    layout->addLayout(buttonRow);
}

QSize QuestionnairePreviewWindow::sizeHint() const {
    return {640, 480};
}

void QuestionnairePreviewWindow::load(long long project, long long audience) {
    details_ = workspace_.projectDetails(project);
    detailsTable_ = plantables::growingDetailsTable(details_, QStringList());
    segments_ = plantables::segmentsTable(workspace_.segments(audience), segments::headings());
}

void QuestionnairePreviewWindow::segmentClicked(int row) {
    if (row == segments_.rowCount() - 1) {
        ui::inform(this, u"No segment selected"_s);
        return;
    }
    lblSegment_->setText(shownText(u"You have selected "_s + segments_.text(row, 1)));
    frame2_->show();
    for (QRadioButton* option : products_)
        option->setEnabled(true);
}

void QuestionnairePreviewWindow::productChosen(int product) {
    for (int k = 1; k <= 3; ++k)
        if (k != product)
            products_[size_t(k - 1)]->setChecked(false);
    lblProduct_ = products_[size_t(product - 1)]->text();
    frameFeatures_->setTitle(u"Features of "_s + lblProduct_);
    frameFeatures_->show();
    const QStringList captions = questionnaire::featureCaptions(details_, product);
    for (size_t i = 0; i < features_.size(); ++i)
        features_[i]->setText(shownText(captions.value(qsizetype(i))));
}

void QuestionnairePreviewWindow::featureChosen(QRadioButton* option) {
    lblOption_ = option->text();
}

void QuestionnairePreviewWindow::record() {
    ui::inform(this, questionnaire::recordMessage(lblSegment_->text(), lblProduct_, lblOption_));
}

void openQuestionnairePreview(ui::Desk& desk, const Workspace& workspace,
                              QPointer<QuestionnairePreviewWindow>& slot) {
    QuestionnairePreviewWindow* window = desk.obtain(slot, workspace);
    const Plan* plan = workspace.plan(workspace.selectedPlan());
    desk.place(window, 0, desk.projectsSize().height());
    desk.showChild(window);
    window->load(plan ? plan->project : 0, plan ? plan->audience : 0);
}

} // namespace lendora
