#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// View ▸ High Contrast: the teaching overlays drawn thicker, in dark colours on a white halo,
// for a projector or weak eyes. Off at start and not remembered; off, the views look exactly as
// they always have.
class HighContrast : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    QMenu* viewMenu = nullptr;
    // Repainted on every switch: the views and whatever else draws in the overlays' style.
    std::vector<QWidget*> repaint;
  };

  HighContrast(const Parts& parts, QObject* parent);
  ~HighContrast() override;

  QAction* action() const { return action_; }

 private:
  Parts parts_;
  QAction* action_ = nullptr;
};
