#pragma once

#include <QAccessible>
#include <QString>

class DrawView;
class PhotoView;
class RenderView;
class QColor;
class Shape;

// Screen readers see the three views through these: the canvas lists its
// shapes as children and reports selection and edits; the ray space and the
// photo describe what they show and what lies under the keyboard cursor, and
// report each render and refocus.
namespace viewaccessibility {

// Installs the views' accessible interfaces; once per process is enough.
void install();

// "red rectangle, 30 to 70 across, 40% up": what a shape is called.
QString describeShape(const Shape& shape);
// A plain word for a colour ("orange", "grey").
QString colourName(const QColor& colour);

// Tells a listening screen reader what changed on `canvas` and the result
// views it feeds. Connected once per canvas.
void reportChanges(DrawView* canvas, RenderView* raySpace, PhotoView* photo);
// Sends `type` about `object` when a screen reader listens.
void notify(QObject* object, QAccessible::Event type);

}  // namespace viewaccessibility
