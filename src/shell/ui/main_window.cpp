#include "shell/ui/main_window.h"

#include "shell/folder_texts.h"
#include "shell/guru_texts.h"
#include "shell/ui/commands.h"
#include "shell/ui/folder_watch.h"
#include "shell/ui/main_window_names.h"
#include "shell/ui/projects_window.h"
#include "widgets/guru_window.h"
#include "widgets/messages.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>

namespace lendora {

namespace names = mainwindow::names;

MainWindow::MainWindow(QString workingDirectory, QWidget* parent)
    : QMainWindow(parent)
    , workspace_(RecordFolder(std::move(workingDirectory)))
    , mdi_(new QMdiArea(this)) {
    setObjectName(QString::fromLatin1(names::window));
    setWindowTitle(tr(names::caption));
    setAttribute(Qt::WA_DeleteOnClose);
    mdi_->setObjectName(QString::fromLatin1(names::area));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setBackground(QColor(0x8a, 0x9b, 0xb0));
    setCentralWidget(mdi_);
    resize(1280, 860);
    buildMenus();
    installCommands(*this);

    // One copy of the program writes in a folder; the others follow it.
    openFolder();
    // Loading: the registries, the first tab, "New", then the welcome text.
    if (const WriteStatus recovered = workspace_.load(); !recovered.ok())
        ui::inform(this, ui::unfinishedSaveMessage(recovered));
    ProjectsWindow& all = projects();
    all.selectTab(0);
    setEntryEnabled(QString::fromLatin1(menu::create), true);
    guru().show(guru::aboutGuru());
}

MainWindow::~MainWindow() {
    // The windows and the watch use the workspace: they go before it does.
    delete watch_;
    delete mdi_;
}

void MainWindow::openFolder() {
    watch_ = new FolderWatch(workspace_, this);
    connect(watch_, &FolderWatch::told, this, &MainWindow::tellFolderStatus);
    connect(&workspace_, &Workspace::folderLost, this, [this] {
        tellFolderStatus(folder::lostStatus(workspace_.folderLock()));
        watch_->follow();
    });
    if (workspace_.takeFolder())
        return;
    const LockState lock = workspace_.folderLock();
    const QString path = workspace_.folderPath();
    if (lock.kind == LockState::Kind::Silent) {
        if (ui::askYesNo(this, folder::takeOverQuestion(path, lock)) && workspace_.takeFolderOver())
            return;
    } else {
        ui::inform(this, folder::readOnlyMessage(path, lock));
    }
    workspace_.setReadOnly();
    tellFolderStatus(folder::readOnlyStatus(workspace_.folderLock()));
    watch_->follow();
}

void MainWindow::reloadFolder() {
    workspace_.reload();
    if (workspace_.readOnly())
        tellFolderStatus(folder::reloadedStatus(QTime::currentTime(), LockHolder()));
}

void MainWindow::tellFolderStatus(const QString& text) {
    if (!folderStatus_) {
        statusBar()->setObjectName(QString::fromLatin1(names::statusBar));
        folderStatus_ = new QLabel(this);
        folderStatus_->setObjectName(QString::fromLatin1(names::folderStatus));
        statusBar()->addWidget(folderStatus_, 1);
    }
    folderStatus_->setText(text);
}

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption,
                              const QKeySequence& shortcut, bool enabled, const char* parentMenu) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    entries_[action->objectName()] = action;
    shortcuts_[action->objectName()] = shortcut;
    parents_[action->objectName()] = QString::fromLatin1(parentMenu);
    return action;
}

void MainWindow::buildMenus() {
    auto submenu = [this](QMenu* parent, const char* name, const QString& caption,
                          const char* parentName) {
        QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name) + QString::fromLatin1(names::menuSuffix));
        QAction* action = menu->menuAction();
        action->setObjectName(QString::fromLatin1(name));
        entries_[action->objectName()] = action;
        parents_[action->objectName()] = QString::fromLatin1(parentName);
        return menu;
    };
    using namespace names;
    QMenu* go = submenu(nullptr, menu::go, tr(goCaption), "");
    QMenu* create = submenu(go, menu::create, tr(newCaption), menu::go);
    addEntry(create, menu::newBasicDetails, tr(newBasicDetailsCaption), Qt::Key_F2, true,
             menu::create);
    addEntry(create, menu::newAudience, tr(newAudienceCaption), Qt::Key_F3, true, menu::create);
    addEntry(create, menu::newPollResults, tr(newPollResultsCaption), Qt::Key_F5, false,
             menu::create);
    QMenu* open = submenu(go, menu::open, tr(openCaption), menu::go);
    addEntry(open, menu::openBasicDetails, tr(openBasicDetailsCaption), Qt::CTRL | Qt::Key_F2,
             false, menu::open);
    addEntry(open, menu::openAudience, tr(openAudienceCaption), Qt::CTRL | Qt::Key_F3, false,
             menu::open);
    addEntry(open, menu::questionnairePreview, tr(questionnairePreviewCaption),
             Qt::CTRL | Qt::Key_F5, false, menu::open);
    addEntry(open, menu::openPollResults, tr(openPollResultsCaption), Qt::CTRL | Qt::Key_F6, false,
             menu::open);
    addEntry(open, menu::importResponses, tr(importResponsesCaption), QKeySequence(), false,
             menu::open);
    addEntry(go, menu::projectPlans, tr(projectPlansCaption), Qt::Key_F6, true, menu::go);
    addEntry(go, menu::analysis, tr(analysisCaption), Qt::Key_F7, false, menu::go);
    go->addSeparator();
    QAction* reload =
        addEntry(go, menu::reloadFolder, tr(reloadFolderCaption), QKeySequence(), true, menu::go);
    connect(reload, &QAction::triggered, this, &MainWindow::reloadFolder);
    QMenu* help = submenu(nullptr, menu::help, tr(helpCaption), "");
    addEntry(help, menu::aboutGuru, tr(aboutGuruCaption), Qt::CTRL | Qt::Key_F1, true, menu::help);
    QAction* guruEntry = addEntry(help, menu::guru, tr(guruCaption), Qt::Key_F1, true, menu::help);
    guruEntry->setCheckable(true);
    guruEntry->setChecked(true);
}

QAction* MainWindow::entry(const QString& name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second;
}

void MainWindow::setEntryEnabled(const QString& name, bool enabled) {
    if (QAction* action = entry(name)) {
        action->setEnabled(enabled);
        updateShortcuts();
    }
}

void MainWindow::updateShortcuts() {
    for (const auto& [name, shortcut] : shortcuts_) {
        bool reachable = true;
        for (QString parent = parents_[name]; !parent.isEmpty(); parent = parents_[parent])
            reachable = reachable && entry(parent)->isEnabled();
        entries_[name]->setShortcut(reachable ? shortcut : QKeySequence());
    }
}

bool MainWindow::guruOn() const {
    return entry(QString::fromLatin1(menu::guru))->isChecked();
}

ProjectsWindow& MainWindow::projects() {
    if (!projects_) {
        obtain(projects_, *this);
        place(projects_, 0, 0);
        showChild(projects_);
    }
    return *projects_;
}

ui::GuruWindow& MainWindow::guru() {
    return *obtain(guru_, static_cast<ui::Desk&>(*this));
}

QSize MainWindow::projectsSize() {
    return childSize(&projects());
}

void MainWindow::showProjectsTab(int tab) {
    projects().selectTab(tab);
}

QSize MainWindow::areaSize() const {
    return mdi_->viewport()->size();
}

void MainWindow::addChild(QWidget* form) {
    QMdiSubWindow* child = mdi_->addSubWindow(form);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setObjectName(form->objectName() + QString::fromLatin1(names::childSuffix));
    // A form that set its own size keeps it; the frame is added around it.
    if (form->testAttribute(Qt::WA_Resized))
        child->resize(form->size() + (child->sizeHint() - form->sizeHint()));
    else
        child->resize(child->sizeHint());
    child->hide();
}

QWidget* MainWindow::form(const QString& name) const {
    for (QMdiSubWindow* child : mdi_->subWindowList())
        if (child->widget() && child->widget()->objectName() == name)
            return child->widget();
    return nullptr;
}

static QMdiSubWindow* childOf(const QWidget* form) {
    return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

QSize MainWindow::childSize(const QWidget* form) const {
    if (QMdiSubWindow* child = childOf(form))
        return child->size();
    return form ? form->size() : QSize();
}

void MainWindow::place(QWidget* form, int left, int top) {
    if (QMdiSubWindow* child = childOf(form))
        child->move(left, top);
}

void MainWindow::showChild(QWidget* form, bool activate) {
    if (QMdiSubWindow* child = childOf(form)) {
        child->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        child->show();
        child->raise();
        if (activate)
            mdi_->setActiveSubWindow(child);
    }
}

void MainWindow::hideChild(QWidget* form) {
    if (QMdiSubWindow* child = childOf(form))
        child->hide();
}

void MainWindow::closeChild(QWidget* form) {
    if (QMdiSubWindow* child = childOf(form))
        child->close();
}

void MainWindow::resizeChild(QWidget* form, const QSize& size) {
    if (QMdiSubWindow* child = childOf(form))
        child->resize(size);
}

void MainWindow::hideChildren(const QStringList& names) {
    for (const QString& name : names)
        hideChild(form(name));
}

} // namespace lendora
