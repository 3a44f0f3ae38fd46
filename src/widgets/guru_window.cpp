#include "widgets/guru_window.h"

#include "storage/shown_text.h"
#include "widgets/desk.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lendora::ui {

GuruWindow::GuruWindow(Desk& desk)
    : desk_(desk)
    , txtHelp_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Lendora 2012-Guru"));
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setReadOnly(true);
    txtHelp_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(txtHelp_);
    resize(420, 290);
}

void GuruWindow::show(const QString& text, int helpContext) {
    showAt(text, desk_.projectsSize().width(), 0, helpContext);
}

void GuruWindow::showAt(const QString& text, int left, int top, int helpContext) {
    desk_.place(this, left, top);
    setText(text);
    if (helpContext > 0)
        setLblHID(helpContext);
    desk_.showChild(this, false);
}

void GuruWindow::setText(const QString& text) {
    text_ = text;
    // Each line is cut for showing: a name of megabytes would stall the layout.
    QStringList lines = text.split(QLatin1String("\r\n"));
    for (QString& line : lines)
        line = shownText(line);
    txtHelp_->setPlainText(lines.join(u'\n'));
}

void GuruWindow::setLblHID(int helpContext) {
    if (helpContext == lblHID_)
        return;
    lblHID_ = helpContext;
    const char* field = helpContext == 1   ? "txtProjectName"
                        : helpContext == 2 ? "txtProductName"
                                           : nullptr;
    if (!field)
        return;
    if (QWidget* step = desk_.form(QStringLiteral("frmNewProject")))
        if (auto* edit = step->findChild<QLineEdit*>(QString::fromLatin1(field)))
            edit->setFocus();
}

} // namespace lendora::ui
