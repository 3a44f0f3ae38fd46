#include "poll/ui/sheet_dialog.h"

#include "storage/shown_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lendora {

ChooseSheetDialog::ChooseSheetDialog(QWidget* parent, const QString& fileName,
                                     const QStringList& sheets)
    : QDialog(parent)
    , sheets_(new QListWidget) {
    setObjectName(QStringLiteral("frmChooseSheet"));
    setWindowTitle(tr("Import Responses"));
    auto* layout = new QVBoxLayout(this);
    auto* question =
        new QLabel(tr("Which sheet of %1 holds the responses?").arg(shownText(fileName)));
    question->setObjectName(QStringLiteral("lblChooseSheet"));
    question->setWordWrap(true);
    layout->addWidget(question);
    sheets_->setObjectName(QStringLiteral("lstSheets"));
    for (const QString& sheet : sheets)
        sheets_->addItem(shownText(sheet));
    sheets_->setCurrentRow(0);
    layout->addWidget(sheets_, 1);
    auto* buttons = new QDialogButtonBox;
    QPushButton* choose = buttons->addButton(tr("Choose"), QDialogButtonBox::AcceptRole);
    choose->setObjectName(QStringLiteral("cmdChooseSheet"));
    choose->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancelSheet"));
    connect(choose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(sheets_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int ChooseSheetDialog::sheet() const {
    return std::max(sheets_->currentRow(), 0);
}

} // namespace lendora
