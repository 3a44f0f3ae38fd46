#include "support/program.h"

#include "shell/startup.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include <QAbstractButton>
#include <QTest>
#include <QTimer>

namespace lendora::test {

namespace {
QWidget* topLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && !widget->testAttribute(Qt::WA_WState_Hidden) &&
            widget->isVisible())
            return widget;
    return nullptr;
}
} // namespace

MainWindow* startProgram() {
    startUp();
    QWidget* intro = topLevel(QStringLiteral("frmLendora"));
    EXPECT_NE(intro, nullptr) << "the intro window did not open";
    if (!intro)
        return nullptr;
    auto* timer = intro->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 2000);
    timer->start(0);
    EXPECT_TRUE(QTest::qWaitFor([] { return topLevel(QStringLiteral("frmSplash")) != nullptr; }));
    QWidget* splash = topLevel(QStringLiteral("frmSplash"));
    if (!splash)
        return nullptr;
    auto* button = splash->findChild<QAbstractButton*>(QStringLiteral("cmdTry"));
    EXPECT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([] { return topLevel(QStringLiteral("frmMother")) != nullptr; }));
    auto* mother = qobject_cast<MainWindow*>(topLevel(QStringLiteral("frmMother")));
    if (mother) {
        mother->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(mother));
    }
    settle();
    return mother;
}

void closeProgram() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->hide();
        widget->deleteLater();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QObject* findAny(const QString& name, QObject* root, const char* className) {
    if (root) {
        if (root->objectName() == name && root->inherits(className))
            return root;
        for (QObject* object : root->findChildren<QObject*>(name))
            if (object->inherits(className))
                return object;
        return nullptr;
    }
    for (QWidget* top : QApplication::topLevelWidgets())
        if (QObject* object = findAny(name, top, className))
            return object;
    return nullptr;
}

void typeText(QLineEdit* field, const QString& text) {
    if (!field)
        return;
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

void typeAndEnter(QLineEdit* field, const QString& text) {
    typeText(field, text);
    pressEnter(field);
}

void pressEnter(QWidget* widget) {
    if (widget)
        QTest::keyClick(widget, Qt::Key_Return);
}

void click(QAbstractButton* button) {
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(ui::GridView* view, int gridRow, int column) {
    if (!view)
        return;
    const QModelIndex index = view->model()->index(gridRow - 1, column);
    EXPECT_TRUE(index.isValid()) << "no row " << gridRow << " in "
                                 << qPrintable(view->objectName());
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

QStringList rowTexts(ui::GridView* view, int gridRow) {
    QStringList texts;
    if (!view)
        return texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->index(gridRow - 1, c).data().toString();
    return texts;
}

int shownRows(ui::GridView* view) {
    return view ? view->model()->rowCount() : 0;
}

void pressShortcut(MainWindow* mother, int key, Qt::KeyboardModifiers modifiers) {
    if (!mother)
        return;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != mother)
        target = mother;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void settle(int milliseconds) {
    QCoreApplication::processEvents();
    if (milliseconds > 0)
        QTest::qWait(milliseconds);
}

} // namespace lendora::test
