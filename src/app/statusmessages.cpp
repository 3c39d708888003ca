#include "app/statusmessages.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QPushButton>

#include "app/statusservice.h"
#include "canvas/drawview.h"

namespace {

QString milliseconds(double ms) {
  return QString::number(ms, 'f', 1) + QStringLiteral(" ms");
}

}  // namespace

StatusMessages::StatusMessages(const Parts& parts, QObject* parent)
    : QObject(parent), status_(parts.status) {
  setObjectName(QStringLiteral("statusMessages"));
  connect(parts.canvas, &DrawView::rendered, this, [this](double ms) { renderMs_ = ms; });
  connect(parts.canvas, &DrawView::photoTaken, this, [this](double ms) { photoMs_ = ms; });
  // Only the buttons confirm: renders after edits are seen in the views.
  connect(parts.render, &QAbstractButton::clicked, this, [this] {
    status_->post(QStringLiteral("Rendered in ") + milliseconds(renderMs_),
                  StatusService::Kind::Confirmation);
  });
  connect(parts.takePhoto, &QAbstractButton::clicked, this, [this] {
    status_->post(QStringLiteral("Photo taken in ") + milliseconds(photoMs_),
                  StatusService::Kind::Confirmation);
  });
  connect(parts.canvas, &DrawView::imageRejected, this, &StatusMessages::showImageRejected);
  auto* render = qobject_cast<QPushButton*>(parts.render);
  connect(parts.canvas, &DrawView::staleChanged, this, [this, render](bool stale) {
    status_->setNotice(stale ? staleNotice() : QString(),
                       QStringLiteral("The ray space and the photo show the scene as it was at "
                                      "the last render"));
    if (render != nullptr) render->setDefault(stale);
  });
}

QString StatusMessages::staleNotice() {
  return QStringLiteral("Scene changed: press Render");
}

void StatusMessages::showImageRejected(const QString& path, const QString& reason) {
  const QString name = QFileInfo(path).fileName();
  status_->post(QStringLiteral("Could not use \u201c%1\u201d as a fill: %2")
                    .arg(name.isEmpty() ? path : name, reason),
                StatusService::Kind::Report);
}
