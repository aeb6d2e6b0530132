#include "history/HistoryKeeper.h"

#include <QMetaObject>
#include <optional>
#include <utility>

namespace quendaro {

HistoryKeeper::HistoryKeeper(const QString& path, QObject* parent)
    : QObject(parent), store_(path), worker_(new QObject) {
  thread_.setObjectName(QStringLiteral("history"));
  worker_->moveToThread(&thread_);
  thread_.start();
}

HistoryKeeper::~HistoryKeeper() {
  WaitUntilDone();
  thread_.quit();
  thread_.wait();
  delete worker_;
}

void HistoryKeeper::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(worker_, std::move(task), Qt::QueuedConnection);
}

void HistoryKeeper::Append(QJsonObject entry) {
  Post([this, entry = std::move(entry)] {
    // Packed here, so that the window that made the entry never waits for
    // zlib.
    const std::optional<HistoryRow> row = PackEntry(entry);
    QString error;
    // An entry that cannot be packed is refused by the store, which says
    // why.
    if (row ? store_.Append(*row, &error) : store_.Append(entry, &error)) {
      QMetaObject::invokeMethod(
          this, [this, row = *row] { emit Kept(row); }, Qt::QueuedConnection);
    } else {
      ++not_kept_;
      QMetaObject::invokeMethod(
          this, [this, error] { emit NotKept(error); }, Qt::QueuedConnection);
    }
  });
}

void HistoryKeeper::Load(QObject* context,
                         std::function<void(HistoryStore::Contents)> done) {
  Post([this, context = QPointer<QObject>(context), done = std::move(done)] {
    HistoryStore::Contents contents = store_.Load();
    // A file of an older version is packed anew once, after its first
    // reading, for every later one to be quick; should that fail, it stays
    // as readable as it was.
    if (contents.older_lines > 0) store_.Upgrade();
    QMetaObject::invokeMethod(
        this,
        [context, done, contents = std::move(contents)]() mutable {
          if (context != nullptr) done(std::move(contents));
        },
        Qt::QueuedConnection);
  });
}

void HistoryKeeper::Clear(QObject* context, std::function<void(QString)> done) {
  Post([this, context = QPointer<QObject>(context), done = std::move(done)] {
    QString error;
    store_.Clear(&error);
    QMetaObject::invokeMethod(
        this,
        [context, done, error] {
          if (context != nullptr) done(error);
        },
        Qt::QueuedConnection);
  });
}

void HistoryKeeper::WaitUntilDone() {
  QMetaObject::invokeMethod(
      worker_, [] {}, Qt::BlockingQueuedConnection);
}

}  // namespace quendaro
