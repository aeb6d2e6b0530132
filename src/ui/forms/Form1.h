#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "random/RandomSource.h"
#include "ui/forms/GeneratorShell.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quendaro {

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

  QWidget* BuildTitle();
  QWidget* BuildCharacterPanel();
  QWidget* BuildAbilityPanel();
  QWidget* BuildFooter();

  GeneratorShell shell_;
  // What the last "PNG casuale" drew into the race, class, alignment and sex
  // lists (empty where the game master's choice was kept), so that the next
  // one tells the game master's own choices from the dice's.
  std::array<QString, 4> drawn_;

  QComboBox* Combo1 = nullptr;      // race
  QComboBox* Combo2 = nullptr;      // class
  QComboBox* Combo3 = nullptr;      // alignment
  QComboBox* combo4 = nullptr;      // sex
  QLineEdit* Text2 = nullptr;       // strength score
  QLineEdit* Text3 = nullptr;       // dexterity score
  QLineEdit* Text4 = nullptr;       // constitution score
  QLineEdit* Text5 = nullptr;       // intelligence score
  QLineEdit* Text6 = nullptr;       // wisdom score
  QLineEdit* Text7 = nullptr;       // charisma score
  QLineEdit* Text8 = nullptr;       // height in cm
  QLineEdit* Text9 = nullptr;       // weight in kg
  QLineEdit* Text10 = nullptr;      // exceptional-strength percentile
  QLineEdit* Text11 = nullptr;      // name
  QLineEdit* Text12 = nullptr;      // age in years
  QLabel* Label22 = nullptr;        // age category
  QLabel* Label23 = nullptr;        // strength table row
  QLabel* Label24 = nullptr;        // dexterity table row
  QLabel* Label25 = nullptr;        // constitution table row
  QLabel* Label26 = nullptr;        // intelligence table row
  QLabel* Label27 = nullptr;        // wisdom table row
  QLabel* Label28 = nullptr;        // charisma table row
  QLabel* Label30 = nullptr;        // average
  QLabel* Label35 = nullptr;        // total
  QPushButton* Command1 = nullptr;  // "Tira i dadi"
  QPushButton* Command2 = nullptr;  // "Cancella"
};

}  // namespace quendaro
