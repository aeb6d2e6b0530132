#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "ui/kit/Platform.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quendaro {

// "Dettagli dei tiri": the draws and rules of a window's last generation,
// one line each, as the game master checks them by hand or shows them to the
// table. "Copia" puts the lines on the clipboard, "Salva..." writes them to
// a text file in one piece, so that a failed write leaves no half a file. The
// panel only shows what it is given; its window decides when.
class RollDetails : public QDialog {
  Q_OBJECT

 public:
  RollDetails(Platform& platform, QWidget* parent);

  // One line per draw or rule.
  void SetLines(const QStringList& lines);

  // The command line that rolls the same result again, shown below the
  // lines to be selected and copied; hidden when empty.
  void SetCommand(const QString& command);

  // The lines as shown, each ending with a line break.
  QString StepsText() const;

  // Writes the lines to `path`; on failure says so in a message box and
  // returns false.
  bool SaveTo(const QString& path);

 private slots:
  void Copy_Click();
  void Save_Click();

 private:
  Platform& platform_;
  QLabel* Heading = nullptr;        // what the list shows, or that it is empty
  QListWidget* StepList = nullptr;  // one line per draw or rule
  QLabel* CommandCaption = nullptr;
  QLineEdit* CommandLine = nullptr;  // the command that rolls it again
  QPushButton* Copy = nullptr;
  QPushButton* Save = nullptr;
  QPushButton* Close = nullptr;
};

}  // namespace quendaro
