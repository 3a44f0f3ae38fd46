#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace lendora::ui {

class Desk;

// The Guru window "frmHelp": the help text for the situation at hand.
class GuruWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuruWindow(Desk& desk);

    // Shows a text the usual way: placed right of the All Projects window at
    // the top, the text set, the help context of its field recorded (0 when
    // the text is about no field), the window shown.
    void show(const QString& text, int helpContext = 0);
    // The same, placed at the given position.
    void showAt(const QString& text, int left, int top, int helpContext = 0);
    // Replaces the text without placing or showing the window.
    void setText(const QString& text);
    // The current text exactly as composed (line breaks are CR LF).
    const QString& text() const { return text_; }

    // The help context number of the field the text is about. Changing it to
    // 1 or 2 puts the focus back on the project or product name field of the
    // wizard's first step.
    int lblHID() const { return helpContext_; }
    void setLblHID(int helpContext);

private:
    Desk& desk_;
    QPlainTextEdit* textView_;
    QString text_;
    int helpContext_ = 0;
};

} // namespace lendora::ui
