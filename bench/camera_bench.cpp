// The camera's photo at the canvas's size: every profile at the widest depth of field the slider
// reaches, and "keep aperture width" at 5 degrees, where the half-length is largest. After the
// usual report it prints the medians against their targets, then the teaching aids' predictions
// beside what rendered photos of a thin shape show.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "lightfield/camera.h"
#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "lightfield/reference.h"
#include "lightfield/spots.h"
#include "lightfield/strips.h"

namespace {

using Bytes = std::vector<unsigned char>;
using lightfield::Aperture;
using lightfield::Camera;

constexpr int kN = 300;

const Bytes& rays() {
  static const Bytes image = [] {
    const Bytes strip = lightfield::strips::denseRects(kN, 280, 2024);
    Bytes out(std::size_t(3) * kN * kN);
    lightfield::processImage(strip.data(), 280, kN, out.data());
    return out;
  }();
  return image;
}

Camera cameraAt(double degrees, int d, Aperture aperture, int pinholes) {
  const auto angle = static_cast<float>(degrees * 0.017453292500000002);
  return {lightfield::centreViewpoint(kN), d, std::cos(angle), std::sin(angle), aperture, pinholes};
}

struct Case {
  std::string name;
  Camera camera;
  double width;  // > 0: "keep aperture width", the half-length follows from it
  double targetUs;
};

std::vector<Case> cases() {
  std::vector<Case> all;
  const struct {
    const char* name;
    Aperture aperture;
    int pinholes;
  } profiles[] = {{"box", Aperture::Box, 2},
                  {"tent", Aperture::Tent, 2},
                  {"gaussian", Aperture::Gaussian, 2},
                  {"two slits", Aperture::TwoSlits, 2},
                  {"2 pinholes", Aperture::Pinholes, 2},
                  {"16 pinholes", Aperture::Pinholes, 16}};
  for (const auto& p : profiles)
    all.push_back(
        {std::string(p.name) + " d=50 45deg", cameraAt(45, 50, p.aperture, p.pinholes), 0, 300});
  Case offCentre = all[0];
  offCentre.name = "box d=50 45deg p=40";
  offCentre.camera.viewpoint = 40;
  all.push_back(offCentre);
  for (const auto& p : profiles)
    for (const double width : {50.0, 100.0})
      all.push_back({std::string(p.name) + " width " + std::to_string(int(width)) + " 5deg",
                     cameraAt(5, 0, p.aperture, p.pinholes), width, 2000});
  return all;
}

// A camera change: the half-length for a fixed width, if kept, then photo and marks.
void benchCamera(benchmark::State& state, Case c) {
  lightfield::CameraScratch scratch;
  Bytes marks = rays(), photo(std::size_t(3) * kN);
  for (auto _ : state) {
    Camera camera = c.camera;
    if (c.width > 0)
      camera.halfLength = lightfield::halfLengthForWidth(c.width, camera.rowStep, kN).halfLength;
    lightfield::cameraPhoto(rays().data(), kN, kN, camera, photo.data(), marks.data(), scratch);
    benchmark::DoNotOptimize(photo.data());
    benchmark::ClobberMemory();
  }
}

void benchTakePhoto(benchmark::State& state) {
  Bytes marks = rays(), photo(std::size_t(3) * kN);
  const auto angle = static_cast<float>(45 * 0.017453292500000002);
  for (auto _ : state) {
    lightfield::takePhoto(rays().data(), kN, kN, photo.data(), marks.data(), 50, std::cos(angle),
                          std::sin(angle));
    benchmark::DoNotOptimize(photo.data());
    benchmark::ClobberMemory();
  }
}

bool sameAsReference(const Case& c) {
  lightfield::CameraScratch scratch;
  Camera camera = c.camera;
  if (c.width > 0)
    camera.halfLength = lightfield::halfLengthForWidth(c.width, camera.rowStep, kN).halfLength;
  Bytes a(std::size_t(3) * kN), b = a, ma = rays(), mb = rays();
  lightfield::cameraPhoto(rays().data(), kN, kN, camera, a.data(), ma.data(), scratch);
  lightfield::reference::cameraPhoto(rays().data(), kN, kN, camera, b.data(), mb.data());
  return a == b && ma == mb;
}

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

// Predicted against measured, on photos of one black strip pixel at three heights.
void printAids() {
  using namespace lightfield;
  std::vector<optics::WeightedPixel> samples;
  std::printf("\nspot widths (photo pixels; measured = dark extent - 1/lambda)\n");
  std::printf("%-9s %6s %4s %7s %10s %10s %9s\n", "profile", "lambda", "deg", "d", "exact",
              "truncated", "measured");
  const struct {
    const char* name;
    Aperture aperture;
  } profiles[] = {
      {"box", Aperture::Box}, {"tent", Aperture::Tent}, {"gaussian", Aperture::Gaussian}};
  for (const auto& p : profiles)
    for (const int row : {69, 139, 209})
      for (const double degrees : {20.0, 60.0}) {
        const double lambda = spots::fractionOfRow(row);
        const Camera camera = cameraAt(degrees, 30, p.aperture, 2);
        optics::cameraSamples(kN, kN / 2, camera, samples);
        const auto spot = optics::sampledSpot(samples, kN / 2, camera.viewpoint, kN, lambda);
        const auto seen =
            spots::extent(spots::darkRuns(spots::photoOfPoints(kN, row, {150}, camera)));
        std::printf("%-9s %6.3f %4.0f %7d %10.2f %10.2f %9.2f\n", p.name, lambda, degrees, 30,
                    60 * optics::spreadPerSample(degrees, lambda), spot.width,
                    seen.length() - 1 / lambda);
      }

  std::printf("\ntwo-slit spike and K-pinhole ghost spacings (photo pixels, 45 deg, d = 40)\n");
  std::printf("%-11s %6s %10s %9s\n", "profile", "lambda", "predicted", "measured");
  for (const int row : {69, 209})
    for (const int pinholes : {0, 3, 5, 8}) {
      const double lambda = spots::fractionOfRow(row);
      const Camera camera =
          cameraAt(45, 40, pinholes == 0 ? Aperture::TwoSlits : Aperture::Pinholes, pinholes);
      const auto runs = spots::darkRuns(spots::photoOfPoints(kN, row, {150}, camera));
      const double predicted = pinholes == 0 ? optics::slitSpacing(45, 40, lambda)
                                             : optics::ghostSpacing(45, 40, pinholes, lambda);
      const double measured = runs.size() < 2 ? 0.0
                                              : (runs.back().middle() - runs.front().middle()) /
                                                    double(runs.size() - 1);
      const std::string name = pinholes == 0 ? "two slits" : std::to_string(pinholes) + " pinholes";
      std::printf("%-11s %6.3f %10.2f %9.2f (%zu spots)\n", name.c_str(), lambda, predicted,
                  measured, runs.size());
    }

  std::printf("\nparallax: pinhole moved by 40 along the lower line (photo pixels)\n");
  std::printf("%6s %10s %9s\n", "lambda", "predicted", "measured");
  for (const int row : {69, 139, 209}) {
    const double lambda = spots::fractionOfRow(row);
    Camera camera = cameraAt(45, 0, Aperture::Box, 2);
    const auto before = spots::darkRuns(spots::photoOfPoints(kN, row, {150}, camera));
    camera.viewpoint += 40;
    const auto after = spots::darkRuns(spots::photoOfPoints(kN, row, {150}, camera));
    std::printf("%6.3f %10.2f %9.2f\n", lambda, 40 * optics::parallaxPerViewpoint(lambda),
                after.front().middle() - before.front().middle());
  }
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

  const std::vector<Case> all = cases();
  for (const Case& c : all) {
    if (!sameAsReference(c)) std::printf("cameraPhoto %s DIFFERS FROM reference\n", c.name.c_str());
    benchmark::RegisterBenchmark(("camera " + c.name).c_str(), benchCamera, c)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("takePhoto d=50 45deg", benchTakePhoto)
      ->Unit(benchmark::kMicrosecond);

  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\n%-34s %12s %10s\n", "median CPU time (us), n = 300", "median", "target");
  for (const Case& c : all) {
    const auto it = reporter.medians.find("camera " + c.name);
    if (it == reporter.medians.end()) continue;
    std::printf("%-34s %12.1f %10.0f%s\n", c.name.c_str(), it->second, c.targetUs,
                it->second > c.targetUs ? "  OVER" : "");
  }
  if (const auto it = reporter.medians.find("takePhoto d=50 45deg"); it != reporter.medians.end())
    std::printf("%-34s %12.1f\n", "takePhoto d=50 45deg", it->second);
  printAids();
  return 0;
}
