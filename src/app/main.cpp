#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));

  QWidget window;
  window.setWindowTitle(QStringLiteral("Quendaro 32"));
  window.show();
  return QApplication::exec();
}
