#pragma once

#include <functional>

#include "app/pictureexport.h"

class LightFieldDocument;

// What export takes while a light field is open: the central view with its scanline in the
// scene's place, the ray space of that scanline as its view draws it, and words that speak of
// views, pixels and the refocus rather than of the scene's lines. `document` answers the
// window's light-field document (null before there is one).
PictureExport::StandIn lightFieldPictures(std::function<const LightFieldDocument*()> document);
