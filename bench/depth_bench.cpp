// Depth and frequency at n = 300 on scenes like the built-in ones: slopes, the spectrum with its
// log and image, the slice, and the focal sweep with its depth row and all-in-focus photo, the
// sweep whole on one core and as the first of two chunks of angles (what each of two threads
// would run). Compare medians: --benchmark_repetitions=9 --benchmark_report_aggregates_only.

#include <benchmark/benchmark.h>

#include <vector>

#include "lightfield/depth.h"
#include "lightfield/lightfield.h"
#include "lightfield/refocus.h"
#include "lightfield/spectrum.h"
#include "lightfield/strips.h"

namespace {

using Bytes = std::vector<unsigned char>;
using namespace lightfield;

constexpr int kN = 300;

Bytes rays(strips::Scene scene) {
  const Bytes strip = strips::scene(scene, kN);
  Bytes out(std::size_t(3) * kN * kN);
  processImage(strip.data(), 280, kN, out.data());
  return out;
}

strips::Scene sceneOf(const benchmark::State& state) {
  return strips::kScenes[state.range(0)];
}

void Slopes(benchmark::State& state) {
  const Bytes image = rays(sceneOf(state));
  std::vector<float> scratch(depth::slopeScratchSize(kN)), lambda(kN * kN), confidence(kN * kN);
  for (auto _ : state) {
    depth::slopes(image.data(), kN, lambda.data(), confidence.data(), scratch.data());
    benchmark::DoNotOptimize(lambda.data());
  }
}

void Spectrum(benchmark::State& state) {
  const Bytes image = rays(sceneOf(state));
  const spectrum::Plan plan(kN);
  std::vector<spectrum::Complex> f(kN * kN), scratch(kN);
  std::vector<double> lum(kN * kN);
  std::vector<float> logMagnitude(kN * kN);
  Bytes grey(std::size_t(3) * kN * kN);
  for (auto _ : state) {
    spectrum::raySpectrum(plan, image.data(), kN, f.data(), logMagnitude.data(), grey.data(),
                          lum.data(), scratch.data());
    benchmark::DoNotOptimize(grey.data());
  }
}

// The photo's spectrum and the slice's values over it, for one focus angle.
void Slice(benchmark::State& state) {
  Bytes image = rays(sceneOf(state)), marks = image, photo(3 * kN);
  const spectrum::Plan plan(kN);
  std::vector<spectrum::Complex> rows(kN * kN), scratch(kN), line(kN);
  std::vector<double> lum(kN * kN), photoSpectrum(kN), slice(kN);
  takePhoto(image.data(), kN, kN, photo.data(), marks.data(), 10, depth::focusCos(120),
            depth::focusSin(120));
  for (auto _ : state) {
    spectrum::luminance(image.data(), kN * kN, lum.data());
    spectrum::transformRows(plan, lum.data(), rows.data(), scratch.data());
    spectrum::photoSpectrum(plan, photo.data(), kN, photoSpectrum.data(), lum.data(), line.data(),
                            scratch.data());
    spectrum::sliceValues(rows.data(), kN, depth::focusCos(120), depth::focusSin(120),
                          slice.data());
    benchmark::DoNotOptimize(slice.data());
  }
}

// range(1): half-length; range(2): 1 for the whole sweep, 2 for the first of two chunks.
void FocalSweep(benchmark::State& state) {
  const Bytes image = rays(sceneOf(state));
  const int d = int(state.range(1)), end = state.range(2) == 1 ? depth::kFocusAngles : 91;
  std::vector<depth::FocusBest> best(kN);
  std::vector<depth::FocusSums> sums(kN);
  std::vector<float> lambda(kN), confidence(kN);
  Bytes allInFocus(3 * kN);
  for (auto _ : state) {
    depth::resetFocus(best.data(), kN);
    depth::focusSweep(image.data(), kN, d, 0, end, best.data(), nullptr, sums.data());
    depth::focusResult(best.data(), kN, lambda.data(), confidence.data(), allInFocus.data());
    benchmark::DoNotOptimize(allInFocus.data());
  }
}

// Billboards (0) and the depth ladder (4).
BENCHMARK(Slopes)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Spectrum)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Slice)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(FocalSweep)
    ->Args({0, 10, 1})
    ->Args({0, 10, 2})
    ->Args({0, 50, 1})
    ->Args({0, 50, 2})
    ->Unit(benchmark::kMillisecond);

// A real light field's size, 17 views of 1,400 pixels, its EPI of random texture (what the
// estimates cost does not depend on what they find): disparities, the spectrum, and the focus
// sweep over every angle with all 17 views weighed (the dock runs it as two chunks, one a core).
constexpr int kViews = 17, kWidth = 1400;

Bytes epi() {
  Bytes out(std::size_t(3) * kViews * kWidth);
  unsigned state = 12345;
  for (unsigned char& b : out)
    b = static_cast<unsigned char>((state = state * 1103515245u + 12345u) >> 24);
  return out;
}

void LightFieldSlopes(benchmark::State& state) {
  const Bytes image = epi();
  std::vector<float> scratch(depth::slopeScratchSize(kViews, kWidth)), s(kViews * kWidth),
      confidence(kViews * kWidth);
  for (auto _ : state) {
    depth::disparities(image.data(), kViews, kWidth, 8.0f, s.data(), confidence.data(),
                       scratch.data());
    benchmark::DoNotOptimize(s.data());
  }
}

void LightFieldSpectrum(benchmark::State& state) {
  const Bytes image = epi();
  const spectrum::Plan across(kWidth), down(kViews);
  std::vector<spectrum::Complex> f(kViews * kWidth), scratch(kWidth);
  std::vector<double> lum(kViews * kWidth);
  std::vector<float> logMagnitude(kViews * kWidth);
  Bytes grey(std::size_t(3) * kViews * kWidth);
  for (auto _ : state) {
    spectrum::raySpectrum(across, down, image.data(), f.data(), logMagnitude.data(), grey.data(),
                          lum.data(), scratch.data());
    benchmark::DoNotOptimize(grey.data());
  }
}

void LightFieldFocalSweep(benchmark::State& state) {
  const Bytes image = epi();
  const refocus::ViewCamera camera = refocus::centredBox(kViews, kViews / 2);
  std::vector<depth::FocusPeak> peaks(kWidth);
  std::vector<float> sharpness(std::size_t(kWidth) * depth::kFocusAngles), scratch(2 * kWidth);
  Bytes photo(3 * kWidth);
  for (auto _ : state) {
    depth::resetPeaks(peaks.data(), kWidth);
    depth::lightFieldFocusSweep(image.data(), kViews, kWidth, camera, 0, depth::kFocusAngles,
                                peaks.data(), sharpness.data(), photo.data(), scratch.data());
    benchmark::DoNotOptimize(peaks.data());
  }
}

BENCHMARK(LightFieldSlopes)->Unit(benchmark::kMillisecond);
BENCHMARK(LightFieldSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(LightFieldFocalSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
