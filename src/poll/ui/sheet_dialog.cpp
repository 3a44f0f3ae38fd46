#include "poll/ui/sheet_dialog.h"

#include "poll/ui/sheet_dialog_names.h"
#include "storage/shown_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lendora {

namespace names = poll::sheet_names;

ChooseSheetDialog::ChooseSheetDialog(QWidget* parent, const QString& fileName,
                                     const QStringList& sheets)
    : QDialog(parent)
    , sheets_(new QListWidget) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(tr(names::questionText).arg(shownText(fileName)));
    question->setObjectName(QString::fromLatin1(names::question));
    question->setWordWrap(true);
    layout->addWidget(question);
    sheets_->setObjectName(QString::fromLatin1(names::sheets));
    for (const QString& sheet : sheets)
        sheets_->addItem(shownText(sheet));
    sheets_->setCurrentRow(0);
    layout->addWidget(sheets_, 1);
    auto* buttons = new QDialogButtonBox;
    QPushButton* choose = buttons->addButton(tr(names::chooseText), QDialogButtonBox::AcceptRole);
    choose->setObjectName(QString::fromLatin1(names::chooseButton));
    choose->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr(names::cancelText), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::fromLatin1(names::cancelButton));
    connect(choose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(sheets_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int ChooseSheetDialog::sheet() const {
    return std::max(sheets_->currentRow(), 0);
}

} // namespace lendora
