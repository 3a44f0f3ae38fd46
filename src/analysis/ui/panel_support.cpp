#include "analysis/ui/panel_support.h"

#include "widgets/desk.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lendora::analysis {

QPushButton* newButton(const char* objectName, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    button->setEnabled(false);
    button->setMinimumWidth(88);
    return button;
}

ui::GridView* newTable(QAbstractItemModel* model, const char* objectName) {
    auto* view = new ui::GridView(model, QString::fromLatin1(objectName));
    view->horizontalHeader()->setStretchLastSection(false);
    return view;
}

QGroupBox* newFrame(const char* objectName, const QString& title, QWidget* content) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content);
    return frame;
}

void showInGuru(ui::Desk& desk, const QString& text) {
    if (text.isEmpty() || !desk.guruOn())
        return;
    desk.guru().show(text);
}

} // namespace lendora::analysis
