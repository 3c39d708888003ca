// The main() of a benchmark on the real window: shown offscreen, first render
// done, then `prepare` (switches, say) before the registered benchmarks run.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "app/mainwindow.h"

template <class Prepare>
int runOnWindow(int argc, char** argv, MainWindow*& window, Prepare prepare) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MainWindow w;
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) return 1;
  QCoreApplication::processEvents();
  prepare(w);
  window = &w;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  window = nullptr;
  return 0;
}
