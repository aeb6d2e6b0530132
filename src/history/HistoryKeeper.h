#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <atomic>
#include <functional>

#include "history/HistoryStore.h"

namespace quendaro {

// Runs a HistoryStore on a thread of its own, so that no window ever waits
// for the disk or for another program's lock. Requests are carried out one
// after another in the order they were made: a load asked after an append
// finds that append in the file. The answers come back on the thread that
// made this object, through the event loop.
class HistoryKeeper final : public QObject {
  Q_OBJECT

 public:
  // The store in `path` (see HistoryStore).
  explicit HistoryKeeper(const QString& path, QObject* parent = nullptr);
  // Carries out every request still waiting first, so that nothing asked is
  // lost when the program ends.
  ~HistoryKeeper() override;

  HistoryKeeper(const HistoryKeeper&) = delete;
  HistoryKeeper& operator=(const HistoryKeeper&) = delete;

  const QString& Path() const { return store_.Path(); }

  // Keeps `entry`; Kept or NotKept tells how it went.
  void Append(QJsonObject entry);

  // Reads the whole store and gives it to `done`, unless `context` is gone
  // by then.
  void Load(QObject* context, std::function<void(HistoryStore::Contents)> done);

  // Empties the store; `done` gets the reason when it could not.
  void Clear(QObject* context, std::function<void(QString error)> done);

  // Blocks until every request made so far has been carried out; the
  // answers may still wait in the event loop.
  void WaitUntilDone();

  // The generations of this session that could not be kept.
  int NotKeptCount() const { return not_kept_.load(); }

 signals:
  // An entry is in the file now, as `row`.
  void Kept(const HistoryRow& row);
  // A generation could not be kept, for `reason` (Italian, with the path).
  void NotKept(const QString& reason);

 private:
  // Runs `task` on the store's thread, after every task asked before.
  void Post(std::function<void()> task);

  HistoryStore store_;  // used on thread_ alone
  QThread thread_;
  QObject* worker_ = nullptr;  // lives on thread_; tasks run in its events
  std::atomic<int> not_kept_{0};
};

}  // namespace quendaro
