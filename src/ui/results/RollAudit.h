#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

#include "random/RandomSource.h"
#include "random/RollLog.h"
#include "ui/kit/Platform.h"

class QAction;
class QWidget;

namespace quendaro {

class RollDetails;

// A window's roll audit: it keeps the steps of the window's last generation,
// in words, and offers the "Dettagli dei tiri" item (Ctrl+D) that opens the
// panel listing them. The window holds a ScopedRollLog across its call to the
// generator and hands its steps to SetSteps; a reopened history entry hands
// back the lines it kept to SetLines. The panel is made the first time it is
// asked for, so a window that never shows it pays only for the item.
class RollAudit : public QObject {
  Q_OBJECT

 public:
  RollAudit(QWidget* window, Platform& platform);

  // "Dettagli dei tiri", Ctrl+D: for a menu or a context menu.
  QAction* Action() const { return action_; }

  // The last generation's steps; an open panel shows them at once.
  void SetSteps(const std::vector<RollStep>& steps);
  void SetLines(QStringList lines);
  // One line per step, as the panel shows them.
  const QStringList& Lines() const { return lines_; }

  // The command line that rolls the last generation again; a new
  // generation's steps forget the last one's until it is set.
  void SetCommand(QString command);
  const QString& Command() const { return command_; }

  // Null until the panel is first opened.
  RollDetails* Panel() const { return panel_; }

  void ShowPanel();

 private:
  QWidget* window_;
  Platform& platform_;
  QAction* action_;
  QStringList lines_;
  QString command_;
  RollDetails* panel_ = nullptr;
};

}  // namespace quendaro
