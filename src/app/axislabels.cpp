#include "app/axislabels.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace {

// Text turned a quarter left, so it reads upwards along a vertical axis.
class UpwardLabel : public QLabel {
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override { return QLabel::sizeHint().transposed(); }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
  }
};

QLabel* small(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("raySpaceAxisLabel"));
  return label;
}

}  // namespace

void addRaySpaceAxisLabels(QBoxLayout* column, QWidget* raySpace, int n) {
  const int index = column->indexOf(raySpace);
  if (index < 0) return;
  // The axes belong to the image: they keep their sides in a right-to-left layout too.
  auto* parent = new QWidget(raySpace->parentWidget());
  parent->setObjectName(QStringLiteral("raySpaceWithAxes"));
  parent->setLayoutDirection(Qt::LeftToRight);
  const QString last = QLocale().toString(n - 1);
  column->removeWidget(raySpace);

  auto* grid = new QGridLayout(parent);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(raySpace, 0, 0);

  auto* below = new QHBoxLayout;
  below->addWidget(small(QLocale().toString(0), parent));
  below->addStretch(1);
  below->addWidget(small(QCoreApplication::translate("RaySpaceAxes", "u (upper line) →"), parent));
  below->addStretch(1);
  below->addWidget(small(last, parent));
  grid->addLayout(below, 1, 0);

  auto* beside = new QVBoxLayout;
  beside->addWidget(small(last, parent));
  beside->addStretch(1);
  auto* v =
      new UpwardLabel(QCoreApplication::translate("RaySpaceAxes", "v (lower line) →"), parent);
  v->setObjectName(QStringLiteral("raySpaceAxisLabel"));
  v->setAccessibleName(QCoreApplication::translate("RaySpaceAxes", "v (lower line) ↑"));
  beside->addWidget(v);
  beside->addStretch(1);
  beside->addWidget(small(QLocale().toString(0), parent));
  grid->addLayout(beside, 0, 1);
  grid->setColumnStretch(2, 1);

  column->insertWidget(index, parent);
}
