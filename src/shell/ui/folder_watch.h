#pragma once

#include "storage/folder_lock.h"

#include <QByteArray>
#include <QObject>

class QFileSystemWatcher;
class QTimer;
class QWidget;

namespace lendora {

class Workspace;

// Keeps a read-only copy in step with the copy that holds the folder. It
// looks when the folder changes (a file system watcher, which on a network
// drive sees only the changes made on this machine), every few seconds, and
// whenever the user clicks a table. After the holder saved it reloads the
// registries; once the holder is gone (closed, ended, or silent on another
// machine) it offers to take the folder.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    // Questions are asked over `window`; clicks in its tables are watched.
    FolderWatch(Workspace& workspace, QWidget* window);

    // Starts following the holder (the workspace is read-only).
    void follow();
    // Stops: this copy holds the folder.
    void stop();
    // Looks at the folder now: reloads when a registry changed (`content`:
    // also compared by checksum, else by size and time); with `mayAsk` it
    // offers to take a folder whose holder is gone.
    void look(bool content, bool mayAsk);

signals:
    // A line for the status bar.
    void told(const QString& status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Offers to take the folder; true when this copy took it.
    bool offer(const LockState& lock);

    Workspace& workspace_;
    QWidget* window_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_; // one look after a burst of changes
    QTimer* poll_;
    // The holder last seen, named in the questions and the status line.
    LockHolder lastHolder_;
    // The lock already offered (its bytes, or empty for a folder without
    // lock), so that a No is not asked again.
    std::optional<QByteArray> offered_;
    bool asking_ = false;
};

} // namespace lendora
