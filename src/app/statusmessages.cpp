#include "app/statusmessages.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QStatusBar>

#include "canvas/drawview.h"

namespace {

QString milliseconds(double ms) {
  return QString::number(ms, 'f', 1) + QStringLiteral(" ms");
}

}  // namespace

StatusMessages::StatusMessages(QStatusBar* bar, DrawView* canvas, QAbstractButton* render,
                               QAbstractButton* takePhoto, QObject* parent)
    : QObject(parent), bar_(bar) {
  setObjectName(QStringLiteral("statusMessages"));
  connect(canvas, &DrawView::rendered, this, [this](double ms) { renderMs_ = ms; });
  connect(canvas, &DrawView::photoTaken, this, [this](double ms) { photoMs_ = ms; });
  // Only the buttons confirm: renders after edits are seen in the views.
  connect(render, &QAbstractButton::clicked, this, [this] {
    bar_->showMessage(QStringLiteral("Rendered in ") + milliseconds(renderMs_), kConfirmationMs);
  });
  connect(takePhoto, &QAbstractButton::clicked, this, [this] {
    bar_->showMessage(QStringLiteral("Photo taken in ") + milliseconds(photoMs_), kConfirmationMs);
  });
  connect(canvas, &DrawView::imageRejected, this, &StatusMessages::showImageRejected);
}

void StatusMessages::showImageRejected(const QString& path, const QString& reason) {
  const QString name = QFileInfo(path).fileName();
  bar_->showMessage(QStringLiteral("Could not use \u201c%1\u201d as a fill: %2")
                        .arg(name.isEmpty() ? path : name, reason),
                    kProblemMs);
}
