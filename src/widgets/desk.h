#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <utility>

namespace lendora::ui {

class GuruWindow;

// The window that holds the work windows: it places, shows and hides them,
// keeps the Guru beside them and knows whether the Guru switch is on. Work
// windows get it instead of the main window itself.
class Desk {
public:
    virtual ~Desk() = default;

    // Adds a form as a child window; the child is deleted when the user closes it.
    virtual void addChild(QWidget* form) = 0;
    // The shown or hidden child form of that objectName, null when there is none.
    virtual QWidget* form(const QString& name) const = 0;
    // Size of a form's child window, frame included.
    virtual QSize childSize(const QWidget* form) const = 0;
    // The free area in which the children stand.
    virtual QSize areaSize() const = 0;
    virtual void place(QWidget* form, int left, int top) = 0;
    // Shows the child in front; activate also gives it the focus.
    virtual void showChild(QWidget* form, bool activate = true) = 0;
    virtual void hideChild(QWidget* form) = 0;
    virtual void hideChildren(const QStringList& names) = 0;
    // Closes the form's child window, which deletes the form.
    virtual void closeChild(QWidget* form) = 0;
    // Resizes the form's child window, frame included.
    virtual void resizeChild(QWidget* form, const QSize& size) = 0;

    // Size of the All Projects window, where the layout of the others starts.
    virtual QSize projectsSize() = 0;
    // Shows the All Projects window at that tab (0 projects, 1 audiences, 2 plans).
    virtual void showProjectsTab(int tab) = 0;

    // The Guru window, created afresh when the user closed it.
    virtual GuruWindow& guru() = 0;
    // The Guru switch: the check mark of "Guru".
    virtual bool guruOn() const = 0;

    // The form in slot, created and added as a child when missing.
    template <class Form, class... Args>
    Form* obtain(QPointer<Form>& slot, Args&&... args) {
        if (!slot) {
            slot = new Form(std::forward<Args>(args)...);
            addChild(slot);
        }
        return slot;
    }
};

} // namespace lendora::ui
