#include "ui/kit/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace quendaro {

void DesktopPlatform::ShowMessage(QWidget* parent, const QString& text) {
  // An empty title lets the platform show the application's name.
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

bool Platform::Ask(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, QString(), question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
  box.button(QMessageBox::No)->setText(QStringLiteral("No"));
  return box.exec() == QMessageBox::Yes;
}

void DesktopPlatform::Beep() { QApplication::beep(); }

char DesktopPlatform::DecimalSeparator() const {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1 && point.front().unicode() < 0x80) {
    return static_cast<char>(point.front().unicode());
  }
  return '.';
}

void KeepSettingsPrivate() {
  const QString path = QSettings().fileName();
  constexpr QFile::Permissions kOwnerOnly =
      QFile::ReadOwner | QFile::WriteOwner;
  if (!QFileInfo::exists(path)) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile(path).open(QIODevice::WriteOnly, kOwnerOnly);
  }
  QFile::setPermissions(path, kOwnerOnly);
}

}  // namespace quendaro
