// The engine against its literal reference and against a floor, on the same inputs in one run.
// The floor reads the strip once and writes the n x n image once: what any exact method must at
// least do. After the usual report it prints a table of medians, speed-ups and the engine's ratio
// to the floor, then how the cost grows with n. By default it runs five repetitions and reports
// only their aggregates.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "lightfield/lightfield.h"
#include "lightfield/reference.h"
#include "lightfield/strips.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Scene {
  std::string name;
  int n, h;
  Bytes strip;
};

const std::vector<Scene>& scenes() {
  static const std::vector<Scene> all = {
      {"default 300x280", 300, 280, lightfield::strips::defaultBars(300)},
      {"dense 300x280", 300, 280, lightfield::strips::denseRects(300, 280, 2024)},
      {"bars 600x280", 600, 280, lightfield::strips::defaultBars(600)},
      {"bars 1024x280", 1024, 280, lightfield::strips::defaultBars(1024)},
      {"bars 2048x280", 2048, 280, lightfield::strips::defaultBars(2048)},
  };
  return all;
}

using ProcessFn = void (*)(const unsigned char*, int, int, unsigned char*);
using PhotoFn = void (*)(const unsigned char*, int, int, unsigned char*, unsigned char*, int, float,
                         float);

// One pass over the strip and one over the image; the bytes written depend on the bytes read, so
// neither pass can be dropped.
void floorPass(const unsigned char* strip, int h, int n, unsigned char* rays) {
  if (n <= 0) return;
  const std::size_t in = std::size_t(3) * std::size_t(n) * std::size_t(h > 0 ? h : 0);
  std::uint64_t all = ~std::uint64_t{0};
  std::size_t i = 0;
  for (; i + 8 <= in; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, strip + i, 8);
    all &= word;
  }
  for (; i < in; ++i) all &= strip[i] | ~std::uint64_t{0xff};
  std::memset(rays, int(all & 0xff), std::size_t(3) * std::size_t(n) * std::size_t(n));
}

void benchProcess(benchmark::State& state, const Scene& scene, ProcessFn fn) {
  Bytes rays(std::size_t(3) * scene.n * scene.n);
  for (auto _ : state) {
    fn(scene.strip.data(), scene.h, scene.n, rays.data());
    benchmark::DoNotOptimize(rays.data());
    benchmark::ClobberMemory();
  }
}

// The photo the canvas takes of the starting scene: n = 300, half-length 50, focus at 45 degrees.
void benchPhoto(benchmark::State& state, PhotoFn fn) {
  const Scene& scene = scenes()[0];
  Bytes rays(std::size_t(3) * scene.n * scene.n);
  lightfield::processImage(scene.strip.data(), scene.h, scene.n, rays.data());
  Bytes marks = rays, photo(std::size_t(3) * scene.n);
  const float angle = 45.0f * 0.017453292f;
  for (auto _ : state) {
    fn(rays.data(), scene.n, scene.n, photo.data(), marks.data(), 50, std::cos(angle),
       std::sin(angle));
    benchmark::DoNotOptimize(photo.data());
    benchmark::ClobberMemory();
  }
}

// Collects the median CPU time of every benchmark, in microseconds. CPU time rather than wall
// time, so that other work on a shared machine does not skew the ratios.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.aggregate_name == "median" ||
          (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
        medians[run.run_name.function_name] =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
  }
  std::map<std::string, double> medians;
};

// The timings mean nothing unless both sides compute the same bytes.
bool sameOutput(const Scene& scene) {
  Bytes a(std::size_t(3) * scene.n * scene.n), b(a.size());
  lightfield::reference::processImage(scene.strip.data(), scene.h, scene.n, a.data());
  lightfield::processImage(scene.strip.data(), scene.h, scene.n, b.data());
  return a == b;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  std::string reps = "--benchmark_repetitions=5",
              aggregates = "--benchmark_report_aggregates_only=true";
  bool repsGiven = false;
  for (int i = 1; i < argc; ++i)
    repsGiven |= std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0;
  if (!repsGiven) {
    args.push_back(reps.data());
    args.push_back(aggregates.data());
  }
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());

  std::vector<std::string> rows;
  for (const Scene& scene : scenes()) {
    rows.push_back("processImage " + scene.name);
    auto* literal = benchmark::RegisterBenchmark((rows.back() + " reference").c_str(), benchProcess,
                                                 scene, &lightfield::reference::processImage);
    literal->Unit(benchmark::kMicrosecond);
    // The literal loop takes seconds at n = 2048: three runs give its median.
    if (scene.n > 1024) literal->Repetitions(3);
    benchmark::RegisterBenchmark((rows.back() + " engine").c_str(), benchProcess, scene,
                                 &lightfield::processImage)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((rows.back() + " floor").c_str(), benchProcess, scene, &floorPass)
        ->Unit(benchmark::kMicrosecond);
  }
  rows.push_back("takePhoto n=300 d=50");
  benchmark::RegisterBenchmark((rows.back() + " reference").c_str(), benchPhoto,
                               &lightfield::reference::takePhoto)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark((rows.back() + " engine").c_str(), benchPhoto,
                               &lightfield::takePhoto)
      ->Unit(benchmark::kMicrosecond);

  for (const Scene& scene : scenes())
    std::printf("processImage %s: engine %s reference\n", scene.name.c_str(),
                sameOutput(scene) ? "equals" : "DIFFERS FROM");

  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto median = [&](const std::string& name) {
    const auto it = reporter.medians.find(name);
    return it == reporter.medians.end() ? 0.0 : it->second;
  };
  std::printf("\n%-34s %12s %10s %9s %8s %9s\n", "median CPU time (us)", "reference", "engine",
              "speed-up", "floor", "x floor");
  for (const std::string& row : rows) {
    const double ref = median(row + " reference"), eng = median(row + " engine"),
                 floor = median(row + " floor");
    if (ref == 0 || eng == 0) continue;
    std::printf("%-34s %12.1f %10.2f %8.0fx", row.c_str(), ref, eng, ref / eng);
    if (floor > 0) std::printf(" %8.2f %8.1fx", floor, eng / floor);
    std::printf("\n");
  }

  // Growth with n at h = 280: the literal loop grows as n^2 * h, the floor as n^2 + n * h.
  std::printf("\n%-8s %12s %10s %12s %14s\n", "bars n", "reference", "engine", "engine/n^2",
              "reference/n^2");
  for (const Scene& scene : scenes()) {
    if (scene.name.rfind("dense", 0) == 0) continue;
    const std::string row = "processImage " + scene.name;
    const double ref = median(row + " reference"), eng = median(row + " engine");
    const double square = double(scene.n) * scene.n;
    if (eng == 0) continue;
    std::printf("%-8d %12.1f %10.2f %9.1f ns %11.1f ns\n", scene.n, ref, eng, eng / square * 1e3,
                ref / square * 1e3);
  }
  return 0;
}
