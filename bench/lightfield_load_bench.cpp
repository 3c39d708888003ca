// A real light field's three costs: opening 17 views of 1400 x 800 JPEG (both cores), rebuilding
// the ray-space image for a new scanline, and refocusing a 1400-pixel scanline over 17 views. The
// views are rendered with the tests' pinhole model and written to a temporary folder first.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "document/lightfieldloader.h"
#include "lightfield/planes.h"
#include "lightfield/refocus.h"

namespace {

constexpr int kViews = 17, kWidth = 1400, kHeight = 800;

// The folder of views, made once.
const QTemporaryDir& views() {
  static const auto dir = [] {
    auto d = std::make_unique<QTemporaryDir>();
    const lightfield::planes::World world{
        {{0.3, 100.0, 500.0, 11, 3.0}, {0.6, 500.0, 1000.0, 12, 3.0}, {1.0, -1e6, 1e6, 13, 3.0}}};
    for (int v = 0; v < kViews; ++v) {
      const std::vector<unsigned char> rgb = world.view(v, kWidth, kHeight);
      const QImage image(rgb.data(), kWidth, kHeight, 3 * kWidth, QImage::Format_RGB888);
      image.save(d->filePath(QString::asprintf("out_08_%02d_-780.0_-3240.0.jpg", v)), "JPEG", 90);
    }
    return d;
  }();
  return *dir;
}

long peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void BM_OpenSeventeenJpegViews(benchmark::State& state) {
  const QString path = views().path();
  const long before = peakResidentMegabytes();
  for (auto _ : state) {
    lightfieldloader::Result result = lightfieldloader::open(path);
    if (!result.ok()) state.SkipWithError(result.error.toStdString().c_str());
    benchmark::DoNotOptimize(result);
  }
  state.counters["peak_rss_MB"] = double(peakResidentMegabytes());
  state.counters["peak_rss_before_MB"] = double(before);
}
BENCHMARK(BM_OpenSeventeenJpegViews)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_NewScanline(benchmark::State& state) {
  const lightfieldloader::Result result = lightfieldloader::open(views().path());
  std::vector<unsigned char> epi(std::size_t(3) * kViews * kWidth);
  int y = 0;
  for (auto _ : state) {
    result.views.epipolarImage(y, epi.data());
    benchmark::DoNotOptimize(epi.data());
    y = (y + 37) % kHeight;
  }
}
BENCHMARK(BM_NewScanline)->Unit(benchmark::kMicrosecond);

// Argument: the camera panel's profile (0 box at the centre, 2 Gaussian off the centre).
void BM_RefocusScanline(benchmark::State& state) {
  namespace rf = lightfield::refocus;
  const lightfieldloader::Result result = lightfieldloader::open(views().path());
  std::vector<unsigned char> epi(std::size_t(3) * kViews * kWidth), photo(std::size_t(3) * kWidth);
  result.views.epipolarImage(kHeight / 2, epi.data());
  const double s = rf::disparityForFraction(0.6);
  const auto aperture = static_cast<lightfield::Aperture>(state.range(0));
  const rf::ViewCamera camera{aperture == lightfield::Aperture::Box ? rf::centreView(kViews) : 5,
                              kViews / 2, aperture, lightfield::kMinPinholes};
  for (auto _ : state) {
    rf::refocus(epi.data(), kViews, kWidth, camera, s, photo.data());
    benchmark::DoNotOptimize(photo.data());
  }
}
BENCHMARK(BM_RefocusScanline)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the image plugins
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
