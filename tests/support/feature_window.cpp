#include "support/feature_window.h"

#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/program.h"

#include <QAbstractButton>
#include <QTest>

namespace lendora::test {

QString enabledButtons(QWidget* root, const QStringList& names, int prefix) {
    QStringList on;
    for (const QString& name : names)
        if (auto* button = find<QAbstractButton>(name, root); button && button->isEnabled())
            on << name.mid(prefix);
    return on.join(u' ');
}

QStringList headings(ui::GridView* view) {
    QStringList texts;
    for (int c = 0; view && c < view->model()->columnCount(); ++c)
        texts << view->model()->headerData(c, Qt::Horizontal).toString();
    return texts;
}

QStringList textsOf(const QMap<QString, QString>& texts, const QStringList& keys) {
    QStringList picked;
    for (const QString& key : keys) {
        EXPECT_TRUE(texts.contains(key)) << "no text " << qPrintable(key);
        picked << texts.value(key);
    }
    return picked;
}

void expectOneMessageStartingWith(MessageBoxes& boxes, const QString& start) {
    const QStringList shown = boxes.take();
    ASSERT_EQ(shown.size(), 1) << qPrintable(shown.join(u'|'));
    EXPECT_TRUE(shown[0].startsWith(start)) << qPrintable(shown[0]);
}

void WindowTest::TearDown() {
    closeProgram();
}

MainWindow* WindowTest::start() {
    if (!mother)
        mother = startProgram();
    EXPECT_NE(mother, nullptr);
    return mother;
}

void WindowTest::press(int key, Qt::KeyboardModifiers modifiers) {
    mother->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(mother));
    pressShortcut(mother, key, modifiers);
    settle();
}

} // namespace lendora::test
