#include "history/HistoryKeeper.h"

#include <QMetaObject>
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
    QString error;
    if (store_.Append(entry, &error)) {
      QMetaObject::invokeMethod(
          this, [this, entry] { emit Kept(entry); }, Qt::QueuedConnection);
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
