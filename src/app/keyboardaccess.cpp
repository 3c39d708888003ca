#include "app/keyboardaccess.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "app/statusservice.h"
#include "app/teachingaids.h"
#include "app/viewaccessibility.h"
#include "canvas/drawview.h"
#include "toolkit/event.h"
#include "toolkit/window.h"
#include "views/photoview.h"
#include "views/renderview.h"

KeyboardAccess::KeyboardAccess(const Parts& parts, QObject* parent)
    : QObject(parent), parts_(parts) {
  setObjectName(QStringLiteral("keyboardAccess"));
  std::vector<QWidget*> chain = parts.controls;
  for (toolkit::View* view :
       {static_cast<toolkit::View*>(parts.canvas), static_cast<toolkit::View*>(parts.raySpace),
        static_cast<toolkit::View*>(parts.photo)}) {
    // Only Tab reaches a view: a click on one keeps the window as it always was.
    view->setFocusPolicy(Qt::TabFocus);
    chain.push_back(view);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  if (!chain.empty()) toolkit::Window::of(parts.window)->setInitialKeyView(chain.front());

  DrawView* canvas = parts.canvas;
  QMenu* edit = parts.editMenu;
  edit->addSeparator();
  connect(addAction(edit, "actionSelectNextShape", tr("Select &Next Shape"),
                    QKeySequence(Qt::CTRL | Qt::Key_BracketRight)),
          &QAction::triggered, canvas, [canvas] { canvas->selectNextShape(1); });
  connect(addAction(edit, "actionSelectPreviousShape", tr("Select Pre&vious Shape"),
                    QKeySequence(Qt::CTRL | Qt::Key_BracketLeft)),
          &QAction::triggered, canvas, [canvas] { canvas->selectNextShape(-1); });
  StatusService* status = parts.status;
  connect(addAction(edit, "actionDrawShapeInMiddle", tr("Draw Shape in the &Middle"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
          &QAction::triggered, canvas, [canvas, status] {
            if (!canvas->drawShapeInMiddle()) {
              status->post(tr("Pick Rectangle, Circle or Triangle first"),
                           StatusService::Kind::Confirmation);
            }
          });

  QMenu* view = parts.viewMenu;
  view->addSeparator();
  struct Move {
    const char* name;
    const char* text;
    Qt::Key key;
    int dx, dy;
  };
  static const Move moves[] = {
      {"actionCursorLeft", QT_TR_NOOP("Move Cursor Left"), Qt::Key_Left, -1, 0},
      {"actionCursorRight", QT_TR_NOOP("Move Cursor &Right"), Qt::Key_Right, 1, 0},
      {"actionCursorUp", QT_TR_NOOP("Move Cursor &Up"), Qt::Key_Up, 0, 1},
      {"actionCursorDown", QT_TR_NOOP("Move Cursor &Down"), Qt::Key_Down, 0, -1}};
  for (const Move& m : moves) {
    QAction* one = addAction(view, m.name, tr(m.text), QKeySequence(Qt::CTRL | m.key));
    connect(one, &QAction::triggered, this, [this, m] { moveCursor(m.dx, m.dy); });
    // Ten units at a time with Shift, as the nudge keys go; not in the menu.
    auto* ten = new QAction(parts.window);
    ten->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | m.key));
    parts.window->addAction(ten);
    connect(ten, &QAction::triggered, this, [this, m] { moveCursor(10 * m.dx, 10 * m.dy); });
  }
  connect(addAction(view, "actionClickAtCursor", tr("Click a&t Cursor"),
                    QKeySequence(Qt::CTRL | Qt::Key_Return)),
          &QAction::triggered, this, [this] { clickAtCursor(); });
}

QAction* KeyboardAccess::addAction(QMenu* menu, const char* name, const QString& text,
                                   const QKeySequence& key) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  return action;
}

toolkit::View* KeyboardAccess::cursorView() const {
  QWidget* focus = QApplication::focusWidget();
  for (toolkit::View* view :
       {static_cast<toolkit::View*>(parts_.canvas), static_cast<toolkit::View*>(parts_.photo)}) {
    if (focus == view) return view;
  }
  return parts_.raySpace;
}

void KeyboardAccess::moveCursor(int dx, int dy) {
  toolkit::View* view = cursorView();
  const CGRect b = view->bounds();
  // A view's cursor starts in its middle and stays on its pixels.
  const CGPoint from = view->keyboardCursor().value_or(
      CGPointMake(std::floor(b.size.width / 2), std::floor(b.size.height / 2)));
  const CGPoint to = {std::clamp(from.x + dx, 0.0, b.size.width - 1),
                      std::clamp(from.y + dy, 0.0, b.size.height - 1)};
  for (toolkit::View* other :
       {static_cast<toolkit::View*>(parts_.canvas), static_cast<toolkit::View*>(parts_.raySpace),
        static_cast<toolkit::View*>(parts_.photo)}) {
    if (other != view) other->setKeyboardCursor(std::nullopt);
  }
  view->setKeyboardCursor(to);
  // Hover there as the mouse would over that unit: a mouse point y stands
  // for the screen row height - y.
  const double z = view->zoom();
  const QPointF pixel(to.x * z, view->height() - to.y * z);
  toolkit::Window* window = toolkit::Window::of(parts_.window);
  if (toolkit::View* responder = window->firstResponder()) {
    responder->mouseMoved(toolkit::Event::mouse(toolkit::Event::windowPoint(*view, pixel)));
  }
  viewaccessibility::notify(view, QAccessible::DescriptionChanged);
}

bool KeyboardAccess::clickAtCursor() {
  toolkit::View* view = cursorView();
  const std::optional<CGPoint> at = view->keyboardCursor();
  if (!at || parts_.aids == nullptr) return false;
  if (view == parts_.canvas) {
    parts_.aids->focusOnHeight(at->y);
    return true;
  }
  if (view == parts_.photo) {
    const double w = parts_.photo->bounds().size.width;
    const int n = parts_.canvas->stripWidth();
    if (n <= 0) return false;
    return parts_.aids->focusOnPhotoPixel(std::clamp(static_cast<int>(at->x * n / w), 0, n - 1));
  }
  parts_.status->post(tr("Click at Cursor focuses from the scene or the photo"),
                      StatusService::Kind::Confirmation);
  return false;
}
