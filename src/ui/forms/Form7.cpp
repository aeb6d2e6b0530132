#include "ui/forms/Form7.h"

#include <QFrame>
#include <QHBoxLayout>
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

Form7::Form7(Navigator* navigator, Platform* platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      navigator_(navigator) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QString());

  QPalette night = palette();
  night.setColor(QPalette::Window, ClassicColor(0));
  setPalette(night);
  setAutoFillBackground(true);

  // Without a title bar the window needs an edge of its own to stand out
  // from the desktop behind it.
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(2);
  SetTextColor(frame, ClassicColor(4));

  Image1 = new PictureBox(Picture::kLogo, 2.0, frame);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setToolTip(QStringLiteral("Clicca qui per iniziare"));
  NameControl(Image1, QStringLiteral("Quendaro 32"));

  Label1 = new ClickLabel(QStringLiteral("Quendaro 32"), frame);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(RoleFont(FontRole::kDecorative, 30, QFont::Bold));
  Label1->setAlignment(Qt::AlignCenter);
  SetTextColor(Label1, ClassicColor(14));

  Label3 = new QLabel(QStringLiteral("V.1.00 c"), frame);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(RoleFont(FontRole::kSerif, 13, QFont::Bold));
  SetTextColor(Label3, ClassicColor(15));

  Label4 = new ClickLabel(QStringLiteral("FOR  Win95"), frame);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setFont(RoleFont(FontRole::kSerif, 13, QFont::Bold));
  Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetTextColor(Label4, ClassicColor(12));

  Label2 = new QLabel(
      QStringLiteral(
          "Un programma di Ilario Brenzoni per la Morvellan Software"),
      frame);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(RoleFont(FontRole::kSerif, 10));
  Label2->setAlignment(Qt::AlignCenter);
  SetTextColor(Label2, ClassicColor(7));

  Label5 = new QLabel(
      QStringLiteral("Scriveteci: morvellan.software@example.org"), frame);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setFont(RoleFont(FontRole::kSerif, 10));
  Label5->setAlignment(Qt::AlignCenter);
  SetTextColor(Label5, ClassicColor(7));

  auto* version = new QHBoxLayout;
  version->addWidget(Label3);
  version->addStretch();
  version->addWidget(Label4);

  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(24, 20, 24, 16);
  column->setSpacing(8);
  column->addWidget(Image1, 0, Qt::AlignHCenter);
  column->addWidget(Label1);
  column->addLayout(version);
  column->addSpacing(10);
  column->addWidget(Label2);
  column->addWidget(Label5);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  outer->setSizeConstraint(QLayout::SetFixedSize);

  connect(Image1, &PictureBox::clicked, this, &Form7::Image1_Click);
  connect(Label1, &ClickLabel::clicked, this, &Form7::Label1_Click);
  connect(Label4, &ClickLabel::clicked, this, &Form7::Label4_Click);
  AddHelpKey(this, platform, kStartHelpText);

  Image1->setFocus();
}

void Form7::Image1_Click() { OpenMainMenu(); }

void Form7::Label1_Click() { OpenMainMenu(); }

void Form7::Label4_Click() { OpenMainMenu(); }

void Form7::OpenMainMenu() {
  if (navigator_ != nullptr) navigator_->SwitchTo(FormId::kForm8, this);
}

}  // namespace quendaro
