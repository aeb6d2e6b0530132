#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quendaro {

// "Contenuto del tesoro": the last lair of the treasure window item by item,
// gems by class, art objects, magic items by type letter, each with its
// value, then what the lair is worth. The treasure window owns it, rolls the
// contents and hands each new lair to it while it is open; this window only
// shows them. Activating an intelligent weapon's line (double click or
// Return) asks the owner to open that weapon in the weapon window.
class TreasureContentsWindow final : public QWidget {
  Q_OBJECT

 public:
  using OpenWeapon = std::function<void(const MagicItem&)>;

  TreasureContentsWindow(OpenWeapon open_weapon, QWidget* owner);

  // Shows the contents of `lair`.
  void ShowContents(const TreasureResult& lair, const LairContents& contents);
  // After "Cancella": nothing to show.
  void Clear();

 private:
  void Activated(QTreeWidgetItem* item);

  OpenWeapon open_weapon_;
  QTreeWidget* list_ = nullptr;  // the contents, grouped
  QLabel* value_ = nullptr;      // what the lair is worth
  // The magic items of the lair shown, for the lines that open a weapon.
  std::vector<MagicItem> items_;
};

}  // namespace quendaro
