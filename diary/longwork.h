// SPDX-FileCopyrightText: Marrowleaf developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Long work for a window (a search, a reading of the whole diary, an import, a rename), done one
// way everywhere: it runs on the application's shared pool of threads (the diary's walk reads on
// a pool of its own, so no work waits for a pool it occupies), it can be cancelled, it tells its
// progress, and its result, and any part of it handed on early, reach the window's thread. Each
// start makes the run before it stale: that run is cancelled, and nothing of it reaches the
// window any more.
class TLongWork : public QObject {
  Q_OBJECT

 public:
  // What a run sees of itself.
  class Run : public std::enable_shared_from_this<Run> {
   public:
    // For the walk and every loop of the work: set once the run is to stop, cancelled (stale) or
    // asked to stop early (its result still wanted: what it did so far).
    const std::atomic<bool>& Cancelled() const { return cancelled; }
    bool Stopped() const { return cancelled.load(std::memory_order_relaxed); }
    // `done` of `total`, heard through progress() on the window's thread.
    void Progress(qint64 done, qint64 total);
    // Runs `part` on the window's thread, unless the run is stale by then.
    void Post(std::function<void()> part);

   private:
    friend class TLongWork;
    Run(TLongWork* work, int run) : owner(work), generation(run) {}
    TLongWork* owner;
    int generation;
    std::atomic<bool> cancelled{false};
  };

  explicit TLongWork(QObject* parent = nullptr) : QObject(parent) {}
  ~TLongWork() override;  // cancels the run under way and waits for it

  // Starts `work` in a new run; `done` gets its result on the window's thread.
  template <typename R>
  void Start(std::function<R(Run&)> work, std::function<void(R&)> done) {
    const std::shared_ptr<Run> run = Begin();
    futures.push_back(QtConcurrent::run([run, work = std::move(work), done = std::move(done)] {
      auto result = std::make_shared<R>(work(*run));
      run->Post([run, done, result] {
        run->owner->current.reset();
        done(*result);
        Q_EMIT run->owner->finished();
      });
    }));
  }
  // The run under way stops as soon as it looks, and nothing more of it is heard.
  void Cancel();
  // The run under way stops as soon as it looks, and hands on what it did so far (a rename that
  // the user stopped reports the entries it renamed).
  void RequestStop();
  // Until no run of this object is under way any more, stale ones included.
  void Wait();
  bool Busy() const { return current != nullptr; }

 Q_SIGNALS:
  void progress(qint64 done, qint64 total);
  void finished();  // the result of the current run was handed on

 private:
  std::shared_ptr<Run> Begin();

  std::shared_ptr<Run> current;
  int generation = 0;
  std::vector<QFuture<void>> futures;  // runs not known to have ended, stale ones included
};
