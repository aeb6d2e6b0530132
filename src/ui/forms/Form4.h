#pragma once

#include <QWidget>
#include <array>

#include "hitpoints/ClassGroup.h"
#include "hitpoints/HitPointRoller.h"
#include "random/RandomSource.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quendaro {

class ResultActions;
class RollAudit;

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

  RandomSource& random_;
  Platform& platform_;
  RollAudit* rolls_ = nullptr;  // "Dettagli dei tiri": the last steps
  Navigator* navigator_;
  // Copying, saving and printing the latest result, and its history.
  ResultActions* results_ = nullptr;

  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command6 = nullptr;
  QPushButton* Command7 = nullptr;
  QPushButton* Command8 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLineEdit* Text6 = nullptr;
  QLineEdit* Text7 = nullptr;
  QLineEdit* Text8 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* Combo1 = nullptr;
  QCheckBox* Check1 = nullptr;

  // The class button the generate key presses: the one last pressed.
  QPushButton* last_roll_ = nullptr;
};

}  // namespace quendaro
