// quendaro_startup_benchmark [--on-demand] [Form1|Form3|Form5]: the program,
// set up as quendaro sets itself up, under the measurements of
// StartupBenchmark. The generator defaults to the character window;
// --on-demand builds each window only when it is opened, as the program did
// before it built them ahead. Messages go to standard error instead of a
// modal box, which nobody would close.

#include <QApplication>
#include <cstdio>

#include "ConsolePlatform.h"
#include "StartupBenchmark.h"
#include "random/RandomSource.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/Platform.h"
#include "ui/shell/WindowManager.h"

namespace {

using quendaro::bench::ConsolePlatform;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments().mid(1);
  const bool on_demand = arguments.removeAll(QStringLiteral("--on-demand")) > 0;
  const QString generator =
      arguments.isEmpty() ? QStringLiteral("Form1") : arguments.first();
  if (arguments.size() > 1 || !quendaro::StartupBenchmark::Opens(generator)) {
    std::fprintf(stderr, "usage: %s [--on-demand] [Form1|Form3|Form5]\n",
                 argv[0]);
    return 2;
  }

  // What quendaro's main does before its first window.
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setWindowIcon(quendaro::ProgramIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  ConsolePlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);

  quendaro::StartupBenchmark benchmark(windows, generator, !on_demand);
  benchmark.Run();
  return QApplication::exec();
}
