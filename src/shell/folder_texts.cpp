#include "shell/folder_texts.h"

#include <QCoreApplication>
#include <QDir>

namespace lendora::folder {

using namespace Qt::StringLiterals;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("lendora::folder", text);
}

QString shownPath(const QString& folderPath) {
    return QDir::toNativeSeparators(QDir(folderPath).absolutePath());
}

} // namespace

QString readOnlyMessage(const QString& folderPath, const LockState& lock) {
    if (lock.kind == LockState::Kind::OlderCopy)
        return tr("\"%1\" is open in an older version of Lendora on this machine (process %2). "
                  "It opens read-only.")
            .arg(shownPath(folderPath))
            .arg(lock.holder.process);
    return tr("\"%1\" is open in Lendora for %2 since %3. It opens read-only.")
        .arg(shownPath(folderPath), holderName(lock.holder), lockTime(lock.holder.since));
}

QString takeOverQuestion(const QString& folderPath, const LockState& lock) {
    return tr("\"%1\" is open in Lendora for %2 since %3, but that copy has given no sign of "
              "life since %4: its machine may have crashed or lost the network.\n\n"
              "Take the folder over? If that copy still runs, it can no longer save.\n"
              "No opens the folder read-only.")
        .arg(shownPath(folderPath), holderName(lock.holder), lockTime(lock.holder.since),
             lockTime(lock.seen));
}

QString takeFreeQuestion(const QString& folderPath, const LockHolder& lastHolder) {
    if (lastHolder.machine.isEmpty())
        return tr("\"%1\" is no longer open in another copy of Lendora.\n"
                  "Take the folder over, so that this copy can save?")
            .arg(shownPath(folderPath));
    return tr("\"%1\" is no longer open in Lendora for %2.\n"
              "Take the folder over, so that this copy can save?")
        .arg(shownPath(folderPath), holderName(lastHolder));
}

QString readOnlyStatus(const LockState& lock) {
    if (lock.kind == LockState::Kind::OlderCopy)
        return tr("Read-only: an older version of Lendora works in this folder.");
    if (lock.kind == LockState::Kind::Held || lock.kind == LockState::Kind::Silent)
        return tr("Read-only: open in Lendora for %1 since %2.")
            .arg(holderName(lock.holder), lockTime(lock.holder.since));
    return tr("Read-only: another copy of Lendora works in this folder.");
}

QString reloadedStatus(const QTime& at, const LockHolder& holder) {
    if (holder.machine.isEmpty())
        return tr("Read-only: reloaded at %1 after a change in the folder.")
            .arg(at.toString(u"HH:mm:ss"_s));
    return tr("Read-only: reloaded at %1 after a save by %2.")
        .arg(at.toString(u"HH:mm:ss"_s), holderName(holder));
}

QString lostStatus(const LockState& lock) {
    return tr("Read-only: %1 took the folder over at %2.")
        .arg(holderName(lock.holder), lockTime(lock.holder.since));
}

QString heldStatus() {
    return tr("This copy holds the folder now and can save.");
}

} // namespace lendora::folder
