#include <QApplication>

#include "random/RandomSource.h"
#include "ui/Pictures.h"
#include "ui/Platform.h"
#include "ui/WindowManager.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
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
  windows.Start();
  // The windows a player opens next are built while the logo is up.
  windows.BuildAheadWhenIdle();
  return QApplication::exec();
}
