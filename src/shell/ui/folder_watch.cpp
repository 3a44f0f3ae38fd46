#include "shell/ui/folder_watch.h"

#include "shell/folder_texts.h"
#include "widgets/messages.h"
#include "workspace/workspace.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFileSystemWatcher>
#include <QTime>
#include <QTimer>

namespace lendora {

namespace {
// A save renames several files: the look waits for the last of them.
constexpr int settleMilliseconds = 150;
constexpr int pollMilliseconds = 2000;
} // namespace

FolderWatch::FolderWatch(Workspace& workspace, QWidget* window)
    : QObject(window)
    , workspace_(workspace)
    , window_(window)
    , watcher_(new QFileSystemWatcher(this))
    , settle_(new QTimer(this))
    , poll_(new QTimer(this)) {
    settle_->setSingleShot(true);
    settle_->setInterval(settleMilliseconds);
    poll_->setInterval(pollMilliseconds);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, [this] { look(true, true); });
    connect(poll_, &QTimer::timeout, this, [this] { look(false, true); });
}

void FolderWatch::follow() {
    const LockState& lock = workspace_.folderLock();
    if (!lock.holder.machine.isEmpty())
        lastHolder_ = lock.holder;
    // The user was asked at start already; a folder an older version works
    // in looks free here, but cannot be taken while that copy runs.
    if (lock.kind == LockState::Kind::Silent || lock.kind == LockState::Kind::OlderCopy)
        offered_ = lock.bytes;
    if (watcher_->directories().isEmpty())
        watcher_->addPath(workspace_.folderPath());
    poll_->start();
    qApp->installEventFilter(this);
}

void FolderWatch::stop() {
    watcher_->removePaths(watcher_->directories());
    poll_->stop();
    settle_->stop();
    qApp->removeEventFilter(this);
}

bool FolderWatch::offer(const LockState& lock) {
    const bool free = lock.kind == LockState::Kind::Free || lock.kind == LockState::Kind::Gone;
    if (!free && lock.kind != LockState::Kind::Silent)
        return false;
    if (offered_ == lock.bytes)
        return false;
    offered_ = lock.bytes;
    const QString path = workspace_.folderPath();
    asking_ = true;
    const bool yes = ui::askYesNo(window_, free ? folder::takeFreeQuestion(path, lastHolder_)
                                                : folder::takeOverQuestion(path, lock));
    asking_ = false;
    if (!yes)
        return false;
    return lock.kind == LockState::Kind::Silent ? workspace_.takeFolderOver()
                                                : workspace_.takeFolder();
}

void FolderWatch::look(bool content, bool mayAsk) {
    // While a dialog waits for an answer, the windows under it stay as they
    // are; the next look comes soon.
    if (!workspace_.readOnly() || asking_ || QApplication::activeModalWidget())
        return;
    // A save under way: the look waits until it is complete.
    if (workspace_.saveUnderWay()) {
        settle_->start();
        return;
    }
    const LockState lock = workspace_.checkFolderLock();
    if (lock.kind == LockState::Kind::Held && !lock.holder.machine.isEmpty()) {
        lastHolder_ = lock.holder;
        offered_.reset();
    }
    if (mayAsk && offer(lock)) {
        stop();
        workspace_.reload();
        emit told(folder::heldStatus());
        return;
    }
    if (workspace_.registriesChanged(content)) {
        workspace_.reload();
        emit told(folder::reloadedStatus(QTime::currentTime(), lastHolder_));
    }
}

bool FolderWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* view = qobject_cast<QAbstractItemView*>(watched->parent());
        if (view && view->viewport() == watched && view->window() == window_)
            look(true, false);
    }
    return false;
}

} // namespace lendora
