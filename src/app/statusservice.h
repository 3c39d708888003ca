#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QStatusBar;

// The one way onto the status bar, with one policy for how long a message
// stays: a confirmation of something just done goes after a short while, a
// report (a file read or written, a file refused, a problem) stays long
// enough to read twice, and a caption stays until the next message. The
// live readout of what is under the mouse sits beneath the messages; once a
// message has been up long enough to read, a new reading brings it back. A
// notice of a state that lasts sits apart at the right end, untouched by
// messages and readings, until it is withdrawn.
class StatusService : public QObject {
  Q_OBJECT

 public:
  enum class Kind { Confirmation, Report, Caption };

  static constexpr int kConfirmationMs = 3000;
  static constexpr int kReportMs = 15000;
  // How long any message stays before a hover may take its place.
  static constexpr qint64 kReadMs = 2000;

  StatusService(QStatusBar* bar, QObject* parent);

  void post(const QString& message, Kind kind);
  // The reading of what is under the mouse; empty when nothing is.
  void setReading(const QString& text);
  QLabel* readout() const { return readout_; }
  // Shows `text` as the notice, `detail` as its tooltip; an empty text withdraws it.
  void setNotice(const QString& text, const QString& detail = {});
  QLabel* notice() const { return notice_; }

  static int durationMs(Kind kind);

 signals:
  void readingChanged(const QString& text);

 private:
  QPointer<QStatusBar> bar_;
  QLabel* readout_ = nullptr;
  QLabel* notice_ = nullptr;
  QElapsedTimer messageShown_;
};
