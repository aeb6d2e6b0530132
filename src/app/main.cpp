#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "common/Version.h"
#include "history/HistoryStore.h"
#include "random/RandomSource.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/Platform.h"
#include "ui/kit/QtText.h"
#include "ui/shell/WindowManager.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setApplicationVersion(quendaro::ToQt(quendaro::kVersion));
  // A Wayland desktop matches the windows to the menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUENDARO_APP_ID));
  QApplication::setOrganizationName(QStringLiteral("Quendaro"));
  quendaro::KeepSettingsPrivate();
  // Qt's own texts (context menus, file and print dialogs) in Italian, like
  // the rest of the program.
  QTranslator qt_texts;
  if (qt_texts.load(QStringLiteral("qtbase_it"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }
  QApplication::setWindowIcon(quendaro::ProgramIcon());
  // The character window may be hidden while others are on screen, and an
  // owned window may outlive the window that opened it: the window manager
  // knows when the last window a player can see is gone, Qt does not.
  QApplication::setQuitOnLastWindowClosed(false);

  quendaro::DesktopPlatform platform;
  quendaro::RandomSource random;
  // Two players who start the program in the same instant still roll apart.
  random.MixEntropy();
  quendaro::WindowManager windows(random, platform);
  windows.SetHistory(quendaro::HistoryStore::DefaultPath());
  windows.RememberPlaces(true);
  QObject::connect(&windows, &quendaro::WindowManager::LastWindowClosed, &app,
                   &QCoreApplication::quit);
  windows.Start();
  // The windows a player opens next are built while the logo is up.
  windows.BuildAheadWhenIdle();
  return QApplication::exec();
}
