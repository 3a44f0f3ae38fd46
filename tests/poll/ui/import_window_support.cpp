#include "poll/ui/import_window_support.h"

#include "widgets/grid_view.h"

#include "poll/survey_import_support.h"
#include "support/golden.h"
#include "support/program.h"

#include <QPushButton>
#include <QTabWidget>

namespace lendora::test {

namespace {
const char* const prefixes[3] = {"B", "C1", "C2"};
} // namespace

std::unique_ptr<QTimer> whenShown(const QString& name, std::function<void(QWidget*)> act) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(10);
    QObject::connect(timer.get(), &QTimer::timeout, [timer = timer.get(), name, act] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() == name) {
                timer->stop();
                act(window);
                return;
            }
    });
    timer->start();
    return timer;
}

void ImportWindow::SetUp() {
    copyFolder(surveyData(QStringLiteral("workspace")), ws);
    prepare();
    mother = startProgram();
    ASSERT_NE(mother, nullptr);
    find<QTabWidget>("SSTab1", find("frmProjects", mother))->setCurrentIndex(2);
    clickRow(find<ui::GridView>("MSFG_ProjectPlans", mother), 1);
}

void ImportWindow::TearDown() {
    closeProgram();
}

PollDataEntryWindow* ImportWindow::openWindow() {
    pressShortcut(mother, Qt::Key_F5);
    settle();
    return qobject_cast<PollDataEntryWindow*>(mother->form("frmPollDataEntry"));
}

void ImportWindow::save(PollDataEntryWindow* window) {
    for (int k = 0; k < 3; ++k) {
        find<QTabWidget>("SSTab1", window)->setCurrentIndex(k);
        click(find<QPushButton>(QStringLiteral("cmd%1Save").arg(prefixes[k]), window));
    }
}

std::map<QString, QByteArray> ImportWindow::files() const {
    std::map<QString, QByteArray> bytes;
    for (const QString& name : ws.files())
        bytes[name] = ws.read(name);
    return bytes;
}

} // namespace lendora::test
