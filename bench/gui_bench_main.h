#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark that builds windows: an offscreen application
// under the program's name, then every registered benchmark.
inline int runGuiBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lendora 2012"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
