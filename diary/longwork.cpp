// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/longwork.h"

#include <QMetaObject>
#include <algorithm>

void TLongWork::Run::Progress(qint64 done, qint64 total) {
  Post([this, done, total] { Q_EMIT owner->progress(done, total); });
}

void TLongWork::Run::Post(std::function<void()> part) {
  // The owner waits for every run before it goes, so it is there when the part arrives; the part
  // checks on arrival that its run is still the current one.
  QMetaObject::invokeMethod(
      owner,
      [self = shared_from_this(), part = std::move(part)] {
        if (self->generation == self->owner->generation) part();
      },
      Qt::QueuedConnection);
}

TLongWork::~TLongWork() {
  Cancel();
  Wait();
}

std::shared_ptr<TLongWork::Run> TLongWork::Begin() {
  Cancel();
  // Runs that ended are forgotten.
  futures.erase(std::remove_if(futures.begin(), futures.end(),
                               [](const QFuture<void>& f) { return f.isFinished(); }),
                futures.end());
  current.reset(new Run(this, ++generation));
  return current;
}

void TLongWork::Cancel() {
  if (current) current->cancelled.store(true);
  current.reset();
  ++generation;  // whatever is on its way from it is stale
}

void TLongWork::RequestStop() {
  if (current) current->cancelled.store(true);
}

void TLongWork::Wait() {
  for (QFuture<void>& future : futures) future.waitForFinished();
  futures.clear();
}
