#pragma once

// The ray-space image in the frequency domain. A scene point at fraction lambda is a line along
// (1 - lambda, lambda) in the image (column u, row r), so its energy lies on the line through
// the origin along (lambda, lambda - 1) in frequency (k_u, k_r); a scene between two depths
// fills the fan between two such lines. A photo with the whole aperture is a projection of the
// image along the focus direction (cos, sin), so its spectrum is the slice along (sin, -cos),
// the line of the fraction in focus. Frequencies here count cycles across a square image's side;
// a rows x cols image (a real light field's views x pixels) counts k_u across its cols and k_r
// across its rows, which stretches those lines by rows / cols in k_r (fractionLine()).
//
// Transforms are KissFFT's, in double precision. Building a Plan allocates; the calls below
// allocate nothing. A Plan serves one thread at a time.
#include <complex>
#include <cstddef>
#include <memory>

namespace lightfield::spectrum {

using Complex = std::complex<double>;

class Plan {
 public:
  explicit Plan(int n);  // n >= 1
  ~Plan();
  Plan(const Plan&) = delete;
  Plan& operator=(const Plan&) = delete;
  int size() const { return n_; }
  // The forward DFT X[k] = sum x[j] exp(-2 pi i j k / n) of n values read `stride` apart.
  void transform(const Complex* in, Complex* out, std::size_t stride = 1) const;

 private:
  struct Fft;
  int n_;
  std::unique_ptr<Fft> fft_;
};

// The luminance 0.299 R + 0.587 G + 0.114 B of w packed RGB pixels, in double.
void luminance(const unsigned char* rgb, int w, double* out);

// Images are rows x cols (row r, column u). A transform along the rows takes a Plan of cols
// values, one down the columns a Plan of rows values; for a square image both are one Plan.

// The 2-D DFT of a rows x cols real image: out[k_r * cols + k_u], frequencies unshifted.
// rowPlan.size() = cols, columnPlan.size() = rows; scratch holds max(rows, cols) values.
void transform2D(const Plan& rowPlan, const Plan& columnPlan, const double* image, Complex* out,
                 Complex* scratch);
// Its first half: the DFT of each of the `rows` rows, out[r * cols + k_u]. scratch holds cols
// values.
void transformRows(const Plan& rowPlan, int rows, const double* image, Complex* out,
                   Complex* scratch);
// The same for an n x n image, plan.size() = n, scratch n values.
inline void transform2D(const Plan& plan, const double* image, Complex* out, Complex* scratch) {
  transform2D(plan, plan, image, out, scratch);
}
inline void transformRows(const Plan& plan, const double* image, Complex* out, Complex* scratch) {
  transformRows(plan, plan.size(), image, out, scratch);
}
// The 1-D DFT of n real values. scratch holds n values.
void transform1D(const Plan& plan, const double* signal, Complex* out, Complex* scratch);

// Signed frequency of index k in [0, n): centred, in [-n/2, n - 1 - n/2].
inline int signedFrequency(int k, int n) {
  return (k + n / 2) % n - n / 2;
}

// The centred log-magnitude log(1 + |F|) of a rows x cols spectrum: pixel (column c, row q)
// shows frequency (k_u, k_r) = (c - cols/2, q - rows/2), so the zero frequency sits at
// (cols/2, rows/2) and k_r grows downward as the image's rows do.
void centredLogMagnitude(const Complex* spectrum, int rows, int cols, float* out);
// That as a grey packed RGB image, black for zero up to white for the largest value.
void greyImage(const float* values, int rows, int cols, unsigned char* rgb);
inline void centredLogMagnitude(const Complex* spectrum, int n, float* out) {
  centredLogMagnitude(spectrum, n, n, out);
}
inline void greyImage(const float* values, int n, unsigned char* rgb) {
  greyImage(values, n, n, rgb);
}

// Everything the spectrum view needs from a ray-space image of columnPlan.size() rows and
// rowPlan.size() columns: the DFT of its luminance with the mean taken off and a Hann window
// over both axes (so the image's borders draw no cross and the energy stays on the lines of
// its shapes), the centred log-magnitude and its grey image. lum holds rows * cols doubles,
// scratch max(rows, cols) values.
void raySpectrum(const Plan& rowPlan, const Plan& columnPlan, const unsigned char* rays,
                 Complex* spectrum, float* logMagnitude, unsigned char* image, double* lum,
                 Complex* scratch);
inline void raySpectrum(const Plan& plan, const unsigned char* rays, int n, Complex* spectrum,
                        float* logMagnitude, unsigned char* image, double* lum, Complex* scratch) {
  (void)n;  // the image's side, plan.size()
  raySpectrum(plan, plan, rays, spectrum, logMagnitude, image, lum, scratch);
}

// |DFT| of a photo row's luminance, centred: out[k + n/2] for frequency k. lum holds n
// doubles, spectrumOut and scratch n values each.
void photoSpectrum(const Plan& plan, const unsigned char* photo, int n, double* out, double* lum,
                   Complex* spectrumOut, Complex* scratch);

// The slice for the focus steps (colStep, rowStep) = (cos, sin), rowStep > 0, from the row
// transforms of a rows x cols ray-space luminance as it is (transformRows(), no window). A
// photo averages the image along (cos, sin) in pixels, so its frequency k (cycles per cols
// pixels) meets the spectrum where k / cols cos + k_r / rows sin = 0: at
// k_r = -k (rows / cols) cos / sin. k_r is seldom whole, so the value there is the image's
// own Fourier sum at that k_r, sum over r of rows[r][k] exp(-2 pi i k_r r / rows): the exact
// trigonometric interpolation of the DFT along its column. out[k + cols/2] is its magnitude
// over rows: a full-aperture photo is about the mean over the rows of the image along its
// line, so the values sit on the photo's own spectrum. All zero for rowStep <= 0, where no
// slice exists.
void sliceValues(const Complex* rowTransforms, int rows, int cols, float colStep, float rowStep,
                 double* out);
inline void sliceValues(const Complex* rowTransforms, int n, float colStep, float rowStep,
                        double* out) {
  sliceValues(rowTransforms, n, n, colStep, rowStep, out);
}

// The line of fraction lambda through the centred image's zero frequency to the image's edge:
// endpoints in centred pixel coordinates. A point at lambda runs along (1 - lambda, lambda) in
// pixels, so its energy lies where k_u / cols (1 - lambda) + k_r / rows lambda = 0, along
// (lambda, (lambda - 1) rows / cols) in frequency bins; along (lambda, lambda - 1) when square.
struct Segment {
  double x0, y0, x1, y1;
};
Segment fractionLine(int rows, int cols, double lambda);
// The slice line of a focus angle: the line of its fraction sin / (sin + cos).
Segment sliceLine(int rows, int cols, float colStep, float rowStep);
inline Segment fractionLine(int n, double lambda) {
  return fractionLine(n, n, lambda);
}
inline Segment sliceLine(int n, float colStep, float rowStep) {
  return sliceLine(n, n, colStep, rowStep);
}

// The share of the spectrum's energy |F|^2, the zero frequency left out, that lies in the fan
// between the lines of fractions lo <= hi, widened by `widen` bins: a bin counts when the fan
// passes through it or through one of the bins within `widen` of it along both axes (its
// centre lies within widen + 1/2 of the fan in the larger axis offset). 0 for an image without
// energy.
double fanShare(const Complex* spectrum, int n, double lo, double hi, double widen = 1.0);

}  // namespace lightfield::spectrum
