#include "widgets/guru_window.h"

#include "basic_details/wizard_names.h"
#include "storage/shown_text.h"
#include "widgets/desk.h"
#include "widgets/guru_window_names.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lendora::ui {

using namespace Qt::StringLiterals;

GuruWindow::GuruWindow(Desk& desk)
    : desk_(desk)
    , textView_(new QPlainTextEdit(this)) {
    setObjectName(QString::fromLatin1(guru_names::window));
    setWindowTitle(tr(guru_names::caption));
    textView_->setObjectName(QString::fromLatin1(guru_names::text));
    textView_->setReadOnly(true);
    textView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(textView_);
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
    QStringList lines = text.split(u"\r\n"_s);
    for (QString& line : lines)
        line = shownText(line);
    textView_->setPlainText(lines.join(u'\n'));
}

void GuruWindow::setLblHID(int helpContext) {
    if (helpContext == helpContext_)
        return;
    helpContext_ = helpContext;
    // The help contexts 1 and 2 are the first two fields of the wizard's
    // first step.
    const wizard::names::StepNames& first = wizard::names::steps[0];
    if (helpContext != 1 && helpContext != 2)
        return;
    const char* field = first.fields[size_t(helpContext - 1)];
    if (QWidget* step = desk_.form(QString::fromLatin1(first.window)))
        if (auto* edit = step->findChild<QLineEdit*>(QString::fromLatin1(field)))
            edit->setFocus();
}

} // namespace lendora::ui
