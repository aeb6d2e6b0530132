#include "ui/forms/Form6.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Version.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/ClassicColors.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"

namespace quendaro {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text, const QFont& font,
                  const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  SetTextColor(label, colour);
  return label;
}

}  // namespace

Form6::Form6(Platform* platform, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("Quendaro 32  -  Crediti"));
  MakeSheet(this);

  const QFont title = RoleFont(FontRole::kDecorative, 30, QFont::Bold);
  const QFont heading = RoleFont(FontRole::kSerif, 12, QFont::Bold);
  const QFont name = RoleFont(FontRole::kSerif, 12);

  Label1 = MakeLabel(QStringLiteral("Label1"), QStringLiteral("Quendaro"),
                     title, ClassicColor(4), this);
  Label8 = MakeLabel(QStringLiteral("Label8"), QStringLiteral("32"), title,
                     ClassicColor(12), this);

  Label2 =
      MakeLabel(QStringLiteral("Label2"), QStringLiteral("Codice,Menu,Icone :"),
                heading, ClassicColor(1), this);
  Label3 =
      MakeLabel(QStringLiteral("Label3"), QStringLiteral("Si ringraziano :"),
                heading, ClassicColor(1), this);
  Label4 = MakeLabel(QStringLiteral("Label4"), QStringLiteral("LOGO :"),
                     heading, ClassicColor(1), this);

  Label5 =
      MakeLabel(QStringLiteral("Label5"), QStringLiteral("Ilario Brenzoni"),
                name, ClassicColor(0), this);
  Label5->setToolTip(QStringLiteral(
      "Il fondatore della Morvellan Software nonchè programmatore"));
  Label6 = MakeLabel(QStringLiteral("Label6"),
                     QStringLiteral("Gilda Vessandri e Tobia Orlevi"), name,
                     ClassicColor(0), this);
  Label6->setToolTip(QStringLiteral(
      "I beta testers...ciò significa che se riscontrate qualche baco è "
      "colpa loro."));
  Label7 = MakeLabel(QStringLiteral("Label7"), QStringLiteral("Nerio Calventi"),
                     name, ClassicColor(0), this);
  Label7->setToolTip(QStringLiteral("Colui che disegno i logo"));

  // Which build this is, so that a player reporting a fault can say so.
  version_label_ = MakeLabel(QStringLiteral("version"),
                             QStringLiteral("Versione %1").arg(ToQt(kVersion)),
                             name, ClassicColor(0), this);

  Label9 = MakeLabel(QStringLiteral("Label9"), QString(), name, ClassicColor(0),
                     this);

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setFont(RoleFont(FontRole::kDialog, 10));
  Command1->setAutoDefault(true);
  Command1->setMinimumWidth(96);

  auto* title_row = new QHBoxLayout;
  title_row->setSpacing(12);
  title_row->addStretch();
  title_row->addWidget(Label1);
  title_row->addWidget(Label8);
  title_row->addStretch();

  auto* rule = new QFrame(this);
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  auto* credits = new QGridLayout;
  credits->setHorizontalSpacing(16);
  credits->setVerticalSpacing(10);
  credits->addWidget(Label2, 0, 0, Qt::AlignRight);
  credits->addWidget(Label5, 0, 1);
  credits->addWidget(Label3, 1, 0, Qt::AlignRight);
  credits->addWidget(Label6, 1, 1);
  credits->addWidget(Label4, 2, 0, Qt::AlignRight);
  credits->addWidget(Label7, 2, 1);
  credits->addWidget(Label9, 3, 0, 1, 2);
  credits->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addStretch();

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(24, 16, 24, 16);
  column->setSpacing(12);
  column->addLayout(title_row);
  column->addWidget(version_label_, 0, Qt::AlignHCenter);
  column->addWidget(rule);
  column->addLayout(credits);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
  AddHelpKey(this, platform, kCreditsHelpText);
  CloseOnEscape(this);
  Command1->setFocus();
}

void Form6::Command1_Click() { close(); }

}  // namespace quendaro
