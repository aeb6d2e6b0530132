#pragma once

#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

#include "npc/Party.h"
#include "random/RandomSource.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QComboBox;
class QJsonObject;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quendaro {

class ResultActions;
class RollAudit;

// "Gruppo di PNG": a whole party of non-player characters at once, one table
// row each with what a game master needs at the table (name, race, class,
// alignment, sex, age, level, hit points, THAC0, the five saving throws and
// the six scores). The game master sets how many, the level and, if wanted,
// the race, class and alignment; the rest is the NPC generator's. A row can
// be rolled again alone, or opened in the character window; the "&File" menu
// copies, saves, prints and exports the party as a party sheet, and the
// history keeps every party made.
class PartyWindow : public QMainWindow {
  Q_OBJECT

 public:
  PartyWindow(RandomSource& random, Platform& platform,
              Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private:
  void Generate_Click();  // "Genera gruppo"
  void Reroll_Click();    // "Ritira il PNG": the selected row again
  void Open_Click();      // "Apri nella scheda": the selected row in Form1
  void Clear_Click();     // "Cancella"

  // A party of the history, put back: rolled again from its dice when they
  // make the same rows, otherwise only its rows' texts.
  void Reopened(const QJsonObject& entry);

  void BuildMenuBar();
  QWidget* BuildInputs();
  QWidget* BuildButtons();
  // The locks of the three lists: what is not "nessuna"/"nessuno".
  NpcRequest Request() const;
  // Writes `party_` into the table and hands its document on.
  void ShowParty();
  // Writes one row of texts per NPC, under NpcColumns(), into the table.
  void ShowRows(const std::vector<std::vector<std::string>>& rows);
  void FitTable();
  int WidestWord(int column) const;
  void UpdateButtons();
  int SelectedRow() const;

  RandomSource& random_;
  Platform& platform_;
  Navigator* navigator_;
  ResultActions* results_ = nullptr;  // copying, saving, printing, history
  RollAudit* rolls_ = nullptr;        // "Dettagli dei tiri": the last steps
  // The party shown; none before the first, after "Cancella", and for a
  // party of the history whose dice no longer make its rows, whose texts
  // alone are shown.
  std::optional<Party> party_;
  // Where the dice of the party shown began, and of each row rolled again
  // alone since, in order: what puts the party back when it is reopened.
  // Only a party without rerolls has a command line that makes it again.
  std::optional<RandomState> start_;
  std::vector<PartyReroll> rerolls_;

  QSpinBox* count_ = nullptr;        // how many NPCs, 1-12
  QSpinBox* level_ = nullptr;        // their level, 1-20
  QComboBox* race_ = nullptr;        // a race for all, or "nessuna"
  QComboBox* class_ = nullptr;       // a class for all, or "nessuna"
  QComboBox* alignment_ = nullptr;   // an alignment for all, or "nessuno"
  QPushButton* generate_ = nullptr;  // "Genera gruppo"
  QTableWidget* table_ = nullptr;    // one row per NPC
  QPushButton* reroll_ = nullptr;    // "Ritira il PNG"
  QPushButton* open_ = nullptr;      // "Apri nella scheda"
  QPushButton* clear_ = nullptr;     // "Cancella"
};

}  // namespace quendaro
