#pragma once

#include <QMainWindow>

#include "random/RandomSource.h"
#include "ui/forms/GeneratorShell.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "weapon/WeaponGenerator.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quendaro {

// The intelligent-weapon window, "Generatore di armi intelligenti": "Genera
// Arma" asks the WeaponGenerator for a weapon and writes its texts into the
// labels; "Cancella" empties them. The name and type boxes are the game
// master's own notes, which the generation never reads. The menu bar leads
// to the other windows through the navigator, which may be null when the
// window stands alone.
class Form5 : public QMainWindow {
  Q_OBJECT

 public:
  Form5(RandomSource& random, Platform& platform,
        Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private slots:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void combo1_Change();

  void scher1_Click();
  void exit_Click();
  void tes_Click();
  void gen_Click();
  void about_Click();
  void wts_Click();
  void cred_Click();

 private:
  QWidget* BuildDataBox();
  QWidget* BuildAbilityBox();
  QWidget* BuildNote();
  QWidget* BuildFooter();

  GeneratorShell shell_;
  WeaponGenerator generator_;

  QLabel* Label1 = nullptr;         // alignment
  QLabel* Label4 = nullptr;         // intelligence
  QLabel* Label6 = nullptr;         // communication
  QLabel* Label7 = nullptr;         // reading of non-magical writing
  QLabel* Label8 = nullptr;         // reading of magical writing
  QLabel* Label10 = nullptr;        // third ability
  QLabel* Label11 = nullptr;        // second ability
  QLabel* Label12 = nullptr;        // first ability
  QLabel* Label19 = nullptr;        // special purpose
  QLabel* Label20 = nullptr;        // special-purpose power
  QLabel* Label23 = nullptr;        // languages
  QLabel* Label25 = nullptr;        // bonus
  QLabel* Label27 = nullptr;        // ego
  QLineEdit* Text1 = nullptr;       // weapon name
  QComboBox* Combo1 = nullptr;      // weapon type
  QPushButton* Command1 = nullptr;  // "Genera Arma"
  QPushButton* Command2 = nullptr;  // "Cancella"
};

}  // namespace quendaro
