#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quendaro {

// The credits: who wrote the program, who tried it and who drew the logo,
// each name with a line about the person in its tooltip. "OK" closes it.
class Form6 : public QWidget {
  Q_OBJECT

 public:
  explicit Form6(QWidget* parent = nullptr);

 private slots:
  void Command1_Click();

 private:
  QLabel* Label1 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* version_label_ = nullptr;  // "Versione" and the build's version
  QPushButton* Command1 = nullptr;
};

}  // namespace quendaro
