#pragma once

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>

namespace quendaro {

// Tells when a window is first on screen for the start-up measurements: the
// moment its first paint is over, children and all. The program measured
// against a bare Qt window uses the very same probe, so that both are timed
// alike. Watching every event of the application costs a little, which is
// why only a benchmark run creates one.
class FirstPaintProbe final : public QObject {
 public:
  explicit FirstPaintProbe(QObject* parent = nullptr) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
  }

  // Calls `done` once the window named `window_name` has been painted for
  // the first time since this call. Arm it before the action that shows the
  // window: a window may be painted before that action returns.
  void Await(const QString& window_name, std::function<void()> done) {
    window_name_ = window_name;
    done_ = std::move(done);
  }

  // Microseconds since the epoch, the clock a shell reads as $EPOCHREALTIME,
  // so that a script can subtract the moment it started the process.
  static long long EpochMicroseconds() {
    using std::chrono::duration_cast;
    using std::chrono::microseconds;
    using std::chrono::system_clock;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch())
        .count();
  }

  // The process's largest resident set so far, in KiB.
  static long PeakResidentKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && done_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow() &&
        watched->objectName() == window_name_) {
      // The window's own paint event comes first in a pass that then paints
      // its children and puts the result on screen; the pass is over once
      // control is back in the event loop.
      QTimer::singleShot(0, this, std::exchange(done_, nullptr));
    }
    return false;
  }

 private:
  QString window_name_;
  std::function<void()> done_;
};

}  // namespace quendaro
