#include <QApplication>
#include <cstdio>
#include <optional>

#include "app/StartupBenchmark.h"
#include "common/Version.h"
#include "random/RandomSource.h"
#include "ui/Pictures.h"
#include "ui/Platform.h"
#include "ui/WindowManager.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setApplicationVersion(
      QString::fromUtf8(quendaro::kVersion.data(),
                        static_cast<qsizetype>(quendaro::kVersion.size())));
  // A Wayland desktop matches the windows to the menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUENDARO_APP_ID));
  QApplication::setWindowIcon(quendaro::ProgramIcon());
  // The character window may be hidden while others are on screen, and an
  // owned window may outlive the window that opened it: the window manager
  // knows when the last window a player can see is gone, Qt does not.
  QApplication::setQuitOnLastWindowClosed(false);

  quendaro::DesktopPlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);
  QObject::connect(&windows, &quendaro::WindowManager::LastWindowClosed, &app,
                   &QCoreApplication::quit);

  // The switch is read once, here: a plain start pays nothing for the
  // benchmark.
  const std::optional<QString> benchmark_target =
      quendaro::StartupBenchmark::Requested(QCoreApplication::arguments());
  if (benchmark_target) {
    if (!quendaro::StartupBenchmark::Opens(*benchmark_target)) {
      std::fprintf(stderr,
                   "--benchmark-startup opens Form1, Form3 or Form5, not %s\n",
                   qPrintable(*benchmark_target));
      return 2;
    }
    quendaro::StartupBenchmark benchmark(windows, *benchmark_target);
    benchmark.Run();
    return QApplication::exec();
  }
  windows.Start();
  return QApplication::exec();
}
