#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "app/FirstPaintProbe.h"
#include "ui/Navigator.h"
#include "ui/WindowManager.h"

namespace quendaro {

// A benchmark run of the program (quendaro --benchmark-startup[=Form3]):
// starts the program, opens the main menu from the logo and a generator from
// the menu as a user would, and prints to standard output when each window
// was first on screen:
//
//   shown Form7 <microseconds since the epoch>
//   open Form8 <microseconds from the click to the window on screen>
//   open Form1 <...>
//   peak-rss-kib <largest resident set of the run>
//
// then quits. The character window also opens its hit-point and name windows
// from its menu. bench/startup.sh runs it many times against a bare Qt
// window. A plain start of the program never builds one of these.
class StartupBenchmark final : public QObject {
 public:
  // The generator a command line asks a benchmark run for: "Form1" for a
  // bare --benchmark-startup, the value of --benchmark-startup=<name>, or
  // nothing when the switch is absent.
  static std::optional<QString> Requested(const QStringList& arguments);

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
