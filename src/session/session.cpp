#include "session/session.h"

Session::Session(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("session"));
}

void Session::setLightField(lightfield::LightField field) {
  field.revision = ++revisions_;
  lightField_ = std::move(field);
  emit lightFieldChanged();
}

void Session::setCamera(const lightfield::CameraSettings& camera) {
  if (camera == camera_) return;
  camera_ = camera;
  emit cameraChanged();
}

void Session::setPhoto(std::vector<unsigned char> photo) {
  photo_ = std::move(photo);
  emit photoChanged();
}
