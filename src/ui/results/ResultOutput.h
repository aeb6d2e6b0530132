#pragma once

#include <QString>

#include "ui/results/ResultDocument.h"

class QWidget;

namespace quendaro {

class Platform;

// What a game master can do with a result besides looking at it: copy it,
// save it, print it or make a PDF sheet of it. Files are written through
// QSaveFile, so a failed write leaves any file already there as it was, and
// the failure is told in an Italian message box naming the file and why.
namespace result_output {

enum class FileFormat { kText, kMarkdown, kJson };

// The clipboard gets plain text, "text/markdown" and "application/json" (the
// record) in one go.
void CopyToClipboard(const ResultDocument& document);

// Writes `document` in `format` to `path`. On failure returns false and the
// reason in `error`.
bool WriteFile(const ResultDocument& document, FileFormat format,
               const QString& path, QString* error);

// An A4 PDF of the document's sheet, its footer at the foot of the page.
bool WritePdf(const ResultDocument& document, const QString& path,
              QString* error);

// The format a file name asks for by its extension; text when it has none.
FileFormat FormatOfFile(const QString& path);

// "Salva con nome...": asks for a file (text, Markdown or JSON), starting in
// the folder used last, writes it and says so if it failed.
void SaveWithDialog(QWidget* parent, Platform& platform,
                    const ResultDocument& document);

// "Esporta PDF...".
void ExportPdfWithDialog(QWidget* parent, Platform& platform,
                         const ResultDocument& document);

// "Stampa...": the print dialog, then the document's sheet on the printer;
// printing to a file proposes the name a save would, in the same folder.
void PrintWithDialog(QWidget* parent, const ResultDocument& document);

// The name a file of the document gets, without folder or extension: the
// result's own ("Thorriil") or its generator's ("tesoro"), with every
// character that some system refuses in a file name made a "_".
QString SafeFileStem(const ResultDocument& document);

// The folder a file dialog starts in: the one used last for saving, kept
// across runs.
QString LastFolder();
void RememberFolderOf(const QString& path);

}  // namespace result_output
}  // namespace quendaro
