#include "app/latestrun.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

LatestRun::LatestRun(QObject* parent) : QObject(parent) {}

LatestRun::~LatestRun() {
  // Runs still going stop early; their watchers go with this object, so no result lands.
  cancel();
}

void LatestRun::start(Work work) {
  const std::uint64_t generation = ++*latest_;
  pending_ = true;
  auto* watcher = new QFutureWatcher<Apply>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
    watcher->deleteLater();
    if (latest_->load() != generation) return;
    pending_ = false;
    const Apply apply = watcher->result();
    if (apply) apply();
    emit applied();
  });
  std::shared_ptr<std::atomic<std::uint64_t>> latest = latest_;
  watcher->setFuture(QtConcurrent::run([work = std::move(work), latest, generation]() -> Apply {
    const Stale stale = [&latest, generation] { return latest->load() != generation; };
    if (stale()) return {};
    Apply apply = work(stale);
    return stale() ? Apply() : apply;
  }));
}

void LatestRun::cancel() {
  ++*latest_;
  pending_ = false;
}
