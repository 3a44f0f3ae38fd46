#pragma once

#include <QByteArray>
#include <QPointer>
#include <QSize>
#include <QString>

class QWidget;

namespace lendora::analysis {

class AnalysisSession;

// The files the exports of the Analysis window go to: asked for with a file
// dialog in the folder of the last export (at first the working folder),
// under a name made of the plan; the bytes written, and a failure (or no
// bytes) reported, never passed over. The comparison's and the
// sensitivity's exports share it, so both remember the same folder and
// picture size.
class ExportFiles {
public:
    ExportFiles(QWidget* owner, QString workingFolder);

    void setSession(const AnalysisSession* session) { session_ = session; }

    // Asks for the file to write; empty when the user cancelled.
    QString ask(const QString& title, const QString& suffix, const QString& filters,
                QString* selectedFilter = nullptr);
    // Asks for a file of one kind; a name without a suffix gets `extension`.
    QString askFor(const QString& title, const QString& suffix, const QString& filter,
                   const QString& extension);
    // Asks for a PNG or SVG picture; `svg` tells which: the name's suffix,
    // or else the chosen filter.
    QString askPicture(const QString& suffix, bool& svg);
    // Writes the bytes to the file; a failure (or no bytes) is reported.
    void write(const QString& path, const QByteArray& bytes);

    // The size of the last picture of a chart, offered again.
    QSize pictureSize{1200, 700};

private:
    QWidget* owner_;
    QString workingFolder_;
    QString lastFolder_;
    QPointer<const AnalysisSession> session_;
};

} // namespace lendora::analysis
