// Reads screenshots of the running app for run_e2e.sh: finds the canvas and the two result views
// by their known drawing and counts pixels of a colour class in screen rectangles.
//
//   e2e_probe locate SHOT [ZOOM]               prints CANVAS_X=.. CANVAS_Y=.. RAY_X=.. ... (shell)
//   e2e_probe count SHOT X Y W H CLASS         pixels of CLASS in the rectangle
//   e2e_probe moved A B X Y W H CLASS          "gone added": CLASS pixels only in A, only in B
//   e2e_probe firstx SHOT X Y W CLASS          first x of the row segment in CLASS, or -1
//   e2e_probe rowof SHOT X Y W H CLASS         "row count": the row richest in CLASS, or "-1 0"
//   e2e_probe slider SHOT X                    SLIDER_X=.. SLIDER_Y=..: the end of the filled
//                                              groove of the topmost slider right of X (shell)
//   e2e_probe diff A B X Y W H                 pixels that differ between A and B
//   e2e_probe tilt SHOT X Y W H CLASS          "degrees count": the direction of the line the
//                                              CLASS pixels form (y down, -90..90), or "0 0"
//
// Rectangles are y-down screen pixels. CLASS is orange (billboard 1) or ray (the translucent blue
// overlay over white, stroked or filled, antialiased edges included) or focus (the dashed line of
// the focus depth) or slice (the spectrum's slice line).
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Sizes in screen pixels at the zoom of the shot (1 unless `locate` is given one).
int kViewSide = 300;
int kPhotoHeight = 40;
int kRedRun = 290;      // the red lines are 299 px long; allow a little slack
int kPlaneLineTop = 9;  // first row of the upper plane line below the canvas's top
int kAxisTop = 149;     // first row of the horizontal axis below the ray-space view's top
int kMaxGap = 2;        // the black vertical axis interrupts the red one
int kLineStart = 1;     // first pure red column of both lines from the view's left edge

void setZoom(double z) {
  const auto scaled = [z](int v) { return static_cast<int>(v * z + 0.5); };
  kViewSide = scaled(300);
  kPhotoHeight = scaled(40);
  kRedRun = scaled(290);
  kPlaneLineTop = scaled(9);
  kAxisTop = scaled(149);
  kMaxGap = scaled(2);
  kLineStart = scaled(1);
}

using ColorClass = std::function<bool(QRgb)>;

bool near(int a, int b, int tol) {
  return std::abs(a - b) <= tol;
}

std::optional<ColorClass> parseClass(const QString& name) {
  if (name == "orange")
    return [](QRgb p) {
      return near(qRed(p), 255, 2) && near(qGreen(p), 204, 2) && near(qBlue(p), 102, 2);
    };
  if (name == "ray")  // blue at alpha 0.4 over white is (153, 153, 255); lighter at the edges
    return [](QRgb p) {
      return qBlue(p) >= 250 && qRed(p) >= 140 && qRed(p) <= 215 && near(qRed(p), qGreen(p), 3);
    };
  if (name == "focus")  // the focus-depth line, drawn without antialiasing
    return [](QRgb p) { return near(qRed(p), 170, 3) && qGreen(p) <= 3 && near(qBlue(p), 200, 3); };
  if (name == "slice")  // the slice line's core, drawn opaque over the spectrum
    return [](QRgb p) { return near(qRed(p), 255, 2) && near(qGreen(p), 140, 3) && qBlue(p) <= 3; };
  return std::nullopt;
}

QImage load(const char* path) {
  QImage img(QString::fromLocal8Bit(path));
  if (img.isNull()) {
    std::fprintf(stderr, "e2e_probe: cannot read %s\n", path);
    std::exit(2);
  }
  return img.convertToFormat(QImage::Format_RGB32);
}

bool isRed(QRgb p) {
  return (p & 0xffffffu) == 0xff0000u;
}

// Topmost rows of the long pure-red lines: the canvas's upper plane line and the ray-space view's
// horizontal axis (which the black vertical axis interrupts for 2 px). Returns their starts,
// left to right.
struct Run {
  int x = -1, y = -1;
};

std::vector<Run> redRuns(const QImage& img) {
  std::vector<Run> runs;
  for (int y = 0; y < img.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width();) {
      if (!isRed(row[x])) {
        ++x;
        continue;
      }
      int end = x, count = 0;  // end: one past the last red pixel of the line
      for (int i = x; i < img.width() && i - end <= kMaxGap; ++i)
        if (isRed(row[i])) {
          end = i + 1;
          ++count;
        }
      if (end - x >= kRedRun && count >= kRedRun - kMaxGap) {
        bool seen = false;  // keep only the first row of each line
        for (const Run& r : runs) seen = seen || (std::abs(r.x - x) <= 2 && y - r.y <= 2 * kMaxGap);
        if (!seen) runs.push_back({x, y});
      }
      x = end;
    }
  }
  std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.x < b.x; });
  return runs;
}

bool rowsEqual(const QImage& img, int x, int y1, int y2) {
  const auto* a = reinterpret_cast<const QRgb*>(img.constScanLine(y1)) + x;
  const auto* b = reinterpret_cast<const QRgb*>(img.constScanLine(y2)) + x;
  return std::equal(a, a + kViewSide, b);
}

// The photo view stretches one row over 40: find the 40 identical rows below the ray-space view,
// bounded above and below by rows that differ.
int findPhotoTop(const QImage& img, int x, int below) {
  const int last = std::min(img.height() - kPhotoHeight - 1, below + 120);
  for (int y = below + 1; y <= last; ++y) {
    if (rowsEqual(img, x, y - 1, y)) continue;
    bool flat = true;
    for (int k = 1; k < kPhotoHeight && flat; ++k) flat = rowsEqual(img, x, y, y + k);
    if (flat && !rowsEqual(img, x, y, y + kPhotoHeight)) return y;
  }
  return -1;
}

int locate(const char* path) {
  const QImage img = load(path);
  const std::vector<Run> runs = redRuns(img);
  if (runs.size() != 2) {
    std::fprintf(stderr, "e2e_probe: expected 2 long red lines, found %zu\n", runs.size());
    return 1;
  }
  // Both lines are 2 units wide from x = 1, pure red from the view's second pixel column: the
  // plane line at y = 290 (at 1x rows 9..10 from the top), the axis at y = 150 (rows 149..150).
  const int canvasX = runs[0].x - kLineStart, canvasY = runs[0].y - kPlaneLineTop;
  const int rayX = runs[1].x - kLineStart, rayY = runs[1].y - kAxisTop;
  if (rayX + kViewSide > img.width()) return 1;
  const int photoY = findPhotoTop(img, rayX, rayY + kViewSide - 1);
  if (photoY < 0) {
    std::fprintf(stderr, "e2e_probe: photo view not found below the ray-space view\n");
    return 1;
  }
  std::printf("CANVAS_X=%d CANVAS_Y=%d RAY_X=%d RAY_Y=%d PHOTO_X=%d PHOTO_Y=%d\n", canvasX, canvasY,
              rayX, rayY, rayX, photoY);
  return 0;
}

QRect clipped(const QImage& img, char** argv) {
  return QRect(std::atoi(argv[0]), std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]))
      .intersected(img.rect());
}

int main2(int argc, char** argv) {
  const QString cmd = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (cmd == "locate" && (argc == 3 || argc == 4)) {
    if (argc == 4) setZoom(std::atof(argv[3]));
    return locate(argv[2]);
  }
  if (cmd == "count" && argc == 8) {
    const QImage img = load(argv[2]);
    const auto cls = parseClass(QString::fromLocal8Bit(argv[7]));
    if (!cls) return 2;
    const QRect r = clipped(img, argv + 3);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += (*cls)(img.pixel(x, y)) ? 1 : 0;
    std::printf("%d\n", n);
    return 0;
  }
  if (cmd == "moved" && argc == 9) {
    const QImage a = load(argv[2]), b = load(argv[3]);
    const auto cls = parseClass(QString::fromLocal8Bit(argv[8]));
    if (!cls || a.size() != b.size()) return 2;
    const QRect r = clipped(a, argv + 4);
    int gone = 0, added = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const bool inA = (*cls)(a.pixel(x, y)), inB = (*cls)(b.pixel(x, y));
        gone += (inA && !inB) ? 1 : 0;
        added += (inB && !inA) ? 1 : 0;
      }
    std::printf("%d %d\n", gone, added);
    return 0;
  }
  if (cmd == "firstx" && argc == 7) {
    const QImage img = load(argv[2]);
    const auto cls = parseClass(QString::fromLocal8Bit(argv[6]));
    if (!cls) return 2;
    const int x0 = std::atoi(argv[3]), y = std::atoi(argv[4]), w = std::atoi(argv[5]);
    int found = -1;
    for (int x = std::max(0, x0); x < std::min(img.width(), x0 + w) && found < 0; ++x)
      if (y >= 0 && y < img.height() && (*cls)(img.pixel(x, y))) found = x;
    std::printf("%d\n", found);
    return 0;
  }
  if (cmd == "rowof" && argc == 8) {
    const QImage img = load(argv[2]);
    const auto cls = parseClass(QString::fromLocal8Bit(argv[7]));
    if (!cls) return 2;
    const QRect r = clipped(img, argv + 3);
    int best = -1, most = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      int n = 0;
      for (int x = r.left(); x <= r.right(); ++x) n += (*cls)(img.pixel(x, y)) ? 1 : 0;
      if (n > most) best = y, most = n;
    }
    std::printf("%d %d\n", best, most);
    return 0;
  }
  if (cmd == "slider" && argc == 4) {
    // The filled part of a slider's groove in the window's style: a run of this blue.
    const QImage img = load(argv[2]);
    const auto isFill = [](QRgb p) {
      return near(qRed(p), 56, 6) && near(qGreen(p), 161, 6) && near(qBlue(p), 227, 6);
    };
    for (int y = 0; y < img.height(); ++y) {
      int run = 0;
      for (int x = std::max(0, std::atoi(argv[3])); x < img.width(); ++x) {
        run = isFill(img.pixel(x, y)) ? run + 1 : 0;
        const bool ends = x + 1 == img.width() || !isFill(img.pixel(x + 1, y));
        if (run >= 20 && ends) {
          std::printf("SLIDER_X=%d SLIDER_Y=%d\n", x + 1, y);
          return 0;
        }
      }
    }
    return 1;
  }
  if (cmd == "diff" && argc == 8) {
    const QImage a = load(argv[2]), b = load(argv[3]);
    if (a.size() != b.size()) return 2;
    const QRect r = clipped(a, argv + 4);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    std::printf("%d\n", n);
    return 0;
  }
  if (cmd == "tilt" && argc == 8) {
    // The principal axis of the pixels' spread: the line's direction, whatever its length.
    const QImage img = load(argv[2]);
    const auto cls = parseClass(QString::fromLocal8Bit(argv[7]));
    if (!cls) return 2;
    const QRect r = clipped(img, argv + 3);
    double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if ((*cls)(img.pixel(x, y))) {
          n += 1, sx += x, sy += y, sxx += double(x) * x, syy += double(y) * y,
              sxy += double(x) * y;
        }
    if (n < 2) {
      std::printf("0 0\n");
      return 0;
    }
    const double cxx = sxx / n - (sx / n) * (sx / n), cyy = syy / n - (sy / n) * (sy / n),
                 cxy = sxy / n - (sx / n) * (sy / n);
    const double degrees = 0.5 * std::atan2(2 * cxy, cxx - cyy) * 180.0 / 3.14159265358979;
    std::printf("%.1f %d\n", degrees, static_cast<int>(n));
    return 0;
  }
  std::fprintf(
      stderr,
      "usage: e2e_probe locate|count|moved|firstx|rowof|slider|diff|tilt ... (see the source)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  return main2(argc, argv);
}
