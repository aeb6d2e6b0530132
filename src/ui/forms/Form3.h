#pragma once

#include <QJsonObject>
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>

#include "random/RandomSource.h"
#include "treasure/LairTreasureTable.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/contents/ContentsGenerator.h"
#include "ui/forms/GeneratorShell.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quendaro {

class TreasureContentsWindow;

// The lair-treasure window, "Generatore di tesori della tana": the game master
// sets how many times each lair type A to I is present, and "Genera tesoro"
// asks the TreasureGenerator for the coins, gems, art objects and magic-item
// lines and writes them into the three columns. The rules live in the
// generator; the window reads the counts, asks and writes. Its menu bar leads
// to the other windows through the navigator, which may be null when the
// window stands alone. Each lair's contents (every gem, art object and magic
// item) are rolled with it and shown in "Contenuto del tesoro", a window of
// its own that this one opens and keeps up to date.
class Form3 : public QMainWindow {
  Q_OBJECT

 public:
  Form3(RandomSource& random, Platform& platform,
        Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private slots:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();

  void init_Click();
  void ex_Click();
  void pgpng_Click();
  void arm_Click();
  void about_Click();
  void soft_Click();
  void cred_Click();
  // "Contenuto del tesoro": opens the contents window on the last lair.
  void contents_Click();

 private:
  QWidget* BuildTitle();
  void BuildCountColumn(QGridLayout& grid);
  void BuildTotalsColumn(QGridLayout& grid);
  void BuildMagicColumn(QGridLayout& grid);
  void BuildButtons(QGridLayout& grid);
  void FrameColumn(QGridLayout& grid, int first_column, int last_column,
                   int first_line);
  // Empties the fifteen output labels: the magic lines, then the totals.
  void EmptyOutputs();
  // Opens `item`, an intelligent weapon of the lair, in the weapon window.
  void OpenWeapon(const MagicItem& item);
  // The lair of `counts` on `random`, and the seed its contents are rolled
  // from.
  TreasureResult RollLair(const TreasureGenerator::Counts& counts,
                          RandomSource& random,
                          std::uint64_t& contents_seed) const;
  // The lair's contents, rolled from `contents_seed`; their draws go to
  // `log` when there is one.
  LairContents ContentsOf(const TreasureResult& lair,
                          std::uint64_t contents_seed,
                          RollLog* log = nullptr) const;
  // A lair reopened from the history: its lair and contents rolled again
  // from the record's state and counts, for the contents window.
  void Reopened(const QJsonObject& entry);

  GeneratorShell shell_;
  TreasureGenerator generator_;
  ContentsGenerator contents_generator_;
  // The last lair and its contents, for the contents window.
  std::optional<TreasureResult> lair_;
  LairContents contents_;
  QAction* contents_action_ = nullptr;                 // "Contenuto del tesoro"
  TreasureContentsWindow* contents_window_ = nullptr;  // made when first opened

  // In type order A to I: the count boxes Text1 .. Text9 and their spinners
  // UpDown1, UpDown3, UpDown11, UpDown10, UpDown9, UpDown5, UpDown8, UpDown17,
  // UpDown7.
  std::array<QLineEdit*, kTreasureTypeCount> count_boxes_{};
  std::array<QSpinBox*, kTreasureTypeCount> spinners_{};
  // labela, labelb, Labelc .. Labeli.
  std::array<QLabel*, kTreasureTypeCount> magic_lines_{};
  // Label10, Label16, Label13, Label18, Label20, Label22, by TreasureKind.
  std::array<QLabel*, kTreasureKindCount> totals_{};
  QPushButton* Command1 = nullptr;  // "Genera tesoro"
  QPushButton* Command2 = nullptr;  // "Cancella"
};

}  // namespace quendaro
