#include "shell/ui/main_window.h"
#include "widgets/grid_view.h"

#include "support/feature_window.h"
#include "support/golden.h"
#include "support/program.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace lendora;
using namespace lendora::test;
using namespace Qt::StringLiterals;

namespace {

// A translation that marks every text it is asked for, so that a text shown
// without passing through tr() stands out.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? u"<"_s + QString::fromUtf8(source) + u">"_s : QString();
    }
    bool isEmpty() const override { return false; }
};

// Texts that name no text of the program: empty, or a number.
bool plainValue(const QString& text) {
    bool number = false;
    text.toDouble(&number);
    return text.isEmpty() || number;
}

// The shown texts of the windows below root that did not pass the
// translator, each as "objectName: text".
QStringList untranslated(QWidget* root) {
    QStringList found;
    auto check = [&found](const QObject* owner, const QString& text) {
        if (!plainValue(text) && !text.contains(u'<'))
            found << owner->objectName() + u": "_s + text;
    };
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith(u"frm"_s))
            check(widget, widget->windowTitle());
        if (auto* label = qobject_cast<const QLabel*>(widget))
            check(label, label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(button, button->text());
        if (auto* frame = qobject_cast<const QGroupBox*>(widget))
            check(frame, frame->title());
        if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int t = 0; t < tabs->count(); ++t)
                check(tabs, tabs->tabText(t));
    }
    for (const QMenu* menu : root->findChildren<QMenu*>())
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                check(action, action->text());
    return found;
}

class Translation : public WindowTest {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&marking); }
    void TearDown() override {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&marking);
    }
    MarkingTranslator marking;
};

// Every window the menus open in an empty folder shows its texts through
// the translation: the main window and its menus, All Projects, the Guru,
// the wizard's first step, the audience window and the project plan window.
TEST_F(Translation, EveryShownTextPassesTheTranslation) {
    start();
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    press(Qt::Key_F6);
    for (const char* window :
         {"frmProjects", "frmHelp", "frmNewProject", "frmTragetAudience", "frmProjectPlan"})
        EXPECT_NE(mother->form(QString::fromLatin1(window)), nullptr) << window;
    EXPECT_TRUE(mother->windowTitle().contains(u'<'));
    EXPECT_EQ(untranslated(mother).join(u'\n'), QString());
}

// The windows that show a selected record: the Basic Details window, the
// audience and its segments, and the questionnaire preview.
TEST_F(Translation, WindowsOfSelectedRecordsPassTheTranslation) {
    copyFolder(dataFolder("shell/workspace"), ws);
    start();
    auto* tabs = find<QTabWidget>("SSTab1", find("frmProjects", mother));
    auto table = [this](const char* name) { return find<ui::GridView>(name, mother); };
    clickRow(table("MSFG_Projects"), 1);
    press(Qt::Key_F2, Qt::ControlModifier);
    tabs->setCurrentIndex(1);
    clickRow(table("MSFG_TargetAudience"), 1);
    press(Qt::Key_F3, Qt::ControlModifier);
    tabs->setCurrentIndex(2);
    clickRow(table("MSFG_ProjectPlans"), 1);
    press(Qt::Key_F5, Qt::ControlModifier);
    for (const char* window :
         {"frmProjectDetails", "frmTragetAudience", "frmTASegment", "frmQuestionairePreview"})
        EXPECT_NE(mother->form(QString::fromLatin1(window)), nullptr) << window;
    EXPECT_EQ(untranslated(mother).join(u'\n'), QString());
}

} // namespace
