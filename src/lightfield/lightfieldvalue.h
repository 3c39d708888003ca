#pragma once

// The current light field as a value any view can read, whatever made it: a
// ray-space image, what its axes mean and where it came from. Copies share
// their pixels, which never change once made.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lightfield/optics.h"

namespace lightfield {

// How a ray-space pixel maps to the scene. Column u is a ray's position on the
// upper line, the row counted from the bottom its position v on the lower
// line, both in scene units from `left`. A scene point at fraction lambda of
// the way up is the line of rays v + lambda (u - v) = x: in the image, whose
// rows grow downwards, it runs with slope dRow/dColumn = lambda / (1 - lambda).
struct RayGeometry {
  double lowerLine = optics::kLowerLine;
  double upperLine = optics::kUpperLine;
  double left = 0.0;

  double fractionOfHeight(double y) const { return (y - lowerLine) / (upperLine - lowerLine); }
  double heightOfFraction(double lambda) const {
    return lowerLine + lambda * (upperLine - lowerLine);
  }
  // The slope of a point's line in the image (rows down per column), and back.
  static double slopeOfFraction(double lambda) { return lambda / (1.0 - lambda); }
  static double fractionOfSlope(double slope) { return slope / (1.0 + slope); }
};

enum class Source {
  None,    // nothing yet: before the first render
  Canvas,  // a capture of the scene canvas
  File,    // read from a file
};

class LightField {
 public:
  LightField() = default;
  // A rows x columns packed RGB image (row 0 on top). `strip` is the captured
  // strip behind a canvas image (columns wide, stripHeight high), so a ray can
  // be traced to what it meets; empty for other sources.
  LightField(int rows, int columns, std::vector<unsigned char> pixels, RayGeometry geometry,
             Source source, std::vector<unsigned char> strip = {}, int stripHeight = 0);

  // Makes this the value those arguments would construct, copying the pixels
  // and strip into its own storage when no other copy shares it, so a
  // publisher of frequent images does not allocate for each.
  void assign(int rows, int columns, const unsigned char* pixels, RayGeometry geometry,
              Source source, const unsigned char* strip = nullptr, int stripHeight = 0);

  bool isEmpty() const { return rows_ <= 0 || columns_ <= 0; }
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  // Packed RGB, rows() x columns(); null when empty.
  const unsigned char* pixels() const;
  const unsigned char* pixel(int column, int row) const {
    return pixels() + 3 * (static_cast<std::size_t>(row) * columns_ + column);
  }
  const RayGeometry& geometry() const { return geometry_; }
  Source source() const { return source_; }
  // Empty unless the image is a capture of the canvas.
  const std::vector<unsigned char>& strip() const;
  int stripHeight() const { return stripHeight_; }

  // Changes with every new image; set by whoever publishes it.
  std::uint64_t revision = 0;

 private:
  struct Data {
    std::vector<unsigned char> pixels;
    std::vector<unsigned char> strip;
  };
  int rows_ = 0;
  int columns_ = 0;
  RayGeometry geometry_;
  Source source_ = Source::None;
  int stripHeight_ = 0;
  std::shared_ptr<Data> data_;  // never changed while shared
};

// The camera panel's choices beyond the two sliders. The defaults are the
// specified camera: centre viewpoint, box profile, the slider sets d.
struct CameraChoice {
  // The aperture's centre on the lower line, counted from the bottom; -1: the centre.
  int viewpoint = -1;
  Aperture aperture = Aperture::Box;
  int pinholes = kMinPinholes;
  // The depth-of-field slider sets the aperture's width on the lower line, and
  // each refocus derives d from it, so refocusing keeps the aperture.
  bool keepWidth = false;
  friend bool operator==(const CameraChoice&, const CameraChoice&) = default;
};

// What the camera is set to: the focus angle and the half-length of the
// photo's sampling segment, as the sliders give them, and the panel's choices.
struct CameraSettings {
  CameraSettings() = default;
  CameraSettings(float degrees, int half, const CameraChoice& chosen = {})
      : focusDegrees(degrees), halfLength(half), choice(chosen) {}

  float focusDegrees = 0.0f;
  int halfLength = 0;
  CameraChoice choice;
  // With choice.keepWidth: the width the slider asks for, and whether d hit its cap.
  int width = 0;
  bool capped = false;

  optics::FocusSteps steps() const { return optics::focusSteps(focusDegrees); }
  // The fraction of the way up that this focus makes sharp.
  double focusFraction() const { return optics::focusFraction(focusDegrees); }
  // The lower-line position of the aperture's centre in an n x n image.
  int viewpointIn(int n) const {
    return choice.viewpoint >= 0 && choice.viewpoint < n ? choice.viewpoint : centreViewpoint(n);
  }
  // The specified camera, whose photo takePhoto() takes.
  bool isSpecified(int n) const {
    return choice.aperture == Aperture::Box && viewpointIn(n) == centreViewpoint(n);
  }
  // The engine's camera for an n x n image.
  Camera cameraFor(int n) const;
  friend bool operator==(const CameraSettings&, const CameraSettings&) = default;
};

// The settings the controls give for an n-wide image: the slider value is d,
// or with choice.keepWidth the width, d then capped at n (see halfLengthForWidth()).
CameraSettings cameraFromControls(float focusDegrees, int sliderValue, const CameraChoice& choice,
                                  int n);

}  // namespace lightfield
