// Start-up to the first rendered frame, as a user sees it: starts the real
// binary on the current X display and watches the screen until the rendered
// ray space appears (many pixels of billboard 1's orange; before the first
// render only the canvas's bar shows it). Without a window manager the window
// opens at the top-left corner, so only that part of the screen is watched,
// which keeps the watching light. Prints one time in milliseconds per run and
// their median.
//
//   startup_probe OMBREL [RUNS]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRenderedOrange = 1000;                      // the bar alone is 39 x 9 pixels
constexpr int kWatchedWidth = 1000, kWatchedHeight = 520;  // the 1x window and a margin

QImage watched(QScreen* screen) {
  return screen->grabWindow(0, 0, 0, kWatchedWidth, kWatchedHeight)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

int orangePixels(const QImage& shot) {
  int n = 0;
  for (int y = 0; y < shot.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x) {
      const QRgb p = row[x];
      n += std::abs(qRed(p) - 255) <= 2 && std::abs(qGreen(p) - 204) <= 2 &&
           std::abs(qBlue(p) - 102) <= 2;
    }
  }
  return n;
}

// Milliseconds from launch to the rendered frame on screen, or -1 after 20 s.
double oneRun(QScreen* screen, const QString& program) {
  using Clock = std::chrono::steady_clock;
  QProcess app;
  app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const auto start = Clock::now();
  app.start(program, {});
  double found = -1;
  while (Clock::now() - start < std::chrono::seconds(20)) {
    if (orangePixels(watched(screen)) > kRenderedOrange) {
      found = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    if (app.state() == QProcess::NotRunning) break;
    QThread::msleep(2);
  }
  app.kill();
  app.waitForFinished(5000);
  // Let the server clear the old window before the next run looks.
  for (int i = 0;
       i < 200 &&
       orangePixels(screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32)) > 0;
       ++i) {
    QThread::msleep(10);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe OMBREL [RUNS]\n");
    return 2;
  }
  const QString program = QString::fromLocal8Bit(argv[1]);
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  QScreen* screen = QGuiApplication::primaryScreen();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = oneRun(screen, program);
    if (ms < 0) {
      std::fprintf(stderr, "run %d: no rendered frame within 20 s\n", i + 1);
      return 1;
    }
    std::printf("run %d: %.1f ms\n", i + 1, ms);
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("median start-up to first rendered frame: %.1f ms over %d runs\n",
              times[times.size() / 2], runs);
  return 0;
}
