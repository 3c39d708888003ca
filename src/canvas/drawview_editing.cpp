// Editing the scene with the mouse and the keyboard.
#include <algorithm>
#include <cmath>

#include "canvas/drawview.h"
#include "scene/insight.h"

using toolkit::Event;

namespace {

CGRect rubberBand(CGPoint a, CGPoint b) {
  return CGRectMake(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x),
                    std::abs(a.y - b.y));
}

}  // namespace

void DrawView::mouseDown(const Event& event) {
  if (gesture_) {  // a press whose release never came
    dropEmptyShape();
    endGesture();
  }
  const CGPoint p = convertPointFromWindow(event.locationInWindow());
  const int before = _selectedShapeIndex;
  const std::size_t shapesBefore = _shapes.size();
  _anchored = false;
  bool added = false;
  if (auto shape = makeShapeOfKind(_selectedTool, CGRectMake(p.x, p.y, 0, 0))) {
    _shapes.push_back(std::move(shape));
    added = true;
  }
  drawingShape_ = _shapes.size() > shapesBefore;
  _newShapeStartPoint = p;
  pickShapeAt(p);
  if (_selectedShapeIndex != before) emit selectionChanged(_selectedShapeIndex);
  beginGesture(before, added);
}

// Within one gesture only the appended shape and the selected one can change:
// the selection changes only at a press, drags stretch the appended shape or
// move the selected one, and keys act on the selected one.
void DrawView::beginGesture(int selectionBefore, bool added) {
  Gesture g;
  g.selectionBefore = selectionBefore;
  g.added = added ? static_cast<int>(_shapes.size()) - 1 : -1;
  g.selected = _selectedShapeIndex;
  if (g.selected != -1 && g.selected != g.added) g.before = ShapeState::of(*_shapes[g.selected]);
  gesture_ = std::move(g);
}

void DrawView::endGesture() {
  const Gesture g = std::move(*gesture_);
  gesture_.reset();
  const int n = static_cast<int>(_shapes.size());
  CanvasEdit edit;
  edit.selectionBefore = g.selectionBefore;
  edit.selectionAfter = _selectedShapeIndex;
  if (g.added >= 0 && g.added < n) {
    edit.kind = CanvasEdit::Kind::Draw;
    edit.added = g.added;
    edit.addedShape = ShapeState::of(*_shapes[g.added]);
  }
  if (g.selected >= 0 && g.selected < n && g.selected != g.added) {
    ShapeState now = ShapeState::of(*_shapes[g.selected]);
    if (!(now == g.before)) {
      if (edit.added == -1) {
        edit.kind = now.rect == g.before.rect ? CanvasEdit::Kind::Fill
                    : _anchored               ? CanvasEdit::Kind::Resize
                                              : CanvasEdit::Kind::Move;
      }
      edit.changed = g.selected;
      edit.before = g.before;
      edit.after = std::move(now);
    }
  }
  if (edit.added != -1 || edit.changed != -1) emit edited(edit);
}

void DrawView::pickShapeAt(CGPoint p) {
  const int n = static_cast<int>(_shapes.size());

  // A press on a knob of the selection starts a resize and keeps the selection.
  if (_selectedShapeIndex != -1) {
    _anchored = _shapes[_selectedShapeIndex]->getAnchorPoint(&_anchorPoint, p);
  }
  if (_anchored) return;

  // A marker lies over the shapes; it picks the shape out of sight it stands for.
  if (_selectedTool == QLatin1String("Pointer")) {
    for (int i = n - 1; i >= 0; --i) {
      const std::optional<CGRect> marker = markerRect(*_shapes[i]);
      if (marker && NSPointInRect(p, *marker)) {
        if (_selectedShapeIndex != -1) requestRedraw(*_shapes[_selectedShapeIndex]);
        _selectedShapeIndex = i;
        requestRedraw(*_shapes[i]);
        return;
      }
    }
  }

  for (int i = n - 1; i >= 0; --i) {
    if (_shapes[i]->containsPoint(p)) {
      if (_selectedShapeIndex != -1) requestRedraw(*_shapes[_selectedShapeIndex]);
      _selectedShapeIndex = i;
      requestRedraw(*_shapes[i]);
      return;
    }
  }
  if (_selectedShapeIndex != -1) {
    requestRedraw(*_shapes[_selectedShapeIndex]);
    _selectedShapeIndex = -1;
  }
}

void DrawView::mouseDragged(const Event& event) {
  const CGPoint p = convertPointFromWindow(event.locationInWindow());
  const CGPoint s = _newShapeStartPoint;

  if (_selectedTool == QLatin1String("Pointer")) {
    if (_selectedShapeIndex == -1) return;
    Shape& shape = *_shapes[_selectedShapeIndex];
    _dirty = true;
    requestRedraw(shape);
    // Neither a resize nor a move takes the shape out of sight.
    if (_anchored) {
      shape.setRect(rubberBand(_anchorPoint, insight::keptCorner(_anchorPoint, p, bounds())));
    } else {
      const CGRect from = shape.rect();
      shape.setRect(insight::keptMove(from, NSOffsetRect(from, p.x - s.x, p.y - s.y), bounds()));
      _newShapeStartPoint = p;
    }
    requestRedraw(shape);
    emit selectionDragged();
    return;
  }

  if (_shapes.empty()) return;
  Shape& last = *_shapes.back();
  const CGRect before = boundsForShape(last);
  last.setRect(rubberBand(s, p));
  setNeedsDisplayInRect(NSUnionRect(before, boundsForShape(last)));
}

void DrawView::mouseUp(const Event&) {
  dirtyCheck();
  const bool drew = drawingShape_ && !dropEmptyShape();
  if (gesture_) endGesture();
  drawingShape_ = false;
  if (drew) {
    const int renders = renderCount_;
    emit shapeDrawn();
    // Drawing renders nothing (unless live updates answer): the views fall behind.
    if (renderCount_ == renders) setStale(true);
  }
}

bool DrawView::dropEmptyShape() {
  if (!gesture_ || gesture_->added < 0 || gesture_->added >= static_cast<int>(_shapes.size())) {
    return false;
  }
  const int added = gesture_->added;
  const CGRect r = _shapes[added]->rect();
  if (r.size.width != 0 || r.size.height != 0) return false;
  requestRedraw(*_shapes[added]);
  gesture_->added = -1;
  if (gesture_->selected == added) gesture_->selected = -1;
  const bool wasSelected = _selectedShapeIndex == added;
  if (wasSelected) _selectedShapeIndex = -1;
  _shapes.erase(_shapes.begin() + added);
  // The press selected the shape it added: the selection goes back to the one before.
  if (wasSelected) {
    if (gesture_->selectionBefore == -1) {
      emit selectionChanged(-1);
    } else {
      selectShape(gesture_->selectionBefore);
    }
  }
  return true;
}

void DrawView::setStale(bool stale) {
  if (stale_ == stale) return;
  stale_ = stale;
  emit staleChanged(stale);
}

void DrawView::dirtyCheck() {
  if (_dirty) doRender(nullptr);
  _dirty = false;
}

void DrawView::keyDown(const Event& event) {
  if (_selectedShapeIndex == -1) return;
  const int index = _selectedShapeIndex;
  Shape& shape = *_shapes[index];
  const CGRect before = boundsForShape(shape);
  requestMarkerRedraw(shape);
  const QString& characters = event.characters();
  // Within a gesture the release reports the change.
  const std::optional<ShapeState> was =
      gesture_ ? std::nullopt : std::optional(ShapeState::of(shape));
  CanvasEdit::Kind kind = CanvasEdit::Kind::Nudge;

  const bool resize = (event.modifierFlags() & toolkit::kAlternateKeyMask) != 0;
  if (resize) kind = CanvasEdit::Kind::Resize;

  if (characters == QLatin1String(" ")) {
    loadImageInto(shape);
    kind = CanvasEdit::Kind::Fill;
    _dirty = true;
  } else if (!characters.isEmpty()) {  // a dead key brings no characters and does nothing
    const double step = (event.modifierFlags() & toolkit::kShiftKeyMask) ? 10 : 1;
    // A nudge stops where the shape would leave sight.
    // With Alt the arrows move the top right corner and the bottom left one
    // stays, as a drag of that knob would; the shape keeps at least one unit.
    const auto nudge = [this, &shape, resize](double dx, double dy) {
      const CGRect from = shape.rect();
      if (resize) {
        const CGPoint anchor = from.origin;
        const CGPoint corner = {std::max(anchor.x + 1, NSMaxX(from) + dx),
                                std::max(anchor.y + 1, NSMaxY(from) + dy)};
        shape.setRect(rubberBand(anchor, insight::keptCorner(anchor, corner, bounds())));
      } else {
        shape.setRect(insight::keptMove(from, NSOffsetRect(from, dx, dy), bounds()));
      }
      _dirty = true;
    };
    switch (characters.at(0).unicode()) {
      case toolkit::kUpArrowKey:
        nudge(0, step);
        break;
      case toolkit::kDownArrowKey:
        nudge(0, -step);
        break;
      case toolkit::kLeftArrowKey:
        nudge(-step, 0);
        break;
      case toolkit::kRightArrowKey:
        nudge(step, 0);
        break;
      default:
        break;
    }
  }
  dirtyCheck();
  setNeedsDisplayInRect(NSUnionRect(before, boundsForShape(shape)));
  requestMarkerRedraw(shape);
  if (was && !(ShapeState::of(shape) == *was)) {
    CanvasEdit edit;
    edit.kind = kind;
    edit.selectionBefore = edit.selectionAfter = index;
    edit.changed = index;
    edit.before = *was;
    edit.after = ShapeState::of(shape);
    emit edited(edit);
  }
}

void DrawView::selectNextShape(int step) {
  const int n = static_cast<int>(_shapes.size());
  if (n == 0 || gesture_) return;
  const int from = _selectedShapeIndex;
  const int to = from == -1 ? (step > 0 ? 0 : n - 1) : ((from + step) % n + n) % n;
  selectShape(to);
}

bool DrawView::drawShapeInMiddle() {
  if (gesture_) return false;
  const CGRect b = bounds();
  const CGRect rect = CGRectMake(std::round(b.origin.x + (b.size.width - kDrawnSize.width) / 2),
                                 std::round(b.origin.y + (b.size.height - kDrawnSize.height) / 2),
                                 kDrawnSize.width, kDrawnSize.height);
  auto shape = makeShapeOfKind(_selectedTool, rect);
  if (shape == nullptr) return false;
  const int before = _selectedShapeIndex;
  _shapes.push_back(std::move(shape));
  beginGesture(before, true);
  selectShape(static_cast<int>(_shapes.size()) - 1);
  requestRedraw(*_shapes.back());
  endGesture();
  const int renders = renderCount_;
  emit shapeDrawn();
  if (renderCount_ == renders) setStale(true);
  return true;
}

bool DrawView::loadImageInto(Shape& shape) {
  Shape::ImageRejection rejection;
  const bool loaded = shape.loadImage(&rejection);
  if (!rejection.path.isEmpty())
    emit imageRejected(rejection.path, toolkit::describe(rejection.error));
  return loaded;
}
