// The engine against its literal reference, on the same inputs in one run. After the usual
// report it prints a table of medians and speed-ups. By default it runs five repetitions and
// reports only their aggregates.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
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
      {"bars 1024x280", 1024, 280, lightfield::strips::defaultBars(1024)},
  };
  return all;
}

using ProcessFn = void (*)(const unsigned char*, int, int, unsigned char*);
using PhotoFn = void (*)(const unsigned char*, int, int, unsigned char*, unsigned char*, int, float,
                         float);

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
    benchmark::RegisterBenchmark((rows.back() + " reference").c_str(), benchProcess, scene,
                                 &lightfield::reference::processImage)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((rows.back() + " engine").c_str(), benchProcess, scene,
                                 &lightfield::processImage)
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

  std::printf("\n%-34s %14s %14s %9s\n", "median CPU time (us)", "reference", "engine", "speed-up");
  for (const std::string& row : rows) {
    const auto ref = reporter.medians.find(row + " reference");
    const auto eng = reporter.medians.find(row + " engine");
    if (ref == reporter.medians.end() || eng == reporter.medians.end()) continue;
    std::printf("%-34s %14.1f %14.2f %8.0fx\n", row.c_str(), ref->second, eng->second,
                ref->second / eng->second);
  }
  return 0;
}
