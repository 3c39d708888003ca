#include "app/statusmessages.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>

#include "app/statusservice.h"
#include "canvas/drawview.h"

namespace {

QString milliseconds(double ms) {
  return QLocale().toString(ms, 'f', 1);
}

}  // namespace

StatusMessages::StatusMessages(const Parts& parts, QObject* parent)
    : QObject(parent), status_(parts.status) {
  setObjectName(QStringLiteral("statusMessages"));
  connect(parts.canvas, &DrawView::rendered, this, [this](double ms) { renderMs_ = ms; });
  connect(parts.canvas, &DrawView::photoTaken, this, [this](double ms) { photoMs_ = ms; });
  // Only the buttons confirm: renders after edits are seen in the views.
  connect(parts.render, &QAbstractButton::clicked, this, [this] {
    status_->post(tr("Rendered in %1 ms").arg(milliseconds(renderMs_)),
                  StatusService::Kind::Confirmation);
  });
  connect(parts.takePhoto, &QAbstractButton::clicked, this, [this] {
    status_->post(tr("Photo taken in %1 ms").arg(milliseconds(photoMs_)),
                  StatusService::Kind::Confirmation);
  });
  connect(parts.canvas, &DrawView::imageRejected, this, &StatusMessages::showImageRejected);
  auto* render = qobject_cast<QPushButton*>(parts.render);
  connect(parts.canvas, &DrawView::staleChanged, this, [this, render](bool stale) {
    status_->setNotice(stale ? staleNotice() : QString(),
                       tr("The ray space and the photo show the scene as it was at "
                          "the last render"));
    if (render != nullptr) render->setDefault(stale);
  });
}

QString StatusMessages::staleNotice() {
  return tr("Scene changed: press Render");
}

void StatusMessages::showImageRejected(const QString& path, const QString& reason) {
  const QString name = QFileInfo(path).fileName();
  status_->post(tr("Could not use “%1” as a fill: %2").arg(name.isEmpty() ? path : name, reason),
                StatusService::Kind::Report);
}
