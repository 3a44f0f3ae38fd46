#include "analysis/ui/export_files.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_session.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

QString tr(const char* source) {
    return QCoreApplication::translate("ExportFiles", source);
}

bool hasSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

} // namespace

ExportFiles::ExportFiles(QWidget* owner, QString workingFolder)
    : owner_(owner)
    , workingFolder_(std::move(workingFolder)) {}

QString ExportFiles::ask(const QString& title, const QString& suffix, const QString& filters,
                         QString* selectedFilter) {
    const QString folder = lastFolder_.isEmpty() ? workingFolder_ : lastFolder_;
    const QString name =
        session_ ? exportBaseName(session_->plan(), session_->planNumber()) : QString();
    const QString suggested = QDir(folder).absoluteFilePath(name + suffix);
    QString path = QFileDialog::getSaveFileName(owner_, title, suggested, filters, selectedFilter);
    if (!path.isEmpty())
        lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

QString ExportFiles::askFor(const QString& title, const QString& suffix, const QString& filter,
                            const QString& extension) {
    QString path = ask(title, suffix, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + extension;
    return path;
}

QString ExportFiles::askPicture(const QString& suffix, bool& svg) {
    const QString png = tr("PNG picture (*.png)");
    const QString drawing = tr("SVG drawing (*.svg)");
    QString filter = png;
    QString path = ask(tr("Save Chart"), suffix, png + u";;"_s + drawing, &filter);
    if (path.isEmpty())
        return path;
    svg = hasSuffix(path, u"svg"_s);
    if (!svg && !hasSuffix(path, u"png"_s)) {
        svg = filter == drawing;
        path += svg ? u".svg"_s : u".png"_s;
    }
    return path;
}

void ExportFiles::write(const QString& path, const QByteArray& bytes) {
    const QFileInfo file(path);
    if (bytes.isEmpty()) {
        ui::reportWrite(
            owner_, WriteStatus::failure(file.fileName(), tr("the picture could not be drawn")));
        return;
    }
    ui::reportWrite(owner_, RecordFolder(file.absolutePath()).writeBytes(file.fileName(), bytes));
}

} // namespace lendora::analysis
