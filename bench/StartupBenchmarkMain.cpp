// quendaro_startup_benchmark [Form1|Form3|Form5]: the program, set up as
// quendaro sets itself up, under the start-up measurements of
// StartupBenchmark. The generator defaults to the character window.

#include <QApplication>
#include <cstdio>

#include "StartupBenchmark.h"
#include "random/RandomSource.h"
#include "ui/Pictures.h"
#include "ui/Platform.h"
#include "ui/WindowManager.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString generator =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Form1");
  if (argc > 2 || !quendaro::StartupBenchmark::Opens(generator)) {
    std::fprintf(stderr, "usage: %s [Form1|Form3|Form5]\n", argv[0]);
    return 2;
  }

  // What quendaro's main does before its first window.
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setWindowIcon(quendaro::ProgramIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  quendaro::DesktopPlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);

  quendaro::StartupBenchmark benchmark(windows, generator);
  benchmark.Run();
  return QApplication::exec();
}
