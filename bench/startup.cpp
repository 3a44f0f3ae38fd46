// Start-up with a large working directory: from the start-up function to the
// shown main window (the intro's 2-second timer is not waited for).
#include "shell/startup.h"
#include "shell/ui/main_window.h"
#include "storage/record_codec.h"

#include "gui_bench_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace lendora;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// 10,000 projects, 10,000 audiences and 100,000 plans.
void fillWorkspace(const QString& dir) {
    RecordWriter projects, audiences, plans;
    for (int i = 1; i <= 10000; ++i) {
        projects.whole(i);
        projects.text(QStringLiteral("Home Loan Project %1").arg(i));
        projects.text(QStringLiteral("Easy Home Loan %1").arg(i));
        projects.text(QStringLiteral("Easy Home"));
        projects.text(i % 3 ? QStringLiteral("Active") : QStringLiteral("KickOff"));
        projects.endRecord();
        audiences.whole(i);
        audiences.text(QStringLiteral("Salaried, 25 to 40, city %1").arg(i));
        audiences.text(QString::number(i % 7 + 1));
        audiences.endRecord();
    }
    for (int i = 1; i <= 100000; ++i) {
        plans.whole(i);
        plans.text(QString::number(i % 10000 + 1));
        plans.text(QStringLiteral("Home Loan Project %1").arg(i % 10000 + 1));
        plans.text(QString::number(i / 10 + 1));
        plans.text(QStringLiteral("Salaried, 25 to 40, city %1").arg(i / 10 + 1));
        plans.text(i % 4 ? QStringLiteral("111") : QStringLiteral("010"));
        plans.text(i % 2 ? QStringLiteral("Yes") : QStringLiteral("No"));
        plans.endRecord();
    }
    writeFile(dir + "/Prj.lnd", projects.take());
    writeFile(dir + "/ta.lnd", audiences.take());
    writeFile(dir + "/pptb.lnd", plans.take());
    for (const char* flag : {"/flag.lnd", "/tfag.lnd", "/ppflag.lnd"})
        writeFile(dir + flag, "1\r\n");
}

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    return nullptr;
}

void closeAll() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_StartUpLargeWorkspace(benchmark::State& state) {
    QTemporaryDir dir;
    fillWorkspace(dir.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        startUp();
        auto* timer = topLevel("frmLendora")->findChild<QTimer*>(QStringLiteral("Timer1"));
        timer->start(0);
        while (!topLevel("frmSplash"))
            QCoreApplication::processEvents();
        topLevel("frmSplash")->findChild<QAbstractButton*>(QStringLiteral("cmdTry"))->click();
        QWidget* mother = topLevel("frmMother");
        QCoreApplication::processEvents(); // the first paint of the main window
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!mother)
            state.SkipWithError("no main window");
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_StartUpLargeWorkspace)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpLargeWorkspace)
    ->Name("StartUpOnce")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runGuiBenchmarks(argc, argv);
}
