#pragma once

#include <QWidget>

#include "ui/kit/Platform.h"

class QLabel;
class QPushButton;

namespace quendaro {

// The credits: who wrote the program, who tried it and who drew the logo,
// each name with a line about the person in its tooltip. "OK" closes it.
class Form6 : public QWidget {
  Q_OBJECT

 public:
  explicit Form6(Platform* platform = nullptr, QWidget* parent = nullptr);

 private slots:
  void Command1_Click();

 private:
  QLabel* Label1 = nullptr;          // title "Quendaro"
  QLabel* Label8 = nullptr;          // title "32"
  QLabel* Label2 = nullptr;          // "Codice,Menu,Icone :"
  QLabel* Label3 = nullptr;          // "Si ringraziano :"
  QLabel* Label4 = nullptr;          // "LOGO :"
  QLabel* Label5 = nullptr;          // the programmer
  QLabel* Label6 = nullptr;          // the beta testers
  QLabel* Label7 = nullptr;          // the logo's artist
  QLabel* Label9 = nullptr;          // empty, as designed
  QLabel* version_label_ = nullptr;  // "Versione" and the build's version
  QPushButton* Command1 = nullptr;   // "OK": closes the window
};

}  // namespace quendaro
