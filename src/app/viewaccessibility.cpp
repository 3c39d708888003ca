#include "app/viewaccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/drawview.h"
#include "lightfield/optics.h"
#include "views/photoview.h"
#include "views/renderview.h"

namespace viewaccessibility {

namespace {

// Inside the classes below the translation tools would file a tr() call under the class's name,
// where this lookup never goes; there the context is spelled out with translate().
QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
  return QCoreApplication::translate("viewaccessibility", text, disambiguation, n);
}

QString kindName(const Shape& shape) {
  const QString kind = shape.kind();
  if (kind == QLatin1String("Rectangle")) return tr("rectangle");
  if (kind == QLatin1String("Circle")) return tr("circle");
  if (kind == QLatin1String("Triangle")) return tr("triangle");
  return kind.toLower();
}

// A view's point (y-up units) as the widget's screen rectangle of that unit area.
QRect screenRect(const toolkit::View& view, CGRect r) {
  const double z = view.zoom();
  const QRectF local(r.origin.x * z, view.height() - (r.origin.y + r.size.height) * z,
                     r.size.width * z, r.size.height * z);
  return QRect(view.mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
}

// The pixel of `image` (row 0 on top) under view point p of a view of `bounds`.
QColor pixelUnder(const QImage& image, CGRect bounds, CGPoint p) {
  if (image.isNull() || bounds.size.width <= 0 || bounds.size.height <= 0) return {};
  const int col =
      std::clamp(static_cast<int>(p.x * image.width() / bounds.size.width), 0, image.width() - 1);
  const int rowUp = std::clamp(static_cast<int>(p.y * image.height() / bounds.size.height), 0,
                               image.height() - 1);
  return image.pixelColor(col, image.height() - 1 - rowUp);
}

class ShapeAccessible : public QAccessibleInterface {
 public:
  ShapeAccessible(DrawView* canvas, int index) : canvas_(canvas), index_(index) {}

  bool isValid() const override {
    return !canvas_.isNull() && index_ < static_cast<int>(canvas_->shapes().size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return canvas_.isNull() ? nullptr : canvas_->window()->windowHandle();
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(canvas_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return describeShape(*canvas_->shapes()[index_]);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? screenRect(*canvas_, canvas_->shapes()[index_]->rect()) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = isValid() && canvas_->selectedShapeIndex() == index_;
    return s;
  }
  int index() const { return index_; }

 private:
  QPointer<DrawView> canvas_;
  int index_;
};

// The canvas and its shapes, in drawing order: the topmost last.
class CanvasAccessible : public QAccessibleWidget {
 public:
  explicit CanvasAccessible(DrawView* canvas)
      : QAccessibleWidget(canvas, QAccessible::Canvas), canvas_(canvas) {}
  ~CanvasAccessible() override {
    for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(canvas_->shapes().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(children_.size()) <= index) {
      auto* shape = new ShapeAccessible(canvas_, static_cast<int>(children_.size()));
      children_.push_back(QAccessible::registerAccessibleInterface(shape));
    }
    return QAccessible::accessibleInterface(children_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* shape = dynamic_cast<const ShapeAccessible*>(child);
    return shape != nullptr && shape->index() < childCount() ? shape->index() : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = childCount() - 1; i >= 0; --i) {
      QAccessibleInterface* c = child(i);
      if (c->rect().contains(x, y)) return c;
    }
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description) return QAccessibleWidget::text(t);
    const int n = childCount();
    const int selected = canvas_->selectedShapeIndex();
    QString words =
        QCoreApplication::translate("viewaccessibility", "Shapes between the plane lines: %1")
            .arg(n);
    if (selected >= 0) {
      words +=
          QLatin1String("; ") + QCoreApplication::translate("viewaccessibility", "selected: %1")
                                    .arg(describeShape(*canvas_->shapes()[selected]));
    }
    return words;
  }

 private:
  DrawView* canvas_;
  mutable std::vector<QAccessible::Id> children_;
};

// Ray space and photo: what they show, and what is under the keyboard cursor.
class ResultAccessible : public QAccessibleWidget {
 public:
  explicit ResultAccessible(ImageView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description) return QAccessibleWidget::text(t);
    auto* view = static_cast<ImageView*>(widget());
    const QImage& image = view->image();
    if (image.isNull())
      return QCoreApplication::translate("viewaccessibility", "Nothing rendered yet");
    const bool rays = dynamic_cast<RenderView*>(view) != nullptr;
    QString words =
        rays ? QCoreApplication::translate(
                   "viewaccessibility",
                   "Every ray between the plane lines, %1 by %2: column u is where a ray crosses "
                   "the upper line, row v from the bottom where it crosses the lower line")
                   .arg(image.width())
                   .arg(image.height())
             : QCoreApplication::translate("viewaccessibility",
                                           "A photo %1 pixels wide taken from the ray space")
                   .arg(image.width());
    if (const std::optional<CGPoint> at = view->keyboardCursor()) {
      const CGRect b = view->bounds();
      const int u =
          std::clamp(static_cast<int>(at->x * image.width() / b.size.width), 0, image.width() - 1);
      const QString colour = colourName(pixelUnder(image, b, *at));
      if (rays) {
        const int v = std::clamp(static_cast<int>(at->y * image.height() / b.size.height), 0,
                                 image.height() - 1);
        words += QLatin1String(". ") +
                 QCoreApplication::translate("viewaccessibility",
                                             "At the cursor: the ray from %1 on the upper line to "
                                             "%2 on the lower line, %3")
                     .arg(u)
                     .arg(v)
                     .arg(colour);
      } else {
        words += QLatin1String(". ") +
                 QCoreApplication::translate("viewaccessibility", "At the cursor: pixel %1, %2")
                     .arg(u)
                     .arg(colour);
      }
    }
    return words;
  }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
  if (auto* canvas = dynamic_cast<DrawView*>(object)) return new CanvasAccessible(canvas);
  if (auto* rays = dynamic_cast<RenderView*>(object)) return new ResultAccessible(rays);
  if (auto* photo = dynamic_cast<PhotoView*>(object)) return new ResultAccessible(photo);
  return nullptr;
}

}  // namespace

void notify(QObject* object, QAccessible::Event type) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(object, type);
  QAccessible::updateAccessibility(&event);
}

void install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(factory);
}

QString colourName(const QColor& colour) {
  if (!colour.isValid()) return tr("no colour");
  const QColor hsv = colour.toHsv();
  const double s = hsv.hsvSaturationF();
  const double v = hsv.valueF();
  if (v < 0.2) return tr("black");
  if (s < 0.15) return v > 0.9 ? tr("white") : tr("grey");
  const int h = hsv.hsvHue();
  if (h < 15 || h >= 345) return tr("red");
  if (h < 50) return tr("orange");
  if (h < 70) return tr("yellow");
  if (h < 165) return tr("green");
  if (h < 195) return tr("cyan");
  if (h < 255) return tr("blue");
  if (h < 290) return tr("purple");
  return tr("pink");
}

QString describeShape(const Shape& shape) {
  const CGRect r = shape.rect();
  const QString look = !shape.image().isNull() || shape.color().isPattern()
                           ? tr("image-filled")
                           : colourName(shape.color().rgba());
  const double up = 100 * lightfield::optics::fractionOfHeight(r.origin.y + r.size.height / 2);
  return tr("%1 %2, %3 to %4 across, %5% up")
      .arg(look, kindName(shape))
      .arg(std::lround(r.origin.x))
      .arg(std::lround(r.origin.x + r.size.width))
      .arg(std::lround(up));
}

void reportChanges(DrawView* canvas, RenderView* raySpace, PhotoView* photo) {
  QObject::connect(canvas, &DrawView::selectionChanged, canvas, [canvas](int index) {
    if (!QAccessible::isActive()) return;
    notify(canvas, QAccessible::Selection);
    if (index >= 0) {
      QAccessibleInterface* shape = QAccessible::queryAccessibleInterface(canvas)->child(index);
      if (shape != nullptr) {
        QAccessibleStateChangeEvent event(shape, [] {
          QAccessible::State s;
          s.selected = true;
          return s;
        }());
        QAccessible::updateAccessibility(&event);
      }
    }
  });
  // A drawn, moved, resized or removed shape changes the children's names or their number.
  const auto edited = [canvas] {
    notify(canvas, QAccessible::NameChanged);
    notify(canvas, QAccessible::DescriptionChanged);
    notify(canvas, QAccessible::ObjectReorder);
  };
  QObject::connect(canvas, &DrawView::edited, canvas, edited);
  QObject::connect(canvas, &DrawView::shapeDrawn, canvas, edited);
  QPointer<QWidget> rays = raySpace;
  QPointer<QWidget> photoView = photo;
  QObject::connect(canvas, &DrawView::rendered, canvas, [rays] {
    if (rays) notify(rays, QAccessible::DescriptionChanged);
  });
  QObject::connect(canvas, &DrawView::photoTaken, canvas, [photoView] {
    if (photoView) notify(photoView, QAccessible::DescriptionChanged);
  });
}

}  // namespace viewaccessibility
