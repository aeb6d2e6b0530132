#include "ui/results/ResultOutput.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

#include "ui/kit/Platform.h"

namespace quendaro::result_output {
namespace {

constexpr QLatin1String kTextFilter("Testo (*.txt)");
constexpr QLatin1String kMarkdownFilter("Markdown (*.md)");
constexpr QLatin1String kJsonFilter("JSON (*.json)");
constexpr QLatin1String kPdfFilter("PDF (*.pdf)");
constexpr int kPdfResolution = 300;
constexpr qreal kMarginMm = 15;

QByteArray RecordBytes(const ResultDocument& document) {
  return QJsonDocument(document.record).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray Bytes(const ResultDocument& document, FileFormat format) {
  switch (format) {
    case FileFormat::kText:
      return document.plain_text.toUtf8();
    case FileFormat::kMarkdown:
      return document.markdown.toUtf8();
    case FileFormat::kJson:
      return RecordBytes(document);
  }
  return {};
}

QString FailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Impossibile salvare il file \"%1\":\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

QString SuggestedPath(const ResultDocument& document, const QString& suffix) {
  QString stem = document.file_stem.trimmed().isEmpty() ? document.generator
                                                        : document.file_stem;
  // A typed name may hold characters no file name takes on some desktop.
  for (QChar& c : stem) {
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20) {
      c = u'_';
    }
  }
  return QDir(LastFolder()).filePath(stem + suffix);
}

// A file dialog of Qt's own, so that it looks and speaks the same on every
// desktop.
QString AskForFile(QWidget* parent, const QString& title,
                   const QStringList& filters, const QString& suggested,
                   QString* chosen_filter) {
  QFileDialog dialog(parent, title);
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(filters);
  dialog.setDirectory(QFileInfo(suggested).absolutePath());
  dialog.selectFile(QFileInfo(suggested).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  if (chosen_filter != nullptr) *chosen_filter = dialog.selectedNameFilter();
  return dialog.selectedFiles().front();
}

// The extension the chosen filter implies, when the user typed none.
QString WithSuffix(const QString& path, const QString& filter) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  if (filter == kMarkdownFilter) return path + QStringLiteral(".md");
  if (filter == kJsonFilter) return path + QStringLiteral(".json");
  if (filter == kPdfFilter) return path + QStringLiteral(".pdf");
  return path + QStringLiteral(".txt");
}

void PrintHtml(const QString& html, QPagedPaintDevice& device) {
  QTextDocument text;
  text.setHtml(html);
  text.print(&device);
}

}  // namespace

void CopyToClipboard(const ResultDocument& document) {
  auto* data = new QMimeData;
  data->setText(document.plain_text);
  data->setData(QStringLiteral("text/markdown"), document.markdown.toUtf8());
  data->setData(QStringLiteral("application/json"), RecordBytes(document));
  QApplication::clipboard()->setMimeData(data);
}

FileFormat FormatOfFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown")) {
    return FileFormat::kMarkdown;
  }
  if (suffix == QLatin1String("json")) return FileFormat::kJson;
  return FileFormat::kText;
}

bool WriteFile(const ResultDocument& document, FileFormat format,
               const QString& path, QString* error) {
  QSaveFile file(path);
  const QByteArray bytes = Bytes(document, format);
  // The bytes are flushed and checked before the commit, so that a full disk
  // never replaces a good file with a short one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
    if (error != nullptr) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}

bool WritePdf(const ResultDocument& document, const QString& path,
              QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  {
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfResolution);
    pdf.setTitle(document.summary);
    pdf.setCreator(QStringLiteral("Quendaro 32"));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                    QPageLayout::Millimeter));
    PrintHtml(document.html, pdf);
  }
  if (!file.commit()) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  return true;
}

void SaveWithDialog(QWidget* parent, Platform& platform,
                    const ResultDocument& document) {
  QString filter;
  const QString chosen = AskForFile(
      parent, QStringLiteral("Salva con nome"),
      {QString(kTextFilter), QString(kMarkdownFilter), QString(kJsonFilter)},
      SuggestedPath(document, QStringLiteral(".txt")), &filter);
  if (chosen.isEmpty()) return;
  const QString path = WithSuffix(chosen, filter);
  RememberFolderOf(path);
  QString error;
  if (!WriteFile(document, FormatOfFile(path), path, &error)) {
    platform.ShowMessage(parent, FailureMessage(path, error));
  }
}

void ExportPdfWithDialog(QWidget* parent, Platform& platform,
                         const ResultDocument& document) {
  QString filter;
  const QString chosen =
      AskForFile(parent, QStringLiteral("Esporta PDF"), {QString(kPdfFilter)},
                 SuggestedPath(document, QStringLiteral(".pdf")), &filter);
  if (chosen.isEmpty()) return;
  const QString path = WithSuffix(chosen, kPdfFilter);
  RememberFolderOf(path);
  QString error;
  if (!WritePdf(document, path, &error)) {
    platform.ShowMessage(parent, FailureMessage(path, error));
  }
}

void PrintWithDialog(QWidget* parent, const ResultDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(document.summary);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Stampa"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintHtml(document.html, printer);
}

QString LastFolder() {
  const QString folder =
      QSettings().value(QStringLiteral("files/lastFolder")).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberFolderOf(const QString& path) {
  QSettings().setValue(QStringLiteral("files/lastFolder"),
                       QFileInfo(path).absolutePath());
}

}  // namespace quendaro::result_output
