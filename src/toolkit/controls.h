#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSlider>
#include <QString>
#include <QVariant>

namespace toolkit {

// A slider whose integer steps stand for 1/valueScale of a unit, so that a
// focus slider can move in tenths of a degree.
class Slider : public QSlider {
  Q_OBJECT
  Q_PROPERTY(int valueScale READ valueScale WRITE setValueScale)

 public:
  explicit Slider(QWidget* parent = nullptr) : QSlider(Qt::Horizontal, parent) {}

  int valueScale() const { return scale_; }
  void setValueScale(int scale) { scale_ = scale > 0 ? scale : 1; }

  float floatValue() const { return static_cast<float>(value()) / static_cast<float>(scale_); }
  int intValue() const { return value() / scale_; }

 private:
  int scale_ = 1;
};

// A button's state: 1 when on. A check box in the mixed state is checked to
// Qt but not on.
inline int buttonState(const QAbstractButton* button) {
  if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
    return box->checkState() == Qt::Checked ? 1 : 0;
  }
  return button != nullptr && button->isChecked() ? 1 : 0;
}

// The title of the selected cell of a tool selector; empty when none is selected.
inline QString selectedCellTitle(const QButtonGroup* group) {
  const QAbstractButton* checked = group != nullptr ? group->checkedButton() : nullptr;
  if (checked == nullptr) return {};
  // The title the code knows a cell by, which a translated label does not change.
  const QVariant title = checked->property("cellTitle");
  return title.isValid() ? title.toString() : checked->text();
}

}  // namespace toolkit
