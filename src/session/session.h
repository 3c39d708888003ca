#pragma once

#include <QObject>
#include <vector>

#include "lightfield/lightfieldvalue.h"

// The window's current light field and camera settings. Whatever makes a
// light field publishes it here and the camera's controls write their
// settings here; every view beyond the three specified ones reads them and
// follows the signals, never the canvas's internals.
class Session : public QObject {
  Q_OBJECT

 public:
  explicit Session(QObject* parent = nullptr);

  const lightfield::LightField& lightField() const { return lightField_; }
  const lightfield::CameraSettings& camera() const { return camera_; }
  // The photo last taken of lightField() with camera(): packed RGB, one row
  // of lightField().columns() pixels (empty before the first photo).
  const std::vector<unsigned char>& photo() const { return photo_; }

  // Each new image gets the next revision.
  void setLightField(lightfield::LightField field);
  // The same for an image the caller keeps: copied into the session's own
  // storage, which is reused from one image to the next.
  void publishLightField(int rows, int columns, const unsigned char* pixels,
                         const lightfield::RayGeometry& geometry, lightfield::Source source,
                         const unsigned char* strip = nullptr, int stripHeight = 0);
  // Signals only a real change.
  void setCamera(const lightfield::CameraSettings& camera);
  void setPhoto(const unsigned char* photo, int pixels);

 signals:
  void lightFieldChanged();
  void cameraChanged();
  void photoChanged();

 private:
  lightfield::LightField lightField_;
  lightfield::CameraSettings camera_;
  std::vector<unsigned char> photo_;
  std::uint64_t revisions_ = 0;
};
