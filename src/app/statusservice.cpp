#include "app/statusservice.h"

#include <QLabel>
#include <QStatusBar>

StatusService::StatusService(QStatusBar* bar, QObject* parent) : QObject(parent), bar_(bar) {
  setObjectName(QStringLiteral("statusService"));
  readout_ = new QLabel(bar);
  readout_->setObjectName(QStringLiteral("hoverReadout"));
  // Ignored width: a long reading is clipped instead of widening the window.
  readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  // A normal widget, so a message takes its place for a while.
  bar->addWidget(readout_, 1);
  notice_ = new QLabel(bar);
  notice_->setObjectName(QStringLiteral("statusNotice"));
  bar->addPermanentWidget(notice_);
  notice_->hide();
  // Messages posted straight on the bar (by Qt's own status tips) follow the same reading rule.
  connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
    if (!message.isEmpty()) messageShown_.start();
  });
}

int StatusService::durationMs(Kind kind) {
  switch (kind) {
    case Kind::Confirmation:
      return kConfirmationMs;
    case Kind::Report:
      return kReportMs;
    case Kind::Caption:
      break;
  }
  return 0;  // until the next message
}

void StatusService::post(const QString& message, Kind kind) {
  if (bar_ != nullptr) bar_->showMessage(message, durationMs(kind));
}

void StatusService::setReading(const QString& text) {
  if (readout_->text() != text) {
    readout_->setText(text);
    emit readingChanged(text);
  }
  if (bar_ == nullptr || text.isEmpty() || bar_->currentMessage().isEmpty()) return;
  if (messageShown_.isValid() && messageShown_.elapsed() >= kReadMs) bar_->clearMessage();
}

void StatusService::setNotice(const QString& text, const QString& detail) {
  notice_->setText(text);
  notice_->setToolTip(text.isEmpty() ? QString() : detail);
  notice_->setVisible(!text.isEmpty());
}
