// How long a game master waits for a full lair: every type at 5, its
// contents rolled, from the click on "Genera tesoro" until the treasure
// window and the open "Contenuto del tesoro" window have both been painted
// anew. The goal is one frame, 16.7 ms at 60 Hz.
//
//   quendaro_contents_benchmark [ROUNDS] [--hold | --pdf FILE]
//
// Prints the median and the slowest round, for lairs as the dice give them
// and for the richest lair there is (every test passed, every amount at its
// top: 780 gems, 365 art objects, 150 magic items), and the same for the
// parts: the lair and its contents without a window, and the contents
// window's filling and painting alone. --hold leaves the windows open on the
// richest lair, for a look or a screenshot; --pdf writes that lair's sheet,
// contents and all, as the window's "Esporta PDF" does. A measurement, not a
// test: the load average is printed beside the figures, since a busy machine
// slows every one of them.

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "random/RandomSource.h"
#include "treasure/LairTreasureTable.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/contents/ContentsGenerator.h"
#include "treasure/contents/ContentsSeed.h"
#include "ui/forms/Form3.h"
#include "ui/forms/TreasureContentsWindow.h"
#include "ui/kit/Platform.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultOutput.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %6.2f ms, slowest %6.2f ms (%zu rounds)\n", what,
              times[times.size() / 2], times.back(), times.size());
}

std::string LoadAverage() {
  std::ifstream load("/proc/loadavg");
  std::string one, five, fifteen;
  load >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// Draws that make every test of a lair of every type at 5 pass and every
// amount come out at its top.
std::vector<float> RichestLair() {
  std::vector<float> draws;
  for (const quendaro::TreasureTypeEntry& entry :
       quendaro::LairTreasureTable()) {
    for (const quendaro::TreasureRow& row : entry.rows) {
      if (!row.Present()) continue;
      draws.push_back(0.0f);
      draws.push_back(quendaro::RandomSource::kLargestDraw);
    }
    draws.push_back(0.0f);
  }
  return draws;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const bool hold = argc > 2 && std::string(argv[2]) == "--hold";
  const bool pdf = argc > 3 && std::string(argv[2]) == "--pdf";
  std::printf("Load before the runs: %s\n", LoadAverage().c_str());

  quendaro::RandomSource random(1);
  quendaro::DesktopPlatform platform;
  quendaro::Form3 window(random, platform);
  window.show();
  for (QSpinBox* spinner : window.findChildren<QSpinBox*>()) {
    spinner->setValue(quendaro::kMaxTreasureCount);
  }
  auto* generate = window.findChild<QPushButton*>("Command1");
  for (int i = 0; i < 20; ++i) app.processEvents();

  // The treasure window alone, its contents rolled but not shown: what the
  // click cost before the contents window.
  std::vector<double> alone;
  for (int i = 0; i < rounds; ++i) {
    const Clock::time_point start = Clock::now();
    generate->click();
    window.repaint();
    alone.push_back(Milliseconds(start, Clock::now()));
    app.processEvents();
  }
  window.findChild<QAction*>("contents")->trigger();
  auto* contents = window.findChild<quendaro::TreasureContentsWindow*>();
  for (int i = 0; i < 20; ++i) app.processEvents();

  std::vector<double> clicks;
  std::vector<double> richest_clicks;
  for (int i = 0; i < 2 * rounds; ++i) {
    const bool richest = i % 2 == 1;
    if (richest) random.ScriptDraws(RichestLair());
    const Clock::time_point start = Clock::now();
    generate->click();
    // Both windows painted now, as the next frame would show them.
    window.repaint();
    contents->repaint();
    (richest ? richest_clicks : clicks)
        .push_back(Milliseconds(start, Clock::now()));
    app.processEvents();
  }

  std::vector<double> core;
  quendaro::TreasureGenerator::Counts counts;
  counts.fill(quendaro::kMaxTreasureCount);
  const quendaro::TreasureGenerator lairs;
  const quendaro::ContentsGenerator generator;
  quendaro::TreasureResult lair;
  quendaro::LairContents lair_contents;
  for (int i = 0; i < rounds; ++i) {
    random.ScriptDraws(RichestLair());
    const Clock::time_point start = Clock::now();
    std::uint64_t seed = 0;
    {
      const quendaro::ContentsSeed watch(random);
      lair = lairs.Generate(counts, random);
      seed = watch.Value();
    }
    quendaro::RandomSource source =
        quendaro::ContentsGenerator::SourceFor(seed);
    lair_contents = generator.Generate(lair, source);
    core.push_back(Milliseconds(start, Clock::now()));
  }

  std::vector<double> shown;
  for (int i = 0; i < rounds; ++i) {
    const Clock::time_point start = Clock::now();
    contents->ShowContents(lair, lair_contents);
    contents->repaint();
    shown.push_back(Milliseconds(start, Clock::now()));
    app.processEvents();
  }

  std::printf(
      "The richest lair has %zu gems, %zu art objects, %zu magic "
      "items\n",
      lair_contents.gems.size(), lair_contents.art_objects.size(),
      lair_contents.magic_items.size());
  Report("Click to the treasure window painted", alone);
  Report("Click to both windows painted", clicks);
  Report("The same, the richest lair", richest_clicks);
  Report("The richest lair and contents, no window", core);
  Report("Its contents window filled and painted", shown);
  std::printf("Load after the runs: %s\n", LoadAverage().c_str());
  std::fflush(stdout);
  if (!hold && !pdf) return 0;
  random.ScriptDraws(RichestLair());
  generate->click();
  if (pdf) {
    const auto* results = window.findChild<quendaro::ResultActions*>();
    return results != nullptr && results->Current() &&
                   quendaro::result_output::WritePdf(
                       *results->Current(), QString::fromLocal8Bit(argv[3]),
                       nullptr)
               ? 0
               : 1;
  }
  return app.exec();
}
