#include "lightfield/spectrum.h"

#include <algorithm>
#include <cmath>
#include <kissfft.hh>
#include <vector>

namespace lightfield::spectrum {

using std::size_t;

struct Plan::Fft {
  explicit Fft(int n) : fft(size_t(n), false) {}
  kissfft<double> fft;
};

Plan::Plan(int n) : n_(n), fft_(std::make_unique<Fft>(n)) {
  // KissFFT sizes its scratch for large prime factors on the first transform: do it here, so
  // later calls allocate nothing.
  std::vector<Complex> in(static_cast<size_t>(n)), out(static_cast<size_t>(n));
  fft_->fft.transform(in.data(), out.data());
}

Plan::~Plan() = default;

void Plan::transform(const Complex* in, Complex* out, size_t stride) const {
  fft_->fft.transform(in, out, 0, 1, stride);
}

void luminance(const unsigned char* rgb, int w, double* out) {
  for (int i = 0; i < w; ++i, rgb += 3) out[i] = 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2];
}

void transformRows(const Plan& rowPlan, int rows, const double* image, Complex* out,
                   Complex* scratch) {
  const int n = rowPlan.size();
  int r = 0;
  // Two real rows in one complex transform, z = a + i b, then parted by their symmetry:
  // A[k] = (Z[k] + conj Z[-k]) / 2, B[k] = (Z[k] - conj Z[-k]) / 2i.
  for (; r + 1 < rows; r += 2) {
    const double* a = image + size_t(r) * n;
    const double* b = a + n;
    for (int u = 0; u < n; ++u) scratch[u] = Complex(a[u], b[u]);
    Complex* rowA = out + size_t(r) * n;
    Complex* rowB = rowA + n;
    rowPlan.transform(scratch, rowB);
    for (int k = 0; k <= n / 2; ++k) {
      const int m = (n - k) % n;
      const Complex z = rowB[k], w = std::conj(rowB[m]);
      const Complex zm = rowB[m], wm = std::conj(rowB[k]);
      rowA[k] = 0.5 * (z + w);
      rowA[m] = 0.5 * (zm + wm);
      rowB[k] = Complex(0.0, -0.5) * (z - w);
      rowB[m] = Complex(0.0, -0.5) * (zm - wm);
    }
  }
  for (; r < rows; ++r) {
    for (int u = 0; u < n; ++u) scratch[u] = image[size_t(r) * n + u];
    rowPlan.transform(scratch, out + size_t(r) * n);
  }
}

void transform2D(const Plan& rowPlan, const Plan& columnPlan, const double* image, Complex* out,
                 Complex* scratch) {
  const int rows = columnPlan.size(), cols = rowPlan.size();
  transformRows(rowPlan, rows, image, out, scratch);
  // A real image's spectrum is symmetric, F(-k) = conj F(k): half the columns give the rest.
  for (int u = 0; u <= cols / 2; ++u) {
    columnPlan.transform(out + u, scratch, size_t(cols));
    for (int r = 0; r < rows; ++r) out[size_t(r) * cols + u] = scratch[r];
  }
  for (int r = 0; r < rows; ++r)
    for (int u = cols / 2 + 1; u < cols; ++u)
      out[size_t(r) * cols + u] = std::conj(out[size_t((rows - r) % rows) * cols + (cols - u)]);
}

void transform1D(const Plan& plan, const double* signal, Complex* out, Complex* scratch) {
  const int n = plan.size();
  for (int i = 0; i < n; ++i) scratch[i] = signal[i];
  plan.transform(scratch, out);
}

void centredLogMagnitude(const Complex* spectrum, int rows, int cols, float* out) {
  // A real image's spectrum has |F(-k)| = |F(k)|: the rows past the middle mirror earlier ones.
  // Frequency f sits at m/2 + f on an axis of m bins, so -f sits at 2 (m/2) - that, modulo m.
  const int twiceRows = 2 * (rows / 2), twiceCols = 2 * (cols / 2);
  for (int q = 0; q < rows; ++q) {
    float* row = out + size_t(q) * cols;
    if (q > rows / 2) {
      const float* mirror = out + size_t((twiceRows - q) % rows) * cols;
      for (int c = 0; c < cols; ++c) row[c] = mirror[(twiceCols - c) % cols];
      continue;
    }
    const int kr = ((q - rows / 2) % rows + rows) % rows;
    for (int c = 0; c < cols; ++c) {
      const int ku = ((c - cols / 2) % cols + cols) % cols;
      // sqrt of the norm: std::abs guards against overflow, which these sizes never reach.
      row[c] =
          std::log1p(static_cast<float>(std::sqrt(std::norm(spectrum[size_t(kr) * cols + ku]))));
    }
  }
}

void greyImage(const float* values, int rows, int cols, unsigned char* rgb) {
  const size_t count = size_t(rows) * size_t(cols);
  float top = 0.0f;
  for (size_t p = 0; p < count; ++p) top = std::max(top, values[p]);
  const float scale = top > 0.0f ? 255.0f / top : 0.0f;
  for (size_t p = 0; p < count; ++p)
    std::fill_n(rgb + 3 * p, 3, static_cast<unsigned char>(values[p] * scale + 0.5f));
}

void raySpectrum(const Plan& rowPlan, const Plan& columnPlan, const unsigned char* rays,
                 Complex* spectrum, float* logMagnitude, unsigned char* image, double* lum,
                 Complex* scratch) {
  const int rows = columnPlan.size(), cols = rowPlan.size();
  const size_t count = size_t(rows) * size_t(cols);
  luminance(rays, rows * cols, lum);
  double mean = 0.0;
  for (size_t p = 0; p < count; ++p) mean += lum[p];
  mean /= static_cast<double>(count);
  // The Hann weights of both axes, kept in the spectrum until the transform needs it: it holds
  // 2 rows cols doubles, never fewer than rows + cols.
  double* hannDown = reinterpret_cast<double*>(spectrum);
  double* hannAlong = hannDown + rows;
  constexpr double kTwoPi = 6.283185307179586;
  for (int j = 0; j < rows; ++j) hannDown[j] = 0.5 - 0.5 * std::cos(kTwoPi * (j + 0.5) / rows);
  for (int j = 0; j < cols; ++j) hannAlong[j] = 0.5 - 0.5 * std::cos(kTwoPi * (j + 0.5) / cols);
  for (int r = 0; r < rows; ++r)
    for (int u = 0; u < cols; ++u) {
      double& v = lum[size_t(r) * cols + u];
      v = (v - mean) * hannDown[r] * hannAlong[u];
    }
  transform2D(rowPlan, columnPlan, lum, spectrum, scratch);
  centredLogMagnitude(spectrum, rows, cols, logMagnitude);
  greyImage(logMagnitude, rows, cols, image);
}

void photoSpectrum(const Plan& plan, const unsigned char* photo, int n, double* out, double* lum,
                   Complex* spectrumOut, Complex* scratch) {
  luminance(photo, n, lum);
  transform1D(plan, lum, spectrumOut, scratch);
  for (int k = 0; k < n; ++k) out[signedFrequency(k, n) + n / 2] = std::abs(spectrumOut[k]);
}

void sliceValues(const Complex* rowTransforms, int rows, int cols, float colStep, float rowStep,
                 double* out) {
  std::fill(out, out + cols, 0.0);
  if (!(rowStep > 0.0f)) return;
  const double ratio = -static_cast<double>(colStep) / static_cast<double>(rowStep);
  constexpr double kTwoPi = 6.283185307179586;
  for (int k = -(cols / 2); k < cols - cols / 2; ++k) {
    const int ku = (k % cols + cols) % cols;
    // The turns per row, k_r / rows = k ratio / cols; reduced first so the phase stays exact for
    // large k_r.
    const double turns = k * ratio / cols;
    const double turn = turns - std::floor(turns);
    const Complex step = std::polar(1.0, -kTwoPi * turn);
    Complex phase = 1.0, sum = 0.0;
    for (int r = 0; r < rows; ++r) {
      sum += rowTransforms[size_t(r) * cols + ku] * phase;
      phase *= step;
    }
    out[k + cols / 2] = std::abs(sum) / rows;
  }
}

Segment fractionLine(int rows, int cols, double lambda) {
  const double dx = lambda, dy = (lambda - 1.0) * (static_cast<double>(rows) / cols);
  // To whichever edge comes first; min(a / x, a / y) is a / max(x, y) to the last bit, so a
  // square image keeps its old endpoints exactly.
  const double reach = std::min(0.5 * cols / std::abs(dx), 0.5 * rows / std::abs(dy));
  const double cx = cols / 2, cy = rows / 2;
  return {cx - reach * dx, cy - reach * dy, cx + reach * dx, cy + reach * dy};
}

Segment sliceLine(int rows, int cols, float colStep, float rowStep) {
  const double c = colStep, s = rowStep;
  return fractionLine(rows, cols, s / (s + c));
}

double fanShare(const Complex* spectrum, int n, double lo, double hi, double widen) {
  // How far bin (p, q) lies from the line of fraction l, along (l, l - 1), in bins along the
  // axes (the larger of the two offsets): |cross product| over the direction's 1-norm.
  const auto distance = [](double p, double q, double l) {
    return std::abs(p * (l - 1.0) - q * l) / (std::abs(l) + std::abs(l - 1.0));
  };
  // A bin the fan passes through lies within half a bin; widening adds whole bins.
  const double reach = widen + 0.5;
  double inside = 0.0, total = 0.0;
  for (int kr = 0; kr < n; ++kr)
    for (int ku = 0; ku < n; ++ku) {
      if (kr == 0 && ku == 0) continue;
      const double energy = std::norm(spectrum[size_t(kr) * n + ku]);
      total += energy;
      const double p = signedFrequency(ku, n), q = signedFrequency(kr, n);
      // (p, q) lies on the line of fraction p / (p - q).
      const bool within = p != q && p / (p - q) >= lo && p / (p - q) <= hi;
      if (within || distance(p, q, lo) <= reach || distance(p, q, hi) <= reach) inside += energy;
    }
  return total > 0.0 ? inside / total : 0.0;
}

}  // namespace lightfield::spectrum
