#pragma once

#include "poll/ui/poll_window.h"
#include "shell/ui/main_window.h"

#include "support/workspace.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace lendora::test {

// Runs `act` once on the window of that objectName as soon as it is shown
// (a modal dialog runs its own event loop, so the test acts from a timer).
// The timer stops with the returned pointer.
std::unique_ptr<QTimer> whenShown(const QString& name, std::function<void(QWidget*)> act);

// The program started in a copy of the survey import's workspace, the plan
// of project 1 and audience 1 selected in the All Projects window.
class ImportWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Changes the copied folder before the program starts.
    virtual void prepare() {}
    // Poll Results opened with F5.
    PollDataEntryWindow* openWindow();
    // Save pressed on each product's tab.
    void save(PollDataEntryWindow* window);
    // Every file of the working folder with its bytes.
    std::map<QString, QByteArray> files() const;

    TempWorkspace ws;
    MainWindow* mother = nullptr;
};

} // namespace lendora::test
