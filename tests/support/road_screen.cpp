#include "support/road_screen.h"

#include "analysis/background_work.h"

#include "support/chart_bars.h"
#include "support/golden.h"
#include "support/workspace.h"
#include "widgets/grid_view.h"

#include <QAbstractButton>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QtCharts/QChartView>

#include <gtest/gtest.h>

namespace lendora::test {

namespace {

QString gridText(QAbstractItemModel* model) {
    QString text;
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->headerData(c, Qt::Horizontal).toString();
    text += "  |" + cells.join(u'|') + "|\n";
    for (int r = 0; r < model->rowCount(); ++r) {
        cells.clear();
        QString marks;
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex cell = model->index(r, c);
            cells << cell.data().toString();
            if (const QVariant colour = cell.data(Qt::BackgroundRole); colour.isValid())
                marks +=
                    QStringLiteral("  cell %1,%2 %3: %4\n")
                        .arg(r + 1)
                        .arg(c)
                        .arg(colour.value<QColor>().name(), cell.data(Qt::ToolTipRole).toString());
        }
        text += "  |" + cells.join(u'|') + "|\n" + marks;
    }
    return text;
}

QString chartText(QChart* chart) {
    const Bars shown = bars(chart);
    QString text = "  categories " + shown.categories.join(u'|') + "\n";
    for (size_t s = 0; s < shown.values.size(); ++s) {
        QStringList values;
        for (double v : shown.values[s])
            values << QString::number(v);
        text += "  " + shown.sets.value(qsizetype(s)) + ": " + values.join(u' ') + "\n";
    }
    return text;
}

// The control's own line, or a null text for controls that show nothing of their own.
QString controlText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return oneLine(label->text());
    if (auto* field = qobject_cast<QLineEdit*>(w))
        return "[" + field->text() + "]";
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return "<" + button->text() + ">" + (button->isChecked() ? " checked" : "");
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << (i == tabs->currentIndex() ? "*" : "") + tabs->tabText(i);
        return texts.join(u'|');
    }
    if (auto* view = qobject_cast<ui::GridView*>(w))
        return "\n" + gridText(view->model());
    if (auto* chart = qobject_cast<QChartView*>(w))
        return "\n" + chartText(chart->chart());
    return {};
}

} // namespace

QString oneLine(QString text) {
    return text.replace(u'\r', QLatin1String("\\r")).replace(u'\n', QLatin1String("\\n"));
}

void finishBackgroundWork(QWidget* form) {
    if (!form)
        return;
    for (QObject* child : form->findChildren<QObject*>())
        if (auto* work = dynamic_cast<analysis::BackgroundWork*>(child))
            while (work->busy())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QString screenText(QWidget* form) {
    if (!form)
        return QStringLiteral("no window\n");
    // The work a window does in the background (the intervals) ends first, so
    // that what it shows does not depend on the machine's speed.
    finishBackgroundWork(form);
    QString text = "window " + form->objectName() + ": " + form->windowTitle();
    if (auto* child = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        text += QStringLiteral(" at %1,%2").arg(child->x()).arg(child->y());
    text += form->isVisible() ? "\n" : " hidden\n";
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        const bool own = !name.isEmpty() && !name.startsWith("qt_") &&
                         !qobject_cast<QTabBar*>(w->parentWidget());
        const QString shown = own ? controlText(w) : QString();
        if (shown.isNull())
            continue;
        QString marks;
        if (!w->isVisibleTo(form))
            marks += " hidden";
        if (!w->isEnabled())
            marks += " disabled";
        if (form->window()->focusWidget() == w)
            marks += " focus";
        text += name + marks + ": " + shown + (shown.endsWith(u'\n') ? "" : "\n");
    }
    return text;
}

void expectSameText(const QString& actual, const QString& goldenFile) {
    const QString path = dataFolder(goldenFile);
    if (!qEnvironmentVariableIsEmpty("LENDORA_WRITE_GOLDEN")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(actual.toUtf8()) >= 0)
            << qPrintable(path);
        return;
    }
    const QStringList want = QString::fromUtf8(readFile(path)).split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
        if (want.value(i, "<end>") != got.value(i, "<end>")) {
            ADD_FAILURE() << qPrintable(goldenFile) << " line " << i + 1
                          << "\n  expected: " << qPrintable(want.value(i, "<end>"))
                          << "\n  actual:   " << qPrintable(got.value(i, "<end>"));
            return;
        }
}

} // namespace lendora::test
