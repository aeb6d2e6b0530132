#pragma once

#include <QWidget>

#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QLabel;

namespace quendaro {

class ClickLabel;
class PictureBox;

// The start window: the logo, the product name and version, a credit line
// and a contact line, without a title bar. A click on the logo, on the name
// or on "FOR  Win95" leads to the main menu; the other labels do not react.
class Form7 : public QWidget {
  Q_OBJECT

 public:
  explicit Form7(Navigator* navigator = nullptr, Platform* platform = nullptr,
                 QWidget* parent = nullptr);

 private slots:
  void Image1_Click();
  void Label1_Click();
  void Label4_Click();

 private:
  void OpenMainMenu();

  Navigator* navigator_;

  PictureBox* Image1 = nullptr;  // the logo: opens the main menu
  ClickLabel* Label1 = nullptr;  // "Quendaro 32": opens the main menu
  QLabel* Label2 = nullptr;      // credit line
  QLabel* Label3 = nullptr;      // "V.1.00 c"
  ClickLabel* Label4 = nullptr;  // "FOR  Win95": opens the main menu
  QLabel* Label5 = nullptr;      // contact line
};

}  // namespace quendaro
