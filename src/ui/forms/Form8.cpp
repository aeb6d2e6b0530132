#include "ui/forms/Form8.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/ClickLabel.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/PictureBox.h"
#include "ui/kit/WindowStyle.h"

namespace quendaro {

namespace {

// The icons are drawn small; half as large again reads well on today's
// screens without losing the look of a row of icons.
constexpr qreal kIconScale = 1.5;

}  // namespace

Form8::Form8(Navigator* navigator, Platform* platform, QWidget* parent)
    : QWidget(parent), navigator_(navigator) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QStringLiteral("Quendaro 32  -  Menù principale"));

  QPalette night = palette();
  night.setColor(QPalette::Window, ClassicColor(0));
  setPalette(night);
  setAutoFillBackground(true);

  Label5 = new QLabel(
      QStringLiteral("Clicca sull'icona corrispondente al generatore a cui "
                     "vuoi accedere."),
      this);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setFont(RoleFont(FontRole::kSerif, 12));
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignCenter);
  SetTextColor(Label5, ClassicColor(15));

  auto* rule = new QFrame(this);
  rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
  SetTextColor(rule, ClassicColor(4));

  struct Choice {
    PictureBox*& image;
    ClickLabel*& label;
    Picture picture;
    const char* image_name;
    const char* label_name;
    QString caption;
  };
  const Choice choices[] = {
      {Image1, Label1, Picture::kDie, "Image1", "Label1",
       QStringLiteral("Generatore PG-PNG")},
      {Image2, Label2, Picture::kSword, "Image2", "Label2",
       QStringLiteral("Generatore Armi intelligenti")},
      {Image3, Label3, Picture::kAmulet, "Image3", "Label3",
       QStringLiteral("Generatore di Tesori")},
      {Image4, Label4, Picture::kDoor, "Image4", "Label4",
       QStringLiteral("ESCI")},
  };

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(12);
  int row = 0;
  for (const Choice& choice : choices) {
    choice.image = new PictureBox(choice.picture, kIconScale, this);
    choice.image->setObjectName(QString::fromLatin1(choice.image_name));
    // A screen reader hears the icon as a button named like its label.
    NameControl(choice.image, choice.caption);
    SetTextColor(choice.image, ClassicColor(15));
    choice.label = new ClickLabel(choice.caption, this);
    choice.label->setObjectName(QString::fromLatin1(choice.label_name));
    choice.label->setFont(RoleFont(FontRole::kDecorative, 16, QFont::Bold));
    SetTextColor(choice.label, ClassicColor(14));
    grid->addWidget(choice.image, row, 0);
    grid->addWidget(choice.label, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 20, 28, 24);
  column->setSpacing(14);
  column->addWidget(Label5);
  column->addWidget(rule);
  column->addLayout(grid);
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(Image1, &PictureBox::clicked, this, &Form8::Image1_Click);
  connect(Image2, &PictureBox::clicked, this, &Form8::Image2_Click);
  connect(Image3, &PictureBox::clicked, this, &Form8::Image3_Click);
  connect(Image4, &PictureBox::clicked, this, &Form8::Image4_Click);
  connect(Label1, &ClickLabel::clicked, this, &Form8::Label1_Click);
  connect(Label2, &ClickLabel::clicked, this, &Form8::Label2_Click);
  connect(Label3, &ClickLabel::clicked, this, &Form8::Label3_Click);
  connect(Label4, &ClickLabel::clicked, this, &Form8::Label4_Click);
  AddHelpKey(this, platform, kMainMenuHelpText);

  Image1->setFocus();
}

void Form8::Image1_Click() { Open(FormId::kForm1, Label1, Image1); }

void Form8::Image2_Click() { Open(FormId::kForm5, Label2, Image2); }

void Form8::Image3_Click() { Open(FormId::kForm3, Label3, Image3); }

void Form8::Image4_Click() { Leave(); }

void Form8::Label1_Click() { Open(FormId::kForm1, Label1, Image1); }

void Form8::Label2_Click() { Open(FormId::kForm5, Label2, Image2); }

void Form8::Label3_Click() { Open(FormId::kForm3, Label3, Image3); }

void Form8::Label4_Click() { Leave(); }

void Form8::Mark(ClickLabel* label, PictureBox* image) {
  SetTextColor(label, ClassicColor(12));
  image->SetBorderStyle(PictureBox::BorderStyle::kFixedSingle);
  // Paint the mark now: the menu may be gone before the next paint.
  label->repaint();
  image->repaint();
}

void Form8::Open(FormId target, ClickLabel* label, PictureBox* image) {
  Mark(label, image);
  if (navigator_ != nullptr) navigator_->SwitchTo(target, this);
}

void Form8::Leave() {
  Mark(Label4, Image4);
  close();
}

}  // namespace quendaro
