#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

#include "document/scenecopy.h"

// A scene defined in code for the Scenes menu, with a one-line caption that
// says what to look for in the ray-space image and the photo.
struct BuiltInScene {
  QString name;     // in English: names the scene's action
  QString caption;  // in English
  // Only the random scene uses the seed.
  ShapeList (*make)(quint32 seed);
  bool random = false;

  // The name and the caption in the current language.
  QString title() const;
  QString description() const;
};

// The scenes in menu order: the starting billboards first, the random scene last.
std::span<const BuiltInScene> builtInScenes();
