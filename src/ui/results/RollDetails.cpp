#include "ui/results/RollDetails.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace quendaro {

RollDetails::RollDetails(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("RollDetails"));
  setWindowTitle(QStringLiteral("Dettagli dei tiri"));
  setModal(false);

  Heading = new QLabel(this);
  Heading->setObjectName(QStringLiteral("Heading"));
  Heading->setWordWrap(true);
  StepList = new QListWidget(this);
  StepList->setObjectName(QStringLiteral("StepList"));
  StepList->setAccessibleName(QStringLiteral("Tiri e regole"));
  StepList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  StepList->setMinimumSize(480, 280);

  CommandLine = new QLineEdit(this);
  CommandLine->setObjectName(QStringLiteral("CommandLine"));
  CommandLine->setReadOnly(true);
  CommandLine->setAccessibleName(QStringLiteral("Riga di comando"));
  CommandLine->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  CommandCaption =
      new QLabel(QStringLiteral("Per rifarlo dalla &riga di comando:"), this);
  CommandCaption->setObjectName(QStringLiteral("CommandCaption"));
  CommandCaption->setBuddy(CommandLine);

  auto* buttons = new QDialogButtonBox(this);
  Copy = buttons->addButton(QStringLiteral("&Copia"),
                            QDialogButtonBox::ActionRole);
  Copy->setObjectName(QStringLiteral("Copy"));
  Copy->setToolTip(QStringLiteral("Copia i tiri negli appunti"));
  Save = buttons->addButton(QStringLiteral("&Salva..."),
                            QDialogButtonBox::ActionRole);
  Save->setObjectName(QStringLiteral("Save"));
  Save->setToolTip(QStringLiteral("Salva i tiri in un file di testo"));
  Close = buttons->addButton(QStringLiteral("C&hiudi"),
                             QDialogButtonBox::RejectRole);
  Close->setObjectName(QStringLiteral("Close"));
  connect(Copy, &QPushButton::clicked, this, &RollDetails::Copy_Click);
  connect(Save, &QPushButton::clicked, this, &RollDetails::Save_Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Heading);
  layout->addWidget(StepList, 1);
  layout->addWidget(CommandCaption);
  layout->addWidget(CommandLine);
  layout->addWidget(buttons);
  SetLines({});
  SetCommand({});
}

void RollDetails::SetCommand(const QString& command) {
  CommandLine->setText(command);
  CommandLine->setCursorPosition(0);
  CommandCaption->setVisible(!command.isEmpty());
  CommandLine->setVisible(!command.isEmpty());
}

void RollDetails::SetLines(const QStringList& lines) {
  StepList->clear();
  StepList->addItems(lines);
  Heading->setText(lines.empty()
                       ? QStringLiteral("Nessun tiro: l'ultima generazione "
                                        "non ne ha fatti, o non ce n'è ancora "
                                        "stata una.")
                       : QStringLiteral("Tiri e regole dell'ultima "
                                        "generazione, nell'ordine:"));
  Copy->setEnabled(!lines.empty());
  Save->setEnabled(!lines.empty());
}

QString RollDetails::StepsText() const {
  QString text;
  for (int i = 0; i < StepList->count(); ++i) {
    text += StepList->item(i)->text() + QLatin1Char('\n');
  }
  return text;
}

void RollDetails::Copy_Click() {
  QGuiApplication::clipboard()->setText(StepsText());
}

void RollDetails::Save_Click() {
  // Qt's own dialog, opened without blocking, so that the panel behaves the
  // same on every desktop.
  auto* dialog =
      new QFileDialog(this, QStringLiteral("Salva i tiri"), QString(),
                      QStringLiteral("File di testo (*.txt)"));
  dialog->setObjectName(QStringLiteral("SaveDialog"));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setDefaultSuffix(QStringLiteral("txt"));
  dialog->selectFile(QStringLiteral("dettagli-dei-tiri.txt"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QFileDialog::fileSelected, this,
          [this](const QString& path) { SaveTo(path); });
  dialog->open();
}

bool RollDetails::SaveTo(const QString& path) {
  QSaveFile file(path);
  const QByteArray bytes = StepsText().toUtf8();
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
      file.commit()) {
    return true;
  }
  platform_.ShowMessage(this, QStringLiteral("Impossibile salvare i tiri in "
                                             "«%1»: %2")
                                  .arg(path, file.errorString()));
  return false;
}

}  // namespace quendaro
