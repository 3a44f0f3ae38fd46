// The Analysis window driven through the program by the scenarios in
// tests/data/analysis/scenarios. A scenario's lines starting with "> " are
// the user's steps; the lines after each step are what it showed (windows,
// messages, dialogs, written files), and the test compares the whole text.
// Lines starting with "#" explain the scenario.
#include "analysis/analysis_session.h"
#include "analysis/ui/analysis_window.h"
#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"
#include "widgets/guru_window.h"

#include "support/file_dialogs.h"
#include "support/golden.h"
#include "support/message_boxes.h"
#include "support/printing.h"
#include "support/program.h"
#include "support/road_screen.h"
#include "support/workspace.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace lendora;
using namespace lendora::test;

namespace {

const char* const fieldNames[7] = {"txtInterest",        "txtMEI", "txtMLV",     "txtMLP",
                                   "txtRepaymentPeriod", "txtEMI", "txtFreebies"};
// The series colours of the charts (first, seventh, totals) and of the warnings.
const char* const colours[] = {"#4e79a7", "#b07aa1", "#555b66", "#f4b6b0", "#ddb8f0", "#ffd08a"};

// Answers the file dialogs and the chart dialog with the queued answers;
// one without an answer is rejected, so a scenario never hangs on it.
class Dialogs : public QObject {
public:
    Dialogs() {
        connect(&timer_, &QTimer::timeout, this, &Dialogs::poll);
        timer_.start(5);
    }
    std::deque<std::function<void(QDialog*)>> answers;
    QStringList seen;

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || qobject_cast<QMessageBox*>(dialog) || dialog->property("answered").toBool())
            return;
        dialog->setProperty("answered", true);
        auto* files = qobject_cast<QFileDialog*>(dialog);
        seen << "dialog " + dialog->objectName() + ": " + dialog->windowTitle() +
                    (files ? " offering " + files->selectedFiles().value(0) : QString());
        if (!answers.empty()) {
            answers.front()(dialog);
            answers.pop_front();
        }
        if (dialog->isVisible())
            dialog->reject();
    }
    QTimer timer_;
};

class Scenario : public ::testing::TestWithParam<QString> {
protected:
    void TearDown() override {
        ws.setReadOnly(false);
        closeProgram();
    }
    QWidget* form(const QString& name) { return mother ? mother->form(name) : nullptr; }
    // "frmProjectPlan.cmdSave", or a control of the Analysis window.
    template <class T>
    T* control(const QString& name) {
        const qsizetype dot = name.indexOf(u'.');
        return find<T>(name.mid(dot + 1), form(dot < 0 ? "frmAnalysis" : name.left(dot)));
    }
    void open(int plan) {
        mother->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(mother));
        find<QTabWidget>("SSTab1", form("frmProjects"))->setCurrentIndex(2);
        clickRow(find<ui::GridView>("MSFG_ProjectPlans", form("frmProjects")), plan);
        pressShortcut(mother, Qt::Key_F7);
        settle();
    }
    QString screen(const QString& name) {
        QString text = screenText(form(name));
        if (auto* window = qobject_cast<AnalysisWindow*>(form(name))) {
            const analysis::PlanAnalysis& plan = window->session().analysis();
            text += "flags ";
            for (bool changed : plan.entry().changed)
                text += changed ? u'1' : u'0';
            text += QStringLiteral(" EMI %1, row %2\n")
                        .arg(int(plan.entry().emiRecomputed))
                        .arg(plan.selectedRow());
        }
        if (mother->guru().text() != guru)
            text += "guru: " + oneLine(guru = mother->guru().text()) + "\n";
        return text;
    }
    QString picture(const QImage& image) {
        QString text = QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
        for (const char* colour : colours)
            for (int p = 0; p < image.width() * image.height(); ++p)
                if (image.pixelColor(p % image.width(), p / image.width()) == QColor(colour)) {
                    text += QStringLiteral(" ") + colour;
                    break;
                }
        return text + "\n";
    }
    QString run(const QString& step);

    TempWorkspace ws;
    MessageBoxes boxes;
    Dialogs dialogs;
    MainWindow* mother = nullptr;
    QString guru;
};

QString Scenario::run(const QString& step) {
    const QString verb = step.section(u' ', 0, 0);
    const QString arg = step.section(u' ', 1);
    const QString last = step.section(u' ', -1);
    if (verb == "copy") {
        copyFolder(dataFolder("analysis/" + arg), ws);
    } else if (verb == "start" || verb == "restart") {
        closeProgram();
        mother = startProgram();
    } else if (verb == "open") {
        open(arg.toInt());
        return screen("frmAnalysis");
    } else if (verb == "screen") {
        return screen(arg.isEmpty() ? "frmAnalysis" : arg);
    } else if (verb == "fields") { // the seven fields: typed, or confirmed as shown when empty
        const QStringList texts = arg.split(u'|');
        for (int f = 0; f < 7; ++f)
            if (texts.value(f).isEmpty())
                pressEnter(control<QLineEdit>(fieldNames[f]));
            else
                typeAndEnter(control<QLineEdit>(fieldNames[f]), texts[f]);
    } else if (verb == "type" || verb == "edit") {
        auto* field = control<QLineEdit>(step.section(u' ', 1, 1));
        (verb == "type" ? typeAndEnter : typeText)(field, step.section(u' ', 2));
    } else if (verb == "enter") {
        pressEnter(control<QLineEdit>(arg));
    } else if (verb == "click") {
        click(control<QPushButton>(arg));
    } else if (verb == "tab") {
        QTabBar* bar = control<QTabWidget>(step.section(u' ', 1, 1))->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(last.toInt()).center());
    } else if (verb == "row") {
        clickRow(control<ui::GridView>(step.section(u' ', 1, 1)), last.toInt());
    } else if (verb == "answer") {
        boxes.answerNext(arg == "Yes" ? QMessageBox::Yes : QMessageBox::No);
    } else if (verb == "readonly") {
        if (!ws.setReadOnly(arg == "on"))
            return "skipped: the folder cannot be made read-only here\n";
    } else if (verb == "guru") {
        mother->entry("mnuGuru")->trigger();
    } else if (verb == "key") {
        pressShortcut(mother, Qt::Key_F1 + arg.mid(1).toInt() - 1);
        settle();
    } else if (verb == "close") {
        qobject_cast<QMdiSubWindow*>(form("frmAnalysis")->parentWidget())->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else if (verb == "saveas") { // NAME [FILTER]: the file dialog's choice
        dialogs.answers.push_back([path = ws.filePath(step.section(u' ', 1, 1)),
                                   filter = step.section(u' ', 2)](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            if (!filter.isEmpty())
                files->selectNameFilter(filter);
            EXPECT_TRUE(chooseFile(files, path));
        });
    } else if (verb == "cancel") {
        dialogs.answers.push_back([](QDialog* dialog) { dialog->reject(); });
    } else if (verb == "chart") { // CHART WIDTH HEIGHT in the chart dialog
        const QStringList n = arg.split(u' ');
        dialogs.answers.push_back([n](QDialog* dialog) {
            find<QComboBox>("cboChart", dialog)->setCurrentIndex(n.value(0).toInt());
            find<QSpinBox>("txtChartWidth", dialog)->setValue(n.value(1).toInt());
            find<QSpinBox>("txtChartHeight", dialog)->setValue(n.value(2).toInt());
            dialog->accept();
        });
    } else if (verb == "file") {
        const QString text = ws.exists(arg) ? visible(ws.read(arg)) : "none";
        return text.endsWith(u'\n') ? text : text + "\n";
    } else if (verb == "files") {
        return ws.files().join(u' ') + "\n";
    } else if (verb == "picture") {
        return picture(QImage(ws.filePath(arg)));
    } else if (verb == "grab") {
        settle(50);
        return picture(control<QWidget>(arg)->grab().toImage());
    } else if (verb == "svg") {
        QXmlStreamReader svg(ws.read(arg));
        QString text;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"svg")
                text += "viewBox " + svg.attributes().value("viewBox").toString() + "\n";
            else if (svg.isCharacters() && !svg.isWhitespace())
                text += svg.text().toString() + "\n";
        return text + (svg.hasError() ? svg.errorString() + "\n" : QString());
    } else if (verb == "pdf") {
        QProcess tool;
        tool.start("pdftotext", {"-layout", ws.filePath(arg), "-"});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            return "skipped: pdftotext cannot read it\n";
        return QString::fromUtf8(tool.readAllStandardOutput()).replace(u'\f', "<page>\n");
    } else {
        ADD_FAILURE() << "unknown step " << qPrintable(step);
    }
    return {};
}

TEST_P(Scenario, ShowsAndWritesWhatItsFileSays) {
    const QString file = "analysis/scenarios/" + GetParam() + ".txt";
    QString transcript;
    for (const QString& line : QString::fromUtf8(readFile(dataFolder(file))).split(u'\n')) {
        if (line.startsWith("#") || line.startsWith("> "))
            transcript += line + "\n";
        if (!line.startsWith("> "))
            continue;
        QString shown = run(line.mid(2));
        // An export waits for the intervals without holding the window up.
        finishBackgroundWork(form("frmAnalysis"));
        if (shown.startsWith("skipped"))
            GTEST_SKIP() << qPrintable(shown);
        const QStringList messages = boxes.take();
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const auto buttons = boxes.buttons()[boxes.buttons().size() - messages.size() + i];
            // The system's reason for a failed write differs between systems.
            const QString text =
                QString(messages[i])
                    .replace(QRegularExpression("^(Could not save \"[^\"]+\": ).+"), "\\1REASON");
            shown +=
                (buttons == QMessageBox::Ok ? "message: " : "question: ") + oneLine(text) + "\n";
        }
        for (QString& dialog : dialogs.seen)
            shown += dialog.replace(ws.path(), "WORKSPACE") + "\n";
        dialogs.seen.clear();
        transcript += shown;
    }
    expectSameText(transcript, file);
    EXPECT_EQ(boxes.titles(), QStringList(boxes.titles().size(), "Lendora 2012"));
}

QStringList scenarios() {
    QStringList names = QDir(dataFolder("analysis/scenarios")).entryList({"*.txt"});
    for (QString& name : names)
        name.chop(4);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Analysis, Scenario, ::testing::ValuesIn(scenarios()),
                         [](const auto& info) { return info.param.toStdString(); });

} // namespace
