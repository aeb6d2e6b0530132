#pragma once

#include <QMainWindow>

#include "random/RandomSource.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quendaro {

class ResultActions;
class RollAudit;

// The character window, "Generatore PG-PNG": the game master picks race,
// class and alignment, types name, age, height and weight, and "Tira i dadi"
// asks the CharacterGenerator for a character, shows its messages one box at
// a time and writes every text of the sheet into the window. The rules all
// live in the generator; the window only reads, asks and writes. Its menu bar
// leads to the other windows through the navigator, which may be null when the
// window stands alone.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  Form1(RandomSource& random, Platform& platform,
        Navigator* navigator = nullptr, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void combo1_Change();
  void Combo2_Change();
  void Combo3_Change();

  void menu00_Click();
  void menu02_Click();
  void name_Click();
  void pf_Click();
  void tes_Click();
  void genarm_Click();
  void png_Click();  // "PNG casuale"
  void about_Click();
  void wts_Click();
  void cred_Click();

 private:
  // The key filters of the three number boxes; each returns true when it
  // dropped the key.
  bool text12_KeyPress(const QKeyEvent& key);
  bool text8_KeyPress(const QKeyEvent& key);
  bool text9_KeyPress(const QKeyEvent& key);
  bool RefuseNonDigit(const QKeyEvent& key);
  // The same refusal for text that came in without a key press.
  void RefuseNonDigitText();

  // Names every input and score box for screen readers after its caption.
  void NameControls();

  void BuildMenuBar();
  QWidget* BuildTitle();
  QWidget* BuildCharacterPanel();
  QWidget* BuildAbilityPanel();
  QWidget* BuildFooter();

  RandomSource& random_;
  Platform& platform_;
  RollAudit* rolls_ = nullptr;  // "Dettagli dei tiri": the last steps
  Navigator* navigator_;
  // Copying, saving and printing the latest result, and its history.
  ResultActions* results_ = nullptr;

  QComboBox* Combo1 = nullptr;
  QComboBox* Combo2 = nullptr;
  QComboBox* Combo3 = nullptr;
  QComboBox* combo4 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLineEdit* Text6 = nullptr;
  QLineEdit* Text7 = nullptr;
  QLineEdit* Text8 = nullptr;
  QLineEdit* Text9 = nullptr;
  QLineEdit* Text10 = nullptr;
  QLineEdit* Text11 = nullptr;
  QLineEdit* Text12 = nullptr;
  QLabel* Label22 = nullptr;
  QLabel* Label23 = nullptr;
  QLabel* Label24 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label27 = nullptr;
  QLabel* Label28 = nullptr;
  QLabel* Label30 = nullptr;
  QLabel* Label35 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};

}  // namespace quendaro
