#pragma once

#include "storage/record_file.h"
#include "storage/registries.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QMdiArea;
class QMdiSubWindow;

namespace lendora {

class ProjectsWindow;
class GuruWindow;

// The main window "frmMother": holds every work window as an MDI child,
// owns the menu, the working copy of the registries and the working
// directory of the run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QString workingDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    const RecordFolder& folder() const { return folder_; }
    WorkingCopy& workingCopy() { return workingCopy_; }

    // A menu entry by its name ("mnuNewBD"); null for an unknown name.
    QAction* entry(const QString& name) const;
    // Sets an entry's enabled flag. An entry inside a disabled menu also
    // ignores its shortcut key.
    void setEntryEnabled(const QString& name, bool enabled);
    // The Guru switch: the check mark of "Guru".
    bool guruOn() const;

    // The All Projects and Guru windows, created afresh when the user closed them.
    ProjectsWindow& projects();
    GuruWindow& guru();
    // Size of the All Projects window as it stands in the main window.
    QSize projectsSize();

    QMdiArea* mdiArea() const { return mdi_; }
    // Adds a form as a child window; the child is deleted when the user closes it.
    QMdiSubWindow* addChild(QWidget* form);
    // The shown or hidden child form of that objectName, null when there is none.
    QWidget* form(const QString& name) const;
    // Size of a form's child window, frame included.
    QSize childSize(const QWidget* form) const;
    void place(QWidget* form, int left, int top);
    // Shows the child in front; activate also gives it the focus.
    void showChild(QWidget* form, bool activate = true);
    void hideChild(QWidget* form);
    void hideChildren(const QStringList& names);
    // Closes the form's child window, which deletes the form.
    void closeChild(QWidget* form);

    // The form in slot, created and added as a child when missing.
    template <class Form, class... Args>
    Form* obtain(QPointer<Form>& slot, Args&&... args) {
        if (!slot) {
            slot = new Form(std::forward<Args>(args)...);
            addChild(slot);
        }
        return slot;
    }

signals:
    // The project plan window saved its plans: plans may have new numbers
    // (rows), and deleted or changed plans are gone. Windows opened for a
    // plan find it again by its project and audience numbers.
    void plansSaved();

private:
    void buildMenus();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& shortcut, bool enabled, const char* parentMenu);
    void updateShortcuts();
    void installCommands();

    RecordFolder folder_;
    WorkingCopy workingCopy_;
    QMdiArea* mdi_;
    std::map<QString, QAction*> entries_;
    std::map<QString, QKeySequence> shortcuts_;
    std::map<QString, QString> parents_;
    QPointer<ProjectsWindow> projects_;
    QPointer<GuruWindow> guru_;
};

} // namespace lendora
