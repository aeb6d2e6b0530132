#pragma once

#include <QWidget>
#include <array>

#include "hitpoints/ClassGroup.h"
#include "hitpoints/HitPointRoller.h"
#include "random/RandomSource.h"
#include "ui/forms/GeneratorShell.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quendaro {

// The hit-point roller, "Tira Punti-ferita (PF)": one row per class group,
// each with its roll button, its hit die, the rolled hit points and a button
// that clears that row alone. The level box and the reroll option apply to
// every row. The table lives in HitPointRoller; the window reads the level
// and the option, asks, and writes the answer into the pressed row.
class Form4 : public QWidget {
  Q_OBJECT

 public:
  Form4(RandomSource& random, Platform& platform,
        Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private slots:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();

 private:
  void BuildLayout();
  // Sizes the die, hit-point and clear columns so that the words of the
  // header stand over the middle of their columns.
  void AlignColumnsUnderHeader(QGridLayout* grid);
  void RollInto(ClassGroup group, QLineEdit* box);
  // The box's own context menu, with "Dettagli dei tiri" at its foot.

  GeneratorShell shell_;

  QPushButton* Command1 = nullptr;  // "Militare": rolls into Text5
  QPushButton* Command2 = nullptr;  // "Vagabondo": rolls into Text6
  QPushButton* Command3 = nullptr;  // "Sacerdote": rolls into Text7
  QPushButton* Command4 = nullptr;  // "Esperto di magia": rolls into Text8
  QPushButton* Command5 = nullptr;  // clears Text5
  QPushButton* Command6 = nullptr;  // clears Text6
  QPushButton* Command7 = nullptr;  // clears Text7
  QPushButton* Command8 = nullptr;  // clears Text8
  QLineEdit* Text1 = nullptr;       // warrior die ("max")
  QLineEdit* Text2 = nullptr;       // rogue die ("max")
  QLineEdit* Text3 = nullptr;       // priest die ("max")
  QLineEdit* Text4 = nullptr;       // wizard die ("max")
  QLineEdit* Text5 = nullptr;       // warrior hit points
  QLineEdit* Text6 = nullptr;       // rogue hit points
  QLineEdit* Text7 = nullptr;       // priest hit points
  QLineEdit* Text8 = nullptr;       // wizard hit points
  QLabel* Label1 = nullptr;         // column header
  QLabel* Label2 = nullptr;         // "N. Livello :"
  QComboBox* Combo1 = nullptr;      // level
  QCheckBox* Check1 = nullptr;      // reroll below half

  // The class button the generate key presses: the one last pressed.
  QPushButton* last_roll_ = nullptr;
};

}  // namespace quendaro
