// Start-up with a large working directory (10,000 projects, 10,000 audiences
// and 100,000 plans): from the start-up function to the shown main window
// (the intro's 2-second timer is not waited for), beside a plain read of the
// same files in the same run. Prints both, their ratio and the peak memory.
#include "seconds_reporter.h"
#include "shell/startup.h"
#include "storage/record_codec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>

using namespace lendora;

namespace {

const char* const registryFiles[] = {"Prj.lnd", "flag.lnd", "ta.lnd",
                                     "tfag.lnd", "pptb.lnd", "ppflag.lnd"};

// Writes the records one by one, so that making the folder does not raise
// the peak memory the start-up is measured by.
class FileOut {
public:
    explicit FileOut(const QString& path)
        : file_(path) {
        file_.open(QIODevice::WriteOnly);
    }
    RecordWriter& record() { return writer_; }
    void endRecord() {
        writer_.endRecord();
        file_.write(writer_.take());
    }

private:
    QFile file_;
    RecordWriter writer_;
};

QString fillWorkspace(const QString& dir) {
    FileOut projects(dir + "/Prj.lnd"), audiences(dir + "/ta.lnd"), plans(dir + "/pptb.lnd");
    for (int i = 1; i <= 10000; ++i) {
        RecordWriter& project = projects.record();
        project.whole(i);
        project.text(QStringLiteral("Home Loan Project %1").arg(i));
        project.text(QStringLiteral("Easy Home Loan %1").arg(i));
        project.text(QStringLiteral("Easy Home"));
        project.text(i % 3 ? QStringLiteral("Active") : QStringLiteral("KickOff"));
        projects.endRecord();
        RecordWriter& audience = audiences.record();
        audience.whole(i);
        audience.text(QStringLiteral("Salaried, 25 to 40, city %1").arg(i));
        audience.text(QString::number(i % 7 + 1));
        audiences.endRecord();
    }
    for (int i = 1; i <= 100000; ++i) {
        RecordWriter& plan = plans.record();
        plan.whole(i);
        plan.text(QString::number(i % 10000 + 1));
        plan.text(QStringLiteral("Home Loan Project %1").arg(i % 10000 + 1));
        plan.text(QString::number(i / 10 + 1));
        plan.text(QStringLiteral("Salaried, 25 to 40, city %1").arg(i / 10 + 1));
        plan.text(i % 4 ? QStringLiteral("111") : QStringLiteral("010"));
        plan.text(i % 2 ? QStringLiteral("Yes") : QStringLiteral("No"));
        plans.endRecord();
    }
    for (const char* flag : {"/flag.lnd", "/tfag.lnd", "/ppflag.lnd"}) {
        QFile file(dir + flag);
        if (file.open(QIODevice::WriteOnly))
            file.write("1\r\n");
    }
    return dir;
}

const QString& workspaceDir() {
    static QTemporaryDir dir;
    static const QString path = fillWorkspace(dir.path());
    return path;
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

void BM_StartUp(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workspaceDir());
    for (auto _ : state) {
        startUp();
        auto* timer = topLevel("frmLendora")->findChild<QTimer*>(QStringLiteral("Timer1"));
        timer->start(0);
        while (!topLevel("frmSplash"))
            QCoreApplication::processEvents();
        topLevel("frmSplash")->findChild<QAbstractButton*>(QStringLiteral("cmdTry"))->click();
        QWidget* mother = topLevel("frmMother");
        QCoreApplication::processEvents(); // the first paint of the main window
        if (!mother)
            state.SkipWithError("no main window");
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(7)->Repetitions(3);

// The same files read whole, as any program must read them.
void BM_PlainRead(benchmark::State& state) {
    const QDir dir(workspaceDir());
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const char* name : registryFiles) {
            QFile file(dir.filePath(QLatin1String(name)));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(7)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lendora 2012"));
    benchmark::Initialize(&argc, argv);
    bench::SecondsReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double startUp = reporter.seconds("BM_StartUp") * 1000;
    const double plainRead = reporter.seconds("BM_PlainRead") * 1000;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\n10,000 projects, 10,000 audiences, 100,000 plans (medians)\n");
    std::printf("Start-up to the shown main window: %6.1f ms   (budget 60 ms)\n", startUp);
    if (plainRead > 0)
        std::printf("Plain read of the same files:      %6.1f ms   start-up is %.1f times it\n",
                    plainRead, startUp / plainRead);
    std::printf("Peak memory of the process:        %6.1f MB   (budget 100 MB)\n",
                double(usage.ru_maxrss) / 1024.0);
    benchmark::Shutdown();
    return 0;
}
