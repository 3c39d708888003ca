#include "app/lightfieldpictures.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "app/lightfielddocument.h"
#include "lightfield/refocus.h"

namespace {

Annotation wordsFor(const LightFieldDocument& document, PictureKind kind) {
  switch (kind) {
    case PictureKind::Scene:
      return {document.row() >= 0
                  ? QCoreApplication::translate("LightFieldPictures",
                                                "The central view (row %L1, scanline y %L2)")
                        .arg(document.row())
                        .arg(document.scanline())
                  : QCoreApplication::translate("LightFieldPictures",
                                                "The central view (scanline y %L1)")
                        .arg(document.scanline()),
              QCoreApplication::translate("LightFieldPictures", "x: pixel →"),
              QCoreApplication::translate("LightFieldPictures",
                                          "y: pixel row from the top (the scanline in red)")};
    case PictureKind::RaySpace:
    case PictureKind::RaySpaceAsShown:
      return {QCoreApplication::translate("LightFieldPictures",
                                          "Ray space of scanline y %L1: one pixel per ray")
                  .arg(document.scanline()),
              QCoreApplication::translate("LightFieldPictures", "pixel →"),
              QCoreApplication::translate("LightFieldPictures", "view →")};
    case PictureKind::Photo: {
      const double s = document.disparity();
      // The views that weigh, as the depth-of-field readout names them.
      return {QCoreApplication::translate(
                  "LightFieldPictures",
                  "The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)")
                  .arg(document.focusDegrees(), 0, 'f', 1)
                  .arg(std::isfinite(s) ? QStringLiteral("%L1").arg(s, 0, 'f', 2)
                                        : QStringLiteral("−∞"))
                  .arg(document.depthReadout()),
              QCoreApplication::translate("LightFieldPictures", "photo pixel →"),
              {}};
    }
    case PictureKind::Window:
    case PictureKind::FocalStackSheet:
      break;  // the window carries its own words; the sheet is the scene's
  }
  return {};
}

}  // namespace

PictureExport::StandIn lightFieldPictures(std::function<const LightFieldDocument*()> document) {
  PictureExport::StandIn standIn;
  standIn.shown = [document] {
    const LightFieldDocument* open = document();
    return open != nullptr && open->isOpen();
  };
  standIn.picture = [document](PictureKind kind) {
    if (kind == PictureKind::Scene) return document()->centralView()->picture();
    if (kind == PictureKind::RaySpaceAsShown) return document()->epiView()->picture();
    return QImage();
  };
  standIn.annotation = [document](PictureKind kind) { return wordsFor(*document(), kind); };
  return standIn;
}
