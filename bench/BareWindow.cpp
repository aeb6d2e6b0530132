// The yardstick for the program's start-up: a Qt Widgets program that shows
// one window with one label in the program's title typeface (any program
// that shows text pays for loading the font database), then opens two more from
// a menu item, one maximized as the large generators open and one plain as the
// small windows do. It prints what quendaro_startup_benchmark prints, timed by
// the same probe:
//
//   shown BareWindow <microseconds since the epoch>
//   open BareMaximized <microseconds from the menu item to the window>
//   open BarePlain <...>
//   peak-rss-kib <largest resident set of the run>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "FirstPaintProbe.h"
#include "ui/kit/Fonts.h"

namespace {

using Clock = std::chrono::steady_clock;

long long MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() -
                                                               start)
      .count();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  quendaro::FirstPaintProbe probe;

  QWidget window;
  window.setObjectName(QStringLiteral("BareWindow"));
  auto* label = new QLabel(QStringLiteral("Quendaro 32"), &window);
  label->setFont(
      quendaro::RoleFont(quendaro::FontRole::kDecorative, 30, QFont::Bold));
  (new QVBoxLayout(&window))->addWidget(label);
  std::vector<std::unique_ptr<QWidget>> opened;
  Clock::time_point acted;

  const auto open = [&](const QString& name, bool maximized) {
    auto* item = new QAction(name, &window);
    QObject::connect(item, &QAction::triggered, &window, [&, name, maximized] {
      auto next = std::make_unique<QWidget>();
      next->setObjectName(name);
      if (maximized) {
        next->showMaximized();
      } else {
        next->show();
      }
      opened.push_back(std::move(next));
    });
    return item;
  };
  QAction* maximized = open(QStringLiteral("BareMaximized"), true);
  QAction* plain = open(QStringLiteral("BarePlain"), false);

  const auto report_and_then = [&](const char* name, auto next) {
    return [&, name, next] {
      std::printf("open %s %lld\n", name, MicrosecondsSince(acted));
      next();
    };
  };
  const auto finish = [] {
    std::printf("peak-rss-kib %ld\n",
                quendaro::FirstPaintProbe::PeakResidentKib());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  };
  const auto open_plain = [&] {
    probe.Await(QStringLiteral("BarePlain"),
                report_and_then("BarePlain", finish));
    acted = Clock::now();
    plain->trigger();
  };
  const auto open_maximized = [&] {
    probe.Await(QStringLiteral("BareMaximized"),
                report_and_then("BareMaximized", open_plain));
    acted = Clock::now();
    maximized->trigger();
  };

  probe.Await(QStringLiteral("BareWindow"), [&] {
    std::printf("shown BareWindow %lld\n",
                quendaro::FirstPaintProbe::EpochMicroseconds());
    open_maximized();
  });
  window.show();
  return QApplication::exec();
}
