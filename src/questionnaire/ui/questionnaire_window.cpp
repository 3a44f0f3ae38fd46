#include "questionnaire/ui/questionnaire_window.h"

#include "audience/segment_file.h"
#include "questionnaire/preview_texts.h"
#include "questionnaire/questionnaire_names.h"
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

namespace names = questionnaire::names;

namespace {
// A frame that keeps its place in the layout while it is hidden.
QGroupBox* frame(const char* name, const QString& caption, bool visible) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QString::fromLatin1(name));
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
    setObjectName(QString::fromLatin1(names::window));

    auto* segmentsFrame = frame(names::segmentsFrame, tr(names::segmentsText), true);
    auto* segmentView = new ui::GridView(segments_, QString::fromLatin1(names::segmentsTable));
    segmentView->setColumnWidth(0, 40);
    segmentView->setMinimumHeight(130);
    auto* segmentsLayout = new QVBoxLayout(segmentsFrame);
    segmentsLayout->addWidget(segmentView);
    connect(segmentView, &ui::GridView::gridRowClicked, this,
            &QuestionnairePreviewWindow::segmentClicked);

    chosenSegment_ = new QLabel;
    chosenSegment_->setObjectName(QString::fromLatin1(names::chosenSegment));
    chosenSegment_->setWordWrap(true);
    chosenSegment_->setMinimumHeight(chosenSegment_->fontMetrics().height() + 8);
    QFont bold = chosenSegment_->font();
    bold.setBold(true);
    chosenSegment_->setFont(bold);

    productsFrame_ = frame(names::productsFrame, tr(names::productsText), false);
    auto* productLayout = new QHBoxLayout(productsFrame_);
    for (int k = 1; k <= 3; ++k) {
        auto* option = new QRadioButton(questionnaire::productCaption(k));
        option->setObjectName(QString::fromLatin1(names::productOption) + QString::number(k));
        option->setEnabled(false);
        productLayout->addWidget(option, 0, Qt::AlignLeft);
        products_[size_t(k - 1)] = option;
        connect(option, &QRadioButton::clicked, this, [this, k] { productChosen(k); });
    }

    featuresFrame_ = frame(names::featuresFrame, tr(names::featuresOf), false);
    auto* featureLayout = new QGridLayout(featuresFrame_);
    const QStringList optionNames = questionnaire::featureOptionNames();
    for (int i = 0; i < optionNames.size(); ++i) {
        auto* option = new QRadioButton;
        option->setObjectName(optionNames[i]);
        featureLayout->addWidget(option, i % 3, i / 3, Qt::AlignLeft);
        features_[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, option] { featureChosen(option); });
    }
    featureLayout->setColumnStretch(0, 1);
    featureLayout->setColumnStretch(1, 1);
    featureLayout->setVerticalSpacing(8);

    // The values behind the options; hidden, as the options never name a product.
    auto* detailView = new ui::GridView(detailsTable_, QString::fromLatin1(names::detailsTable));
    detailView->hide();

    auto* recordButton = new QPushButton(tr(names::recordText));
    recordButton->setObjectName(QString::fromLatin1(names::recordButton));
    recordButton->setMinimumWidth(96);
    connect(recordButton, &QPushButton::clicked, this, &QuestionnairePreviewWindow::record);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(recordButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(segmentsFrame, 1);
    layout->addWidget(chosenSegment_);
    layout->addWidget(productsFrame_);
    layout->addWidget(featuresFrame_);
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
        ui::inform(this, tr(names::noSegmentMessage));
        return;
    }
    chosenSegment_->setText(shownText(tr(names::youHaveSelected) + segments_.text(row, 1)));
    productsFrame_->show();
    for (QRadioButton* option : products_)
        option->setEnabled(true);
}

void QuestionnairePreviewWindow::productChosen(int product) {
    for (int k = 1; k <= 3; ++k)
        if (k != product)
            products_[size_t(k - 1)]->setChecked(false);
    chosenProduct_ = products_[size_t(product - 1)]->text();
    featuresFrame_->setTitle(tr(names::featuresOf) + chosenProduct_);
    featuresFrame_->show();
    const QStringList captions = questionnaire::featureCaptions(details_, product);
    for (size_t i = 0; i < features_.size(); ++i)
        features_[i]->setText(shownText(captions.value(qsizetype(i))));
}

void QuestionnairePreviewWindow::featureChosen(QRadioButton* option) {
    chosenFeature_ = option->text();
}

void QuestionnairePreviewWindow::record() {
    ui::inform(
        this, questionnaire::recordMessage(chosenSegment_->text(), chosenProduct_, chosenFeature_));
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
