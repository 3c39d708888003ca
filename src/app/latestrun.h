#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// Work for a view that follows the current light field, run off the window's thread where only
// the newest start counts: a start makes every earlier one stale, a stale one stops at its next
// look and its result is dropped. The result is applied on the window's thread.
class LatestRun : public QObject {
  Q_OBJECT

 public:
  // Applies a finished run's result on the window's thread.
  using Apply = std::function<void()>;
  // True once a newer start (or a cancel) has made the run stale.
  using Stale = std::function<bool()>;
  // Runs on a pool thread with its own copies of what it reads; an empty Apply drops the result.
  using Work = std::function<Apply(const Stale&)>;

  explicit LatestRun(QObject* parent);
  ~LatestRun() override;

  void start(Work work);
  // Makes the running work stale: nothing reaches the window from it.
  void cancel();
  // True from a start until its result is applied (or it is cancelled).
  bool isPending() const { return pending_; }

 signals:
  void applied();

 private:
  std::shared_ptr<std::atomic<std::uint64_t>> latest_ =
      std::make_shared<std::atomic<std::uint64_t>>(0);
  bool pending_ = false;
};
