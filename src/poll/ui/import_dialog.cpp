#include "poll/ui/import_dialog.h"

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

using poll::Role;

const QString noneCountedMessage =
    QStringLiteral("No respondent is counted: choose the columns and the answers that name the "
                   "plan's segments, products and features");

namespace {

const char* const roleNames[poll::roleCount] = {"Segment", "Product", "Feature"};
const char* const roleTitles[poll::roleCount] = {"Segment of the respondent", "Liked product",
                                                 "Liked feature"};

QString layoutText(poll::SurveyLayout layout) {
    switch (layout) {
    case poll::SurveyLayout::OneHeader:
        return QStringLiteral("one header row");
    case poll::SurveyLayout::ThreeHeaders:
        return QStringLiteral("three header rows");
    default:
        return QStringLiteral("SPSS data file");
    }
}

// A column as its list offers it; a heading of megabytes is cut, as every
// text a window shows.
QString columnText(const poll::SurveyColumn& column) {
    if (column.question.isEmpty() || column.question == column.name)
        return shownText(column.name);
    return shownText(shownText(column.name) + QStringLiteral(" - ") + shownText(column.question));
}

QString featureCodesText(poll::FeatureCodes codes) {
    switch (codes) {
    case poll::FeatureCodes::PollTable:
        return ImportResponsesDialog::tr("Codes 1 to 7 are read in the order of the poll tables: "
                                         "6 is EMI, 7 is Freebies.");
    case poll::FeatureCodes::Questionnaire:
        return ImportResponsesDialog::tr("Codes 1 to 6 are read as the questionnaire's options, "
                                         "which have no EMI: 6 is Freebies.");
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
    setObjectName(QStringLiteral("frmImportResponses"));
    setWindowTitle(QStringLiteral("Import Responses"));
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(QStringLiteral("%1 (%2): %3 respondents")
                                .arg(fileName, layoutText(responses.layout))
                                .arg(responses.respondents()));
    file->setObjectName(QStringLiteral("lblImportFile"));
    layout->addWidget(file);

    // One list of the columns serves the three choices; it is filled at
    // once, and the choices do not measure every entry, so that a file of
    // thousands of columns shows at once.
    QStringList columnTexts{QStringLiteral("(none)")};
    columnTexts.reserve(qsizetype(responses.columns.size()) + 1);
    for (const poll::SurveyColumn& column : responses.columns)
        columnTexts.append(columnText(column));
    auto* columnList = new QStringListModel(columnTexts, this);

    auto* roles = new QHBoxLayout;
    for (int r = 0; r < poll::roleCount; ++r) {
        const QString name = QString::fromLatin1(roleNames[r]);
        auto* box = new QGroupBox(QString::fromLatin1(roleTitles[r]));
        auto* form = new QVBoxLayout(box);
        QComboBox* column = new QComboBox;
        column->setObjectName(QStringLiteral("cbo%1Column").arg(name));
        column->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        column->setMinimumContentsLength(20);
        if (auto* list = qobject_cast<QListView*>(column->view()))
            list->setUniformItemSizes(true);
        column->setModel(columnList);
        // Entry c + 1 is column c; entry 0 is "(none)".
        column->setCurrentIndex(mapping_.roles[size_t(r)].column + 1);
        auto* answers = new QTableWidget(0, 3);
        answers->setObjectName(QStringLiteral("tbl%1Answers").arg(name));
        answers->setHorizontalHeaderLabels(
            {QStringLiteral("Answer"), QStringLiteral("Respondents"), QStringLiteral("Counts as")});
        answers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        answers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        answers->verticalHeader()->hide();
        answers->setEditTriggers(QAbstractItemView::NoEditTriggers);
        ui::offerTableCopy(answers);
        form->addWidget(column);
        if (Role(r) == Role::Feature) {
            featureCodes_->setObjectName(QStringLiteral("lblFeatureCodes"));
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

    reconciliation_->setObjectName(QStringLiteral("lblReconciliation"));
    reconciliation_->setWordWrap(true);
    layout->addWidget(reconciliation_);
    // Above the Import button, so that nobody imports without seeing it.
    skipped_->setObjectName(QStringLiteral("lblSkippedNotice"));
    skipped_->setWordWrap(true);
    QFont strong = skipped_->font();
    strong.setBold(true);
    skipped_->setFont(strong);
    skipped_->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(skipped_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* import =
        buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("cmdImport"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancelImport"));
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
            new QTableWidgetItem(answer.isEmpty() ? QStringLiteral("(blank)") : shownText(answer)));
        table->setItem(a, 1, new QTableWidgetItem(QString::number(column.tally[size_t(a)])));
        auto* target = new QComboBox;
        target->addItem(QStringLiteral("(not counted)"), 0);
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
        ui::inform(this, noneCountedMessage);
        return;
    }
    accept();
}

} // namespace lendora
