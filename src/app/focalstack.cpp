#include "app/focalstack.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/depthslopes.h"
#include "app/teachingaids.h"
#include "lightfield/depth.h"
#include "lightfield/lightfield.h"
#include "lightfield/optics.h"
#include "toolkit/bitmap.h"

namespace {

constexpr int kMargin = 14;
constexpr int kGap = 18;
constexpr int kTitleHeight = 30;
constexpr int kLabelHeight = 16;
constexpr int kPhotoHeight = 24;
constexpr int kSliceGap = 8;
constexpr int kDepthRows = 3;

}  // namespace

std::vector<FocalSlice> focalStack(const unsigned char* cleanRays, int n, int halfLength) {
  return focalStack(cleanRays, n, n, halfLength);
}

std::vector<FocalSlice> focalStack(const lightfield::LightField& field, int halfLength) {
  return focalStack(field.pixels(), field.rows(), field.columns(), halfLength);
}

std::vector<FocalSlice> focalStack(const unsigned char* rays, int rows, int n, int halfLength) {
  std::vector<FocalSlice> slices;
  if (rays == nullptr || n <= 0 || rows <= 0) return slices;
  // takePhoto blackens its sampling marks somewhere; never in the light field's pixels.
  std::vector<unsigned char> marks(3 * static_cast<std::size_t>(n) * rows);
  for (int i = 0; i < kFocalStackSlices; ++i) {
    FocalSlice slice;
    // The focus slider steps in tenths of a degree; 90 / 8 = 11.25 is not one,
    // so each angle is the slider value a user would set, 11.3, 22.5, ...
    const int tenths = static_cast<int>(std::lround(900.0 * i / (kFocalStackSlices - 1)));
    slice.degrees = static_cast<float>(tenths / 10.0);
    slice.sharpFraction = lightfield::optics::focusFraction(slice.degrees);
    slice.halfLength = halfLength;
    // The same single-precision steps as the canvas's photo pass.
    const lightfield::optics::FocusSteps steps = lightfield::optics::focusSteps(slice.degrees);
    slice.photo.assign(3 * static_cast<std::size_t>(n), 255);
    lightfield::takePhoto(rays, rows, n, slice.photo.data(), marks.data(), halfLength,
                          steps.colStep, steps.rowStep);
    slices.push_back(std::move(slice));
  }
  return slices;
}

DepthPage depthPage(const lightfield::LightField& field, int halfLength) {
  namespace depth = lightfield::depth;
  DepthPage page;
  const int n = field.columns();
  if (field.isEmpty() || field.rows() != n) return page;
  const auto un = static_cast<std::size_t>(n);
  std::vector<depth::FocusBest> best(un);
  std::vector<depth::FocusSums> sums(un);
  std::vector<float> lambda(un * un), confidence(un * un), scratch(depth::slopeScratchSize(n));
  depth::resetFocus(best.data(), n);
  depth::focusSweep(field.pixels(), n, std::max(halfLength, 0), 0, depth::kFocusAngles, best.data(),
                    nullptr, sums.data());
  page.allInFocus.resize(3 * un);
  depth::focusResult(best.data(), n, lambda.data(), confidence.data(), page.allInFocus.data());
  page.fromFocus.assign(un, 0xffffffffu);
  for (std::size_t i = 0; i < un; ++i)
    if (confidence[i] > 0.0f) page.fromFocus[i] = DepthSlopes::colourOf(lambda[i]);
  depth::slopes(field.pixels(), n, lambda.data(), confidence.data(), scratch.data());
  page.fromSlopes.assign(un, 0xffffffffu);
  const std::size_t row = static_cast<std::size_t>(depth::pinholeRow(n)) * un;
  for (std::size_t i = 0; i < un; ++i)
    if (confidence[row + i] >= DepthSlopes::kConfident)
      page.fromSlopes[i] = DepthSlopes::colourOf(lambda[row + i]);
  return page;
}

QString focalSliceLabel(const FocalSlice& slice, double lower, double upper) {
  const double depth = lower + slice.sharpFraction * (upper - lower);
  const int n = static_cast<int>(slice.photo.size() / 3);
  return QCoreApplication::translate("FocalStack", "%L1 · focused at y = %L2")
      .arg(TeachingAids::focusReadout({slice.degrees, slice.halfLength}, n))
      .arg(depth, 0, 'f', 0);
}

namespace {

QFont labelFont() {
  QFont font;
  font.setPixelSize(12);
  return font;
}

// As wide as the photos, and as the longest label, so that none is cut.
int columnWidth(const std::vector<FocalSlice>* slices, double lower, double upper) {
  if (slices == nullptr || slices->empty()) return 300;
  int width = std::max(static_cast<int>(slices->front().photo.size() / 3), 300);
  const QFontMetrics metrics(labelFont());
  for (const FocalSlice& slice : *slices) {
    width = std::max(width, metrics.horizontalAdvance(focalSliceLabel(slice, lower, upper)) + 4);
  }
  return width;
}

}  // namespace

QSize FocalStackSheet::size() const {
  const int count = slices == nullptr ? 0 : static_cast<int>(slices->size());
  const int columnWidth = ::columnWidth(slices, lower, upper);
  const int stackHeight = count * (kLabelHeight + kPhotoHeight + kSliceGap);
  const int page = depth == nullptr ? 0
                                    : kGap + kTitleHeight +
                                          kDepthRows * (kLabelHeight + kPhotoHeight + kSliceGap);
  return {kMargin + scene.width() + kGap + columnWidth + kMargin,
          kMargin + kTitleHeight + std::max(scene.height(), stackHeight) + page + kMargin};
}

QRect FocalStackSheet::depthRow(int k) const {
  const int count = slices == nullptr ? 0 : static_cast<int>(slices->size());
  const int stackHeight = count * (kLabelHeight + kPhotoHeight + kSliceGap);
  const int top = kMargin + kTitleHeight + std::max(scene.height(), stackHeight) + kGap;
  const int n = depth == nullptr ? 0 : static_cast<int>(depth->allInFocus.size() / 3);
  return {kMargin,
          top + kTitleHeight + k * (kLabelHeight + kPhotoHeight + kSliceGap) + kLabelHeight, n,
          kPhotoHeight};
}

void FocalStackSheet::paint(QPainter& painter) const {
  const QSize whole = size();
  const int n =
      slices == nullptr || slices->empty() ? 0 : static_cast<int>(slices->front().photo.size() / 3);
  // The labels' column is as wide as size() made it: a narrower rectangle would cut them.
  const int columnWidth = ::columnWidth(slices, lower, upper);
  painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
  QFont font = painter.font();
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(
      QRect(kMargin, kMargin, whole.width() - 2 * kMargin, kTitleHeight),
      Qt::AlignLeft | Qt::AlignTop,
      QCoreApplication::translate("FocalStack",
                                  "Focal stack: the photo at nine focus angles, depth of field %L1")
          .arg(halfLength));
  const int top = kMargin + kTitleHeight;
  painter.save();
  painter.translate(kMargin, top);
  painter.setClipRect(QRect(QPoint(0, 0), scene));
  if (paintScene) paintScene(painter);
  painter.restore();
  // A frame one unit wide just outside the scene, filled rather than stroked
  // so that at any scale it covers none of the scene's pixels.
  const QColor frame(160, 160, 160);
  const int w = scene.width(), h = scene.height();
  painter.fillRect(QRect(kMargin - 1, top - 1, w + 2, 1), frame);
  painter.fillRect(QRect(kMargin - 1, top + h, w + 2, 1), frame);
  painter.fillRect(QRect(kMargin - 1, top, 1, h), frame);
  painter.fillRect(QRect(kMargin + w, top, 1, h), frame);

  painter.setFont(labelFont());
  const int x = kMargin + scene.width() + kGap;
  int y = top;
  if (slices == nullptr) return;
  for (const FocalSlice& slice : *slices) {
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, y, columnWidth, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     focalSliceLabel(slice, lower, upper));
    y += kLabelHeight;
    const QImage row = toolkit::imageOverPackedRGB(slice.photo.data(), n, 1);
    painter.drawImage(QRect(x, y, n, kPhotoHeight), row);
    y += kPhotoHeight + kSliceGap;
  }
  if (depth == nullptr || depth->allInFocus.empty()) return;
  const int pageTop = depthRow(0).top() - kLabelHeight - kTitleHeight;
  painter.setFont(font);
  painter.drawText(QRect(kMargin, pageTop, whole.width() - 2 * kMargin, kTitleHeight),
                   Qt::AlignLeft | Qt::AlignTop,
                   QCoreApplication::translate(
                       "FocalStack", "All in focus and depth per photo pixel, depth of field %L1")
                       .arg(halfLength));
  painter.setFont(labelFont());
  const int depthPixels = static_cast<int>(depth->allInFocus.size() / 3);
  const auto colours = [depthPixels](const std::vector<QRgb>& values) {
    QImage image(depthPixels, 1, QImage::Format_RGB32);
    for (int i = 0; i < depthPixels; ++i) image.setPixel(i, 0, values[i]);
    return image;
  };
  const QString labels[kDepthRows] = {
      QCoreApplication::translate("FocalStack",
                                  "All in focus: each pixel at its sharpest focus angle"),
      QCoreApplication::translate(
          "FocalStack", "Depth from focus: blue at the lower line to red at the upper, white none"),
      QCoreApplication::translate("FocalStack",
                                  "Depth from the slopes in ray space, in the same colours")};
  const QImage rows[kDepthRows] = {
      toolkit::imageOverPackedRGB(depth->allInFocus.data(), depthPixels, 1),
      colours(depth->fromFocus), colours(depth->fromSlopes)};
  for (int k = 0; k < kDepthRows; ++k) {
    const QRect r = depthRow(k);
    painter.drawText(
        QRect(r.left(), r.top() - kLabelHeight, whole.width() - 2 * kMargin, kLabelHeight),
        Qt::AlignLeft | Qt::AlignVCenter, labels[k]);
    painter.drawImage(r, rows[k]);
  }
}

QImage focalStackSheet(const QImage& scene, const std::vector<FocalSlice>& slices, int halfLength,
                       double lower, double upper, int scale, const DepthPage* depth) {
  scale = std::max(scale, 1);
  FocalStackSheet sheet{scene.size(), [&scene](QPainter& p) { p.drawImage(0, 0, scene); },
                        &slices,      halfLength,
                        lower,        upper,
                        depth};
  QImage image(sheet.size() * scale, QImage::Format_RGB32);
  if (image.isNull()) return image;
  QPainter painter(&image);
  // Text and lines at the full resolution; pictures scaled without smoothing,
  // so each of their pixels stays a block of one colour.
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  sheet.paint(painter);
  return image;
}
