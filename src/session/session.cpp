#include "session/session.h"

Session::Session(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("session"));
}

void Session::setLightField(lightfield::LightField field) {
  field.revision = ++revisions_;
  lightField_ = std::move(field);
  emit lightFieldChanged();
}

void Session::publishLightField(int rows, int columns, const unsigned char* pixels,
                                const lightfield::RayGeometry& geometry, lightfield::Source source,
                                const unsigned char* strip, int stripHeight) {
  lightField_.assign(rows, columns, pixels, geometry, source, strip, stripHeight);
  lightField_.revision = ++revisions_;
  emit lightFieldChanged();
}

void Session::setCamera(const lightfield::CameraSettings& camera) {
  if (camera == camera_) return;
  camera_ = camera;
  emit cameraChanged();
}

void Session::setPhoto(const unsigned char* photo, int pixels) {
  if (photo == nullptr || pixels <= 0) {
    photo_.clear();
  } else {
    photo_.assign(photo, photo + 3 * static_cast<std::size_t>(pixels));
  }
  emit photoChanged();
}
