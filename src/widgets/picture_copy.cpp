#include "widgets/picture_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPixmap>
#include <QWidget>

namespace lendora::ui {

void offerPictureCopy(QWidget* widget) {
    auto* copy = new QAction(QApplication::translate("PictureCopy", "Copy"), widget);
    copy->setObjectName(QString::fromLatin1(copyPictureAction));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, widget, [widget] { copyPicture(widget); });
    widget->addAction(copy);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void copyPicture(QWidget* widget) {
    // The picture as drawn now, not a later repaint's.
    QApplication::clipboard()->setImage(widget->grab().toImage());
}

} // namespace lendora::ui
