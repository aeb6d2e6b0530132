// The history at its fullest, as a game master meets it.
//
//   quendaro_history_benchmark --write FILE [COUNT]
//   quendaro_history_benchmark --open FILE [ROUNDS] [--shot PICTURE]
//
// --write makes COUNT generations (10000 unless told), the six generators in
// turn with inputs that change from one to the next, each through its own
// window exactly as a click makes it, and keeps them in the history FILE
// through the program's own store.
//
// --open runs the program's windows on FILE: the character window on
// screen, then "Cronologia" opened, from the menu item until the list has
// been read and painted; then searches and filters, each from the change of
// its box until the list is painted anew; then generations with the history
// open, each from the click until the character window is painted, and from
// the news of its entry until the history's list is painted. It prints the
// median and the slowest of ROUNDS (20 unless told) and, last, the peak
// resident memory of the process; bench/history.sh runs it on an empty
// history and on a full one to tell what the history costs. --shot saves
// a picture of the history window as the last round left it, for a look.
//
// A measurement, not a test: the load average is printed beside the
// figures, since a busy machine slows every one of them.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ConsolePlatform.h"
#include "history/HistoryStore.h"
#include "random/RandomSource.h"
#include "ui/forms/Form1.h"
#include "ui/forms/Form2.h"
#include "ui/forms/Form3.h"
#include "ui/forms/Form4.h"
#include "ui/forms/Form5.h"
#include "ui/forms/PartyWindow.h"
#include "ui/history/HistoryWindow.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "ui/shell/WindowManager.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The processor time so far of `clock`, in milliseconds: of every thread of
// the process (on a busy machine the wall clock tells more of the others'
// work than of ours), or of the calling thread, which for the window's
// thread is how long the window could answer no click.
double ProcessorMilliseconds(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID) {
  timespec time{};
  clock_gettime(clock, &time);
  return static_cast<double>(time.tv_sec) * 1e3 +
         static_cast<double>(time.tv_nsec) / 1e6;
}

// Wall-clock and processor times of one measurement: of every thread, and
// of the window's alone.
struct Times {
  std::vector<double> wall;
  std::vector<double> processor;
  std::vector<double> window;
};

// Measures `what` into `times`.
void Measure(Times& times, const std::function<void()>& what) {
  const double processor = ProcessorMilliseconds();
  const double window = ProcessorMilliseconds(CLOCK_THREAD_CPUTIME_ID);
  const Clock::time_point start = Clock::now();
  what();
  times.wall.push_back(Milliseconds(start, Clock::now()));
  times.processor.push_back(ProcessorMilliseconds() - processor);
  times.window.push_back(ProcessorMilliseconds(CLOCK_THREAD_CPUTIME_ID) -
                         window);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Report(const char* what, const Times& times) {
  std::printf(
      "%-46s median %7.2f ms, slowest %7.2f ms, processor %7.2f ms (%zu "
      "rounds)\n",
      what, Median(times.wall),
      *std::max_element(times.wall.begin(), times.wall.end()),
      Median(times.processor), times.wall.size());
}

std::string LoadAverage() {
  std::ifstream load("/proc/loadavg");
  std::string one, five, fifteen;
  load >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// The most memory the process has held, in KiB, as the system counts it.
long PeakResidentKib() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmHWM:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
  }
  return 0;
}

using quendaro::bench::ConsolePlatform;

// Keeps the entries the windows make; goes nowhere.
class Collector final : public quendaro::Navigator {
 public:
  void Show(quendaro::FormId) override {}
  void SwitchTo(quendaro::FormId, QWidget*) override {}
  void OpenOwned(quendaro::FormId, QWidget*) override {}
  void ShowAndHide(quendaro::FormId, QWidget*) override {}
  void Close(quendaro::FormId) override {}
  void Generated(const QJsonObject& entry) override { last = entry; }

  QJsonObject last;
};

int Write(const QString& path, int count) {
  quendaro::RandomSource random;
  ConsolePlatform platform;
  Collector collector;
  quendaro::Form1 character(random, platform, &collector);
  quendaro::Form2 name(random, platform, &collector);
  quendaro::Form3 treasure(random, platform, &collector);
  quendaro::Form4 hit_points(random, platform, &collector);
  quendaro::Form5 weapon(random, platform, &collector);
  quendaro::PartyWindow party(random, platform, &collector);
  const std::array<QWidget*, 6> windows = {&character,  &treasure, &weapon,
                                           &hit_points, &name,     &party};
  const auto button = [](QWidget& window) {
    auto* command = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    return command != nullptr
               ? command
               : window.findChild<QPushButton*>(QStringLiteral("generate"));
  };
  // Every list and spinner of a window takes a value of its own in each
  // round, so that the entries differ as a game master's would.
  const QWidget* treasure_window = &treasure;
  const auto vary = [&random, treasure_window](QWidget& window) {
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
      if (list->count() > 1 && !list->objectName().isEmpty()) {
        list->setCurrentIndex(random.RollBetween(0, list->count() - 1));
      }
    }
    const QList<QRadioButton*> options = window.findChildren<QRadioButton*>();
    if (!options.isEmpty()) {
      options[random.RollBetween(0, static_cast<int>(options.size()) - 1)]
          ->setChecked(true);
    }
    const QList<QSpinBox*> spinners = window.findChildren<QSpinBox*>();
    if (&window == treasure_window) {
      // A lair as a game master rolls one: one or two treasure types, one
      // or two of each.
      for (QSpinBox* spinner : spinners) spinner->setValue(0);
      for (int type = random.RollBetween(1, 2); type > 0; --type) {
        spinners[random.RollBetween(0, static_cast<int>(spinners.size()) - 1)]
            ->setValue(random.RollBetween(1, 2));
      }
      return;
    }
    for (QSpinBox* spinner : spinners) {
      spinner->setValue(random.RollBetween(
          spinner->minimum(),
          std::min(spinner->maximum(), spinner->minimum() + 4)));
    }
  };
  quendaro::HistoryStore store(path);
  const Clock::time_point start = Clock::now();
  int written = 0;
  // Inputs a window refuses make no entry; the next round tries others.
  for (int round = 0; written < count && round < 4 * count; ++round) {
    QWidget& window =
        *windows[static_cast<std::size_t>(written) % windows.size()];
    vary(window);
    collector.last = {};
    button(window)->click();
    // A character whose race cannot take its class is refused with its
    // scores at 0: no generation a game master keeps.
    if (collector.last.isEmpty() ||
        collector.last.value(QStringLiteral("summary"))
            .toString()
            .contains(QStringLiteral(", FOR 0 DES 0 "))) {
      continue;
    }
    QString error;
    if (!store.Append(collector.last, &error)) {
      std::fprintf(stderr, "not kept: %s\n", qPrintable(error));
      return 1;
    }
    ++written;
  }
  std::printf("%d generations written in %.1f s; the file holds %.1f MB\n",
              written, Milliseconds(start, Clock::now()) / 1000,
              static_cast<double>(QFileInfo(path).size()) / 1e6);
  return 0;
}

// Lets the event loop run until `done`, as the player's screen would,
// sleeping until each event comes rather than polling for it: a poll would
// take the processor from the history's thread on a busy machine.
void WaitFor(const std::function<bool()>& done) {
  while (!done()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents |
                                    QEventLoop::WaitForMoreEvents);
  }
}

int Open(const QString& path, int rounds, const QString& shot) {
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setQuitOnLastWindowClosed(false);
  ConsolePlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);
  windows.SetHistory(path);
  windows.Show(quendaro::FormId::kForm1);
  QWidget* character = windows.Window(quendaro::FormId::kForm1);
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();

  Times opening;
  quendaro::HistoryWindow* history = nullptr;
  Measure(opening, [&windows, &history] {
    windows.ShowHistory();
    history = static_cast<quendaro::HistoryWindow*>(windows.History());
    WaitFor([history] { return !history->Loading(); });
    history->repaint();
  });
  auto* list =
      history->findChild<QAbstractItemView*>(QStringLiteral("entries"));
  const int listed = list->model()->rowCount();
  std::printf(
      "\"Cronologia\" opened on %d entries in %.1f ms, processor "
      "%.1f ms, of it the window's thread %.1f ms\n",
      listed, opening.wall[0], opening.processor[0], opening.window[0]);

  auto* search = history->findChild<QLineEdit*>(QStringLiteral("search"));
  auto* filter = history->findChild<QComboBox*>(QStringLiteral("filter"));
  // A typed search, one letter after another, as a player types a name; a
  // word no entry holds; each generator's filter.
  const QStringList typed = {QStringLiteral("a"), QStringLiteral("ar"),
                             QStringLiteral("are"), QStringLiteral("zqxw")};
  Times searches;
  Times filters;
  for (int round = 0; round < rounds; ++round) {
    for (const QString& text : typed) {
      Measure(searches, [&] {
        search->setText(text);
        history->repaint();
      });
    }
    search->clear();
    for (int index = 1; index <= filter->count(); ++index) {
      Measure(filters, [&] {
        filter->setCurrentIndex(index % filter->count());
        history->repaint();
      });
    }
  }

  auto* generate =
      character->findChild<QPushButton*>(QStringLiteral("Command1"));
  Times clicks;
  Times joins;
  for (int round = 0; round < rounds; ++round) {
    const int before = list->model()->rowCount();
    Measure(clicks, [&] {
      generate->click();
      character->repaint();
    });
    // The entry is written on the history's own thread; what the player
    // waits for is its news reaching the list.
    windows.WaitForHistory();
    Measure(joins, [&] {
      WaitFor([list, before] { return list->model()->rowCount() > before; });
      history->repaint();
    });
  }

  if (listed > 0) {
    Report("A search, typed letter by letter", searches);
    Report("A generator chosen in the filter", filters);
  }
  Report("A generation: click to its window painted", clicks);
  Report("Its entry joining the open history, painted", joins);
  std::printf("peak-rss-kib %ld\n", PeakResidentKib());
  if (!shot.isEmpty()) {
    search->setText(QStringLiteral("are"));
    if (!history->grab().save(shot)) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.size() < 2 || (arguments[0] != QStringLiteral("--write") &&
                               arguments[0] != QStringLiteral("--open"))) {
    std::fprintf(stderr,
                 "usage: %s --write FILE [COUNT] | --open FILE [ROUNDS] "
                 "[--shot PICTURE]\n",
                 argv[0]);
    return 2;
  }
  std::printf("Load before the run: %s\n", LoadAverage().c_str());
  const int figure = arguments.size() > 2 ? arguments[2].toInt() : 0;
  const int result = arguments[0] == QStringLiteral("--write")
                         ? Write(arguments[1], figure > 0 ? figure : 10000)
                         : Open(arguments[1], figure > 0 ? figure : 20,
                                arguments.size() > 4 &&
                                        arguments[3] == QStringLiteral("--shot")
                                    ? arguments[4]
                                    : QString());
  std::printf("Load after the run: %s\n", LoadAverage().c_str());
  return result;
}
