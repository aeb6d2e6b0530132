#pragma once

#include <QWidget>

#include "ui/kit/Navigator.h"

class QLabel;

namespace quendaro {

class ClickLabel;
class PictureBox;

// The main menu: four pictures with their labels, three leading to the large
// generators and one closing the menu. A click on a picture or its label
// first marks the choice (the label turns light red, the picture gets a
// border), then goes there.
class Form8 : public QWidget {
  Q_OBJECT

 public:
  explicit Form8(Navigator* navigator = nullptr, QWidget* parent = nullptr);

 private slots:
  void Image1_Click();
  void Image2_Click();
  void Image3_Click();
  void Image4_Click();
  void Label1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label4_Click();

 private:
  void Mark(ClickLabel* label, PictureBox* image);
  void Open(FormId target, ClickLabel* label, PictureBox* image);
  void Leave();

  Navigator* navigator_;

  QLabel* Label5 = nullptr;
  PictureBox* Image1 = nullptr;
  PictureBox* Image2 = nullptr;
  PictureBox* Image3 = nullptr;
  PictureBox* Image4 = nullptr;
  ClickLabel* Label1 = nullptr;
  ClickLabel* Label2 = nullptr;
  ClickLabel* Label3 = nullptr;
  ClickLabel* Label4 = nullptr;
};

}  // namespace quendaro
