#pragma once

#include <QWidget>

#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

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
  explicit Form8(Navigator* navigator = nullptr, Platform* platform = nullptr,
                 QWidget* parent = nullptr);

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

  QLabel* Label5 = nullptr;      // the instruction line
  PictureBox* Image1 = nullptr;  // die icon: character generator
  PictureBox* Image2 = nullptr;  // sword icon: weapon generator
  PictureBox* Image3 = nullptr;  // amulet icon: treasure generator
  PictureBox* Image4 = nullptr;  // door icon: "ESCI"
  ClickLabel* Label1 = nullptr;  // "Generatore PG-PNG"
  ClickLabel* Label2 = nullptr;  // "Generatore Armi intelligenti"
  ClickLabel* Label3 = nullptr;  // "Generatore di Tesori"
  ClickLabel* Label4 = nullptr;  // "ESCI"
};

}  // namespace quendaro
