#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <vector>

#include "FirstPaintProbe.h"
#include "ui/Navigator.h"
#include "ui/WindowManager.h"

namespace quendaro {

// A measured run of the program (quendaro_startup_benchmark [Form3]): starts
// the program as quendaro does, opens the main menu from the logo and a
// generator from the menu as a user would, and prints to standard output when
// each window was first on screen:
//
//   shown Form7 <microseconds since the epoch>
//   open Form8 <microseconds from the click to the window on screen>
//   open Form1 <...>
//   peak-rss-kib <largest resident set of the run>
//
// then quits. The character window also opens its hit-point and name windows
// from its menu. bench/startup.sh runs it many times against a bare Qt
// window.
class StartupBenchmark final : public QObject {
 public:
  // Whether `generator` names a window this benchmark opens from the main
  // menu: "Form1", "Form3" or "Form5".
  static bool Opens(const QString& generator);

  // `generator` as Opens() accepts it.
  StartupBenchmark(WindowManager& windows, const QString& generator,
                   QObject* parent = nullptr);

  // Starts the program under the probe; the run ends the event loop itself.
  void Run();

 private:
  struct Step {
    FormId shows;
    std::function<void()> action;
  };

  void Next();

  WindowManager& windows_;
  FirstPaintProbe probe_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  std::chrono::steady_clock::time_point acted_;
};

}  // namespace quendaro
