#pragma once

#include "widgets/desk.h"
#include "workspace/workspace.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QLabel;
class QMdiArea;

namespace lendora {

class FolderWatch;
class ProjectsWindow;

// The main window "frmMother": holds every work window as an MDI child,
// owns the menu and the workspace of the run.
class MainWindow : public QMainWindow, public ui::Desk {
    Q_OBJECT
public:
    explicit MainWindow(QString workingDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return workspace_; }

    // A menu entry by its name ("mnuNewBD"); null for an unknown name.
    QAction* entry(const QString& name) const;
    // Sets an entry's enabled flag. An entry inside a disabled menu also
    // ignores its shortcut key.
    void setEntryEnabled(const QString& name, bool enabled);

    // The All Projects window, created afresh when the user closed it.
    ProjectsWindow& projects();
    QMdiArea* mdiArea() const { return mdi_; }

    // The desk of the work windows.
    void addChild(QWidget* form) override;
    QWidget* form(const QString& name) const override;
    QSize childSize(const QWidget* form) const override;
    QSize areaSize() const override;
    void place(QWidget* form, int left, int top) override;
    void showChild(QWidget* form, bool activate = true) override;
    void hideChild(QWidget* form) override;
    void hideChildren(const QStringList& names) override;
    void closeChild(QWidget* form) override;
    void resizeChild(QWidget* form, const QSize& size) override;
    QSize projectsSize() override;
    void showProjectsTab(int tab) override;
    ui::GuruWindow& guru() override;
    bool guruOn() const override;

private:
    void buildMenus();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& shortcut, bool enabled, const char* parentMenu);
    void updateShortcuts();
    // Takes the folder, or opens it read-only and follows the copy that
    // holds it.
    void openFolder();
    // Go > Reload Folder: the registries and open plans as they are on disk.
    void reloadFolder();
    // The line about the folder's other copies, in the status bar.
    void tellFolderStatus(const QString& text);

    Workspace workspace_;
    QMdiArea* mdi_;
    FolderWatch* watch_ = nullptr;
    QLabel* folderStatus_ = nullptr;
    std::map<QString, QAction*> entries_;
    std::map<QString, QKeySequence> shortcuts_;
    std::map<QString, QString> parents_;
    QPointer<ProjectsWindow> projects_;
    QPointer<ui::GuruWindow> guru_;
};

} // namespace lendora
