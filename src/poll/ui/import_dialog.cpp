#include "poll/ui/import_dialog.h"

#include "poll/ui/import_dialog_names.h"
#include "storage/shown_text.h"
#include "widgets/messages.h"
#include "widgets/table_copy.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lendora {

using namespace Qt::StringLiterals;
using poll::Role;
namespace names = poll::import_names;

namespace {

QString layoutText(poll::SurveyLayout layout) {
    switch (layout) {
    case poll::SurveyLayout::OneHeader:
        return ImportResponsesDialog::tr(names::oneHeader);
    case poll::SurveyLayout::ThreeHeaders:
        return ImportResponsesDialog::tr(names::threeHeaders);
    default:
        return ImportResponsesDialog::tr(names::spssFile);
    }
}

// A column as its list offers it; a heading of megabytes is cut, as every
// text a window shows.
QString columnText(const poll::SurveyColumn& column) {
    if (column.question.isEmpty() || column.question == column.name)
        return shownText(column.name);
    return shownText(shownText(column.name) + u" - "_s + shownText(column.question));
}

QString featureCodesText(poll::FeatureCodes codes) {
    switch (codes) {
    case poll::FeatureCodes::PollTable:
        return ImportResponsesDialog::tr(names::pollTableCodes);
    case poll::FeatureCodes::Questionnaire:
        return ImportResponsesDialog::tr(names::questionnaireCodes);
    default:
        return {};
    }
}

} // namespace

ImportResponsesDialog::ImportResponsesDialog(QWidget* parent,
                                             const poll::SurveyResponses& responses,
                                             const poll::ImportChoices& choices,
                                             poll::ImportMapping mapping, const QString& fileName)
    : QDialog(parent)
    , responses_(responses)
    , choices_(choices)
    , mapping_(std::move(mapping))
    , reconciliation_(new QLabel)
    , skipped_(new QLabel)
    , featureCodes_(new QLabel) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(tr(names::fileText)
                                .arg(fileName, layoutText(responses.layout))
                                .arg(responses.respondents()));
    file->setObjectName(QString::fromLatin1(names::file));
    layout->addWidget(file);

    // One list of the columns serves the three choices; it is filled at
    // once, and the choices do not measure every entry, so that a file of
    // thousands of columns shows at once.
    QStringList columnTexts{tr(names::noColumn)};
    columnTexts.reserve(qsizetype(responses.columns.size()) + 1);
    for (const poll::SurveyColumn& column : responses.columns)
        columnTexts.append(columnText(column));
    auto* columnList = new QStringListModel(columnTexts, this);

    auto* roles = new QHBoxLayout;
    for (int r = 0; r < poll::roleCount; ++r) {
        const QString name = QString::fromLatin1(names::roleNames[r]);
        auto* box = new QGroupBox(tr(names::roleTitles[r]));
        auto* form = new QVBoxLayout(box);
        QComboBox* column = new QComboBox;
        column->setObjectName(QString::fromLatin1(names::columnChoice).arg(name));
        column->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        column->setMinimumContentsLength(20);
        if (auto* list = qobject_cast<QListView*>(column->view()))
            list->setUniformItemSizes(true);
        column->setModel(columnList);
        // Entry c + 1 is column c; entry 0 is "(none)".
        column->setCurrentIndex(mapping_.roles[size_t(r)].column + 1);
        auto* answers = new QTableWidget(0, 3);
        answers->setObjectName(QString::fromLatin1(names::answersTable).arg(name));
        answers->setHorizontalHeaderLabels({tr(names::answerHeadings[0]),
                                            tr(names::answerHeadings[1]),
                                            tr(names::answerHeadings[2])});
        answers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        answers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        answers->verticalHeader()->hide();
        answers->setEditTriggers(QAbstractItemView::NoEditTriggers);
        ui::offerTableCopy(answers);
        form->addWidget(column);
        if (Role(r) == Role::Feature) {
            featureCodes_->setObjectName(QString::fromLatin1(names::featureCodes));
            featureCodes_->setWordWrap(true);
            form->addWidget(featureCodes_);
        }
        form->addWidget(answers, 1);
        roles->addWidget(box, 1);
        columns_[size_t(r)] = column;
        answers_[size_t(r)] = answers;
        connect(column, &QComboBox::currentIndexChanged, this, [this, r] {
            poll::chooseColumn(mapping_, Role(r), columns_[size_t(r)]->currentIndex() - 1,
                               responses_, choices_);
            showAnswers(Role(r));
            recount();
        });
    }
    layout->addLayout(roles, 1);

    reconciliation_->setObjectName(QString::fromLatin1(names::reconciliation));
    reconciliation_->setWordWrap(true);
    layout->addWidget(reconciliation_);
    // Above the Import button, so that nobody imports without seeing it.
    skipped_->setObjectName(QString::fromLatin1(names::skippedNotice));
    skipped_->setWordWrap(true);
    QFont strong = skipped_->font();
    strong.setBold(true);
    skipped_->setFont(strong);
    skipped_->setStyleSheet(u"color: #a00000"_s);
    layout->addWidget(skipped_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* import = buttons->addButton(tr(names::importText), QDialogButtonBox::AcceptRole);
    import->setObjectName(QString::fromLatin1(names::importButton));
    QPushButton* cancel = buttons->addButton(tr(names::cancelText), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::fromLatin1(names::cancelButton));
    connect(import, &QPushButton::clicked, this, &ImportResponsesDialog::tryImport);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (int r = 0; r < poll::roleCount; ++r)
        showAnswers(Role(r));
    recount();
    resize(1150, 540);
}

void ImportResponsesDialog::showAnswers(Role role) {
    QTableWidget* table = answers_[size_t(role)];
    table->setRowCount(0);
    const poll::RoleMapping& chosen = mapping_[role];
    if (role == Role::Feature)
        featureCodes_->setText(featureCodesText(mapping_.featureCodes));
    if (chosen.column < 0)
        return;
    const poll::SurveyColumn& column = responses_.columns[size_t(chosen.column)];
    // A column of ids or free texts has an answer per respondent; the first
    // answers are enough to see that it is the wrong column.
    const int shown = std::min(int(column.answers.size()), 1000);
    table->setRowCount(shown);
    for (int a = 0; a < shown; ++a) {
        const QString& answer = column.answers[a];
        table->setItem(
            a, 0,
            new QTableWidgetItem(answer.isEmpty() ? tr(names::blankAnswer) : shownText(answer)));
        table->setItem(a, 1, new QTableWidgetItem(QString::number(column.tally[size_t(a)])));
        auto* target = new QComboBox;
        target->addItem(tr(names::notCounted), 0);
        for (int t = 1; t <= choices_.targetCount(role); ++t)
            target->addItem(choices_.targetText(role, t), t);
        target->setCurrentIndex(target->findData(chosen.targets.value(answer, 0)));
        table->setCellWidget(a, 2, target);
        connect(target, &QComboBox::currentIndexChanged, this, [this, role, answer, target] {
            const int chosenTarget = target->currentData().toInt();
            if (chosenTarget > 0)
                mapping_[role].targets.insert(answer, chosenTarget);
            else
                mapping_[role].targets.remove(answer);
            recount();
        });
    }
    // The answers keep room beside long segment descriptions.
    table->resizeColumnToContents(2);
    table->setColumnWidth(2, std::min(table->columnWidth(2), 150));
}

void ImportResponsesDialog::recount() {
    counts_ = poll::countResponses(responses_, mapping_, int(choices_.segments.size()));
    reconciliation_->setText(counts_.reconciliation.text());
    const QString notice = poll::skippedNotice(counts_, responses_, mapping_);
    skipped_->setText(notice);
    skipped_->setVisible(!notice.isEmpty());
    featureCodes_->setVisible(!featureCodes_->text().isEmpty());
}

void ImportResponsesDialog::tryImport() {
    if (counts_.reconciliation.counted == 0) {
        ui::inform(this, tr(names::noneCountedMessage));
        return;
    }
    accept();
}

} // namespace lendora
