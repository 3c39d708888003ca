#pragma once

#include <QImage>

#include "toolkit/view.h"

// A result view: keeps the one image it shows and paints it stretched over
// its whole bounds on white, row 0 at the top, nearest neighbour.
class ImageView : public toolkit::View {
 public:
  using View::View;

  // Keeps `image` (which may be null) in place of the one shown and redraws.
  void setImage(const QImage& image);
  const QImage& image() const { return _image; }

  void drawRect(toolkit::GraphicsContext& context, CGRect dirty) override;

 protected:
  // True when the y-up view point lies in the bounds, every edge included.
  bool isInside(CGPoint p) const;

 private:
  QImage _image;
};
