#pragma once

#include "support/message_boxes.h"
#include "support/workspace.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace lendora {
class MainWindow;
namespace ui {
class GridView;
}
} // namespace lendora

namespace lendora::test {

// The names of the enabled buttons among those listed below root, each
// without its first `prefix` letters ("cmdSave" gives "Save"), joined by blanks.
QString enabledButtons(QWidget* root, const QStringList& names, int prefix = 3);

// The headings of a grid view's columns.
QStringList headings(ui::GridView* view);

// The texts of the keys, in their order.
QStringList textsOf(const QMap<QString, QString>& texts, const QStringList& keys);

// Exactly one message was shown since the last take, and it starts so (a
// failed write names the file, then the system's reason).
void expectOneMessageStartingWith(MessageBoxes& boxes, const QString& start);

// A window test: a fresh working directory, every message box answered and
// recorded, the program closed at the end.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Starts the program once; later calls return the running main window.
    MainWindow* start();
    // Activates the main window (a closed message box leaves none active
    // under offscreen), presses the key there and lets queued events run.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TempWorkspace ws;
    MessageBoxes boxes;
    MainWindow* mother = nullptr;
};

} // namespace lendora::test
