#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <vector>

#include "FirstPaintProbe.h"
#include "ui/kit/Navigator.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {

// A measured run of the program (quendaro_startup_benchmark [Form3]): starts
// the program as quendaro does, opens the main menu from the logo and a
// generator from the menu as a user would, and prints to standard output when
// each window was first on screen:
//
//   shown Form7 <microseconds since the epoch>
//   spares-ready <microseconds from the logo to the last spare window built>
//   open Form8 <microseconds from the click to the window on screen>
//   open Form1 <...>
//   click Form1 <microseconds from a click on the generate button to the
//                handler's return, the last text written>   (21 times)
//   peak-rss-kib <largest resident set of the run>
//
// then quits. The character window also opens its hit-point and name windows
// from its menu. Like a player, it clicks only once the program is idle:
// with the windows built ahead, once every spare is ready. bench/startup.sh
// runs it many times against a bare Qt window.
class StartupBenchmark final : public QObject {
 public:
  // Whether `generator` names a window this benchmark opens from the main
  // menu: "Form1", "Form3" or "Form5".
  static bool Opens(const QString& generator);

  // `generator` as Opens() accepts it.
  // `build_ahead` as the program does it (WindowManager::BuildAheadWhenIdle),
  // or every window built when it is opened.
  StartupBenchmark(WindowManager& windows, const QString& generator,
                   bool build_ahead, QObject* parent = nullptr);

  // Starts the program under the probe; the run ends the event loop itself.
  void Run();

 private:
  struct Step {
    FormId shows;
    std::function<void()> action;
  };

  void Next();
  void Act();
  void ClickGenerate(FormId form);
  bool SparesPending() const;

  WindowManager& windows_;
  FirstPaintProbe probe_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool build_ahead_;
  std::chrono::steady_clock::time_point logo_shown_;
  std::chrono::steady_clock::time_point acted_;
};

}  // namespace quendaro
