#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <Qt>

namespace lendora {
class MainWindow;
namespace ui {
class GridView;
}
} // namespace lendora

namespace lendora::test {

// Starts the program in the current working directory the way a user does:
// the intro window's timer fires, the splash button is clicked, and the
// shown main window is returned.
MainWindow* startProgram();

// Closes and deletes every window of the program.
void closeProgram();

// The visible or hidden widget (or other object) with that objectName below root (or among all
// top-level windows when root is null); fails the test when there is none.
template <class T = QWidget>
T* find(const QString& name, QObject* root = nullptr);

QObject* findAny(const QString& name, QObject* root, const char* className);

template <class T>
T* find(const QString& name, QObject* root) {
    QObject* object = findAny(name, root, T::staticMetaObject.className());
    auto* typed = qobject_cast<T*>(object);
    EXPECT_NE(typed, nullptr) << "no " << T::staticMetaObject.className() << " named "
                              << qPrintable(name);
    return typed;
}

// Empties the field, types the text into it and presses Enter.
void typeAndEnter(QLineEdit* field, const QString& text);
// Empties the field and types the text (no Enter).
void typeText(QLineEdit* field, const QString& text);
void pressEnter(QWidget* widget);
// Clicks the button with the mouse; a disabled button ignores the click.
void click(QAbstractButton* button);
// Clicks a cell of a grid view: grid row (1 = first record row) and column.
void clickRow(ui::GridView* view, int gridRow, int column = 0);
// The texts a grid view shows in a row (grid row 1 = first record row), and
// the number of rows it shows.
QStringList rowTexts(ui::GridView* view, int gridRow);
int shownRows(ui::GridView* view);
// Presses a key on the main window, as a shortcut key is pressed.
void pressShortcut(MainWindow* mother, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Lets queued events run.
void settle(int milliseconds = 0);

} // namespace lendora::test
