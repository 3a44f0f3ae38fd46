#pragma once

#include "storage/record_file.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace lendora {

// The changes one save makes to the files of a record folder, carried out
// as a whole: after a failure, or a crash at any moment, the folder shows all
// of them or none. Steps are taken in the order given; each sees the files
// as the steps before it left them.
class FolderChanges {
public:
    enum class Kind { Write, Remove, Move };
    struct Step {
        Kind kind;
        QString name; // the file written or removed; the target of a move
        QString from; // the source of a move
        QByteArray bytes;
    };

    // Replaces the file (or creates it) with exactly these bytes.
    void write(const QString& name, QByteArray bytes);
    // Removes the file when it exists.
    void remove(const QString& name);
    // The file `from` becomes the file `to`, whose old content goes; when
    // `from` does not exist, `to` is removed, so no file keeps a content that
    // belonged to another.
    void move(const QString& from, const QString& to);

    bool empty() const { return steps_.empty(); }
    const std::vector<Step>& steps() const { return steps_; }

private:
    std::vector<Step> steps_;
};

// Carries out the changes on the folder, all or nothing, through the save
// journal (storage/save_journal.h). Returns the first failure (the folder is
// then as it was), ok when every change was made.
WriteStatus applyChanges(const RecordFolder& folder, const FolderChanges& changes);

} // namespace lendora
