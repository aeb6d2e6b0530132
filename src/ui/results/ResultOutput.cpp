#include "ui/results/ResultOutput.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "presentation/Record.h"
#include "presentation/Sheets.h"
#include "ui/kit/Platform.h"
#include "ui/results/ResultTexts.h"

namespace quendaro::result_output {
namespace {

constexpr QLatin1String kTextFilter("Testo (*.txt)");
constexpr QLatin1String kMarkdownFilter("Markdown (*.md)");
constexpr QLatin1String kJsonFilter("JSON (*.json)");
constexpr QLatin1String kPdfFilter("PDF (*.pdf)");
constexpr int kPdfResolution = 300;
constexpr qreal kMarginMm = 15;

// A document reopened from the history has its record but not its line; Qt
// writes that record with the controls raw, so they are escaped as the
// record's own line has them.
QByteArray RecordBytes(const ResultDocument& document) {
  if (!document.record_line.isEmpty()) return document.record_line + '\n';
  return QByteArray::fromStdString(
             EscapeJsonControls(QJsonDocument(document.record)
                                    .toJson(QJsonDocument::Compact)
                                    .toStdString())) +
         '\n';
}

// A text file ends with a line break, as every tool that reads lines expects.
QByteArray WithFinalLineBreak(const QString& text) {
  QByteArray bytes = text.toUtf8();
  if (!bytes.endsWith('\n')) bytes += '\n';
  return bytes;
}

QByteArray Bytes(const ResultDocument& document, FileFormat format) {
  switch (format) {
    case FileFormat::kText:
      return WithFinalLineBreak(document.plain_text);
    case FileFormat::kMarkdown:
      return WithFinalLineBreak(document.markdown);
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
  return QDir(LastFolder()).filePath(SafeFileStem(document) + suffix);
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

// The block that opens a sheet's footer, or an invalid block when the
// document has none (an entry kept by an older version, say).
QTextBlock FooterStart(const QTextDocument& document) {
  const QString anchor =
      QString::fromLatin1(kSheetFooterAnchor.data(),
                          static_cast<qsizetype>(kSheetFooterAnchor.size()));
  for (QTextBlock block = document.begin(); block.isValid();
       block = block.next()) {
    for (const QTextLayout::FormatRange& range : block.textFormats()) {
      if (range.format.anchorNames().contains(anchor)) return block;
    }
  }
  return {};
}

// Lays a sheet out on the device's pages with its footer at the foot of each
// page, where QTextDocument::print would put it right after the body and
// number the pages. Lengths in the sheet's points and pixels are scaled to the
// device, so the page reads the same on paper as in the PDF.
void PrintSheet(const QString& html, QPagedPaintDevice& device) {
  const QSizeF page(device.width(), device.height());
  const auto laid_out = [&](QTextDocument& document) {
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setTextWidth(page.width());
  };
  QTextDocument footer;
  laid_out(footer);
  QTextDocument body;
  laid_out(body);
  qreal footer_top = 0;
  qreal footer_height = 0;
  if (const QTextBlock start = FooterStart(footer); start.isValid()) {
    // The footer's rule, when it has one, stands just above it.
    const QTextBlock rule = start.previous();
    const QTextBlock first =
        rule.isValid() && rule.blockFormat().hasProperty(
                              QTextFormat::BlockTrailingHorizontalRulerWidth)
            ? rule
            : start;
    footer_top = footer.documentLayout()->blockBoundingRect(first).top();
    footer_height = footer.size().height() - footer_top;
    QTextCursor cut(&body);
    cut.setPosition(first.position());
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
  }
  const qreal body_height = page.height() - footer_height;
  body.setPageSize(QSizeF(page.width(), body_height));

  QPainter painter(&device);
  const auto draw = [&painter](QTextDocument& document, const QRectF& part,
                               qreal top) {
    painter.save();
    painter.translate(0, top - part.top());
    painter.setClipRect(part);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = part;
    document.documentLayout()->draw(&painter, context);
    painter.restore();
  };
  for (int page_index = 0; page_index < body.pageCount(); ++page_index) {
    if (page_index > 0) device.newPage();
    draw(body, QRectF(0, page_index * body_height, page.width(), body_height),
         0);
    if (footer_height > 0) {
      draw(footer, QRectF(0, footer_top, page.width(), footer_height),
           page.height() - footer_height);
    }
  }
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
    PrintSheet(document.html, pdf);
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
  // The job's name is also the name Qt's dialog proposes for printing to a
  // file, so it is the file name a save would propose, never the summary
  // with its colons.
  printer.setDocName(SafeFileStem(document));
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Stampa"));
  // Qt's dialog would print to a file in the folder the program was started
  // from; the folder of the last save is where the player looks for it.
  if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
    file->setText(SuggestedPath(document, QStringLiteral(".pdf")));
  }
  if (dialog.exec() != QDialog::Accepted) return;
  PrintSheet(document.html, printer);
}

QString SafeFileStem(const ResultDocument& document) {
  QString stem = document.file_stem.trimmed();
  if (stem.isEmpty()) stem = DefaultFileStem(document.generator);
  // A typed name may hold characters that no file name takes on some
  // system, or that one reads as a folder or a drive.
  for (QChar& c : stem) {
    if (QStringLiteral("/\\:*?\"<>|×").contains(c) || c.unicode() < 0x20) {
      c = u'_';
    }
  }
  if (stem.startsWith(u'.')) stem.prepend(u'_');
  return stem;
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
