#include "ui/forms/Form2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string_view>

#include "names/NameGenerator.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/Accessibility.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/QtText.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultTexts.h"

namespace quendaro {
namespace {

constexpr std::string_view kCaption = "Genera-Nomi";
constexpr std::string_view kFrameCaption = "Nomi";
constexpr std::string_view kMaleCaption = "Maschili";
constexpr std::string_view kMaleTooltip =
    "Selezionado questa opzione verranno visualizzati nomi maschili";
constexpr std::string_view kFemaleCaption = "Femminili";
constexpr std::string_view kFemaleTooltip =
    "Selezionado questa opzione verranno visualizzati nomi femminili";
constexpr std::string_view kGenerateCaption = "&Genera";
constexpr std::string_view kGenerateTooltip =
    "Genera un nome tra oltre 2200 possibilità";
constexpr std::string_view kClearCaption = "&Cancella";
constexpr std::string_view kClearTooltip = "elimina il nome visualizzato";

}  // namespace

Form2::Form2(RandomSource& random, Platform& platform, Navigator* navigator,
             QWidget* parent)
    : QWidget(parent),
      shell_(*this, random, platform, navigator, kNameHelpText) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(ToQt(kCaption));
  MakeSheet(this);
  BuildLayout();
  shell_.results().AddCopyMenu(*Label1);

  connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
  shell_.Finish(Command1, nullptr, [this] { Form_Load(); });
}

void Form2::BuildLayout() {
  Frame1 = new QGroupBox(ToQt(kFrameCaption), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Option1 = new QRadioButton(ToQt(kMaleCaption), Frame1);
  Option1->setObjectName(QStringLiteral("Option1"));
  Option1->setToolTip(ToQt(kMaleTooltip));
  Option2 = new QRadioButton(ToQt(kFemaleCaption), Frame1);
  Option2->setObjectName(QStringLiteral("Option2"));
  Option2->setToolTip(ToQt(kFemaleTooltip));
  // The frame's caption is a heading; its options keep black text.
  SetTextColor(Frame1, HeadingColor());
  for (QRadioButton* option : {Option1, Option2}) {
    SetTextColor(option, Qt::black);
  }
  auto* options = new QVBoxLayout(Frame1);
  options->addWidget(Option1);
  options->addWidget(Option2);

  Command1 = new QPushButton(ToQt(kGenerateCaption), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(ToQt(kGenerateTooltip));
  Command1->setDefault(true);
  Command2 = new QPushButton(ToQt(kClearCaption), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(ToQt(kClearTooltip));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  buttons->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(Frame1, 1);
  top->addLayout(buttons);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(RoleFont(FontRole::kSerif, 16, QFont::Bold));
  MakeResultBox(Label1);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                  Qt::TextSelectableByKeyboard);
  Label1->addAction(shell_.rolls().Action());
  NameControl(Label1, QStringLiteral("Nome"));
  // Room for the longest names (Thornthirelithae) so the
  // window does not jump as names come and go.
  Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(
                              QStringLiteral("Thornthirelithae")) +
                          24);
  Label1->setMinimumHeight(Label1->fontMetrics().height() + 16);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 14);
  layout->setSpacing(10);
  layout->addLayout(top);
  layout->addWidget(Label1);
  layout->addStretch(1);
}

void Form2::Form_Load() {
  if (Label1->text().isEmpty()) Command2->setEnabled(false);
}

void Form2::Command1_Click() {
  Command2->setEnabled(true);
  NameChoice choice = NameChoice::kNone;
  if (Option1->isChecked()) {
    choice = NameChoice::kMale;
  } else if (Option2->isChecked()) {
    choice = NameChoice::kFemale;
  }
  const NameResult result = shell_.Audited([choice](RandomSource& random) {
    return NameGenerator().GenerateName(choice, random);
  });
  if (result.warning) {
    shell_.ShowMessage(ToQt(*result.warning));
    Command2->setEnabled(false);
    shell_.Show(FormId::kForm1);
  }
  Label1->setText(QString::fromStdString(result.name));
  if (!result.warning) {
    shell_.results().Publish(NameDocument(result, shell_.Start()));
  } else {
    shell_.results().Withdraw();
  }
}

void Form2::Command2_Click() {
  Label1->clear();
  Command2->setEnabled(false);
  shell_.results().Withdraw();
}

}  // namespace quendaro
