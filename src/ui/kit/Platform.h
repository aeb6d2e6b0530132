#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace quendaro {

// The system services the windows need beyond their own widgets: the modal
// message box, the beep and the regional number settings. Windows reach them
// only through this interface, so that a test can record messages and beeps
// instead of blocking on a real box.
class Platform {
 public:
  virtual ~Platform() = default;

  // A modal box with `text`, one OK button and no icon, titled with the
  // application's name. Returns when the user has closed it.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

  virtual void Beep() = 0;

  // A modal yes/no question; true when the user answers "Sì". The desktop's
  // box by default.
  virtual bool Ask(QWidget* parent, const QString& question);

  // The regional decimal separator, a comma under Italian settings. The
  // generators take it as a plain char; a separator outside ASCII falls back
  // to the point.
  virtual char DecimalSeparator() const = 0;
};

// The real services of the desktop.
class DesktopPlatform final : public Platform {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void Beep() override;
  char DecimalSeparator() const override;
};

// Makes the program's settings file (QSettings: the windows' places, the
// last folder) readable by its owner only, creating it empty when there is
// none yet. QSettings keeps a file's permissions when it writes it again.
void KeepSettingsPrivate();

}  // namespace quendaro
