#pragma once

#include <QWidget>

#include "random/RandomSource.h"
#include "ui/forms/GeneratorShell.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quendaro {

// The name generator, "Genera-Nomi": the user picks male or female names in
// the "Nomi" frame and "Genera" shows one drawn by the NameGenerator. With
// neither picked the window warns and sends the user back to the character
// window, through the navigator when there is one.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  Form2(RandomSource& random, Platform& platform,
        Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private slots:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();

 private:
  void BuildLayout();

  GeneratorShell shell_;

  QGroupBox* Frame1 = nullptr;      // "Nomi": holds the two options
  QRadioButton* Option1 = nullptr;  // male names
  QRadioButton* Option2 = nullptr;  // female names
  QPushButton* Command1 = nullptr;  // "Genera"
  QPushButton* Command2 = nullptr;  // "Cancella"
  QLabel* Label1 = nullptr;         // the name
};

}  // namespace quendaro
