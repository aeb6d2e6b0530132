#include "ui/results/HistoryEntry.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>
#include <array>
#include <string_view>

#include "ui/kit/QtText.h"

namespace quendaro {
namespace {

struct GeneratorRow {
  std::string_view name;
  std::string_view caption;
  FormId form;
};

constexpr std::array<GeneratorRow, 5> kGenerators = {{
    {"character", "Personaggio", FormId::kForm1},
    {"treasure", "Tesoro", FormId::kForm3},
    {"weapon", "Arma intelligente", FormId::kForm5},
    {"hitpoints", "Punti ferita", FormId::kForm4},
    {"name", "Nome", FormId::kForm2},
}};

const GeneratorRow* RowOf(const QString& generator) {
  for (const GeneratorRow& row : kGenerators) {
    if (generator == QLatin1String(row.name.data(),
                                   static_cast<qsizetype>(row.name.size()))) {
      return &row;
    }
  }
  return nullptr;
}

QString HtmlOfText(const QString& title, const QString& text) {
  return QStringLiteral(
             "<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
             "<body><h1>%1</h1><pre>%2</pre></body></html>")
      .arg(title.toHtmlEscaped(), text.toHtmlEscaped());
}

}  // namespace

QJsonObject MakeHistoryEntry(const ResultDocument& document,
                             const QDateTime& time, const QJsonObject& inputs,
                             const QJsonObject& shown) {
  QJsonObject entry{
      {QStringLiteral("time"), time.toUTC().toString(Qt::ISODateWithMs)},
      {QStringLiteral("generator"), document.generator},
      {QStringLiteral("summary"), document.summary},
      {QStringLiteral("text"), document.plain_text},
      {QStringLiteral("markdown"), document.markdown},
      {QStringLiteral("html"), document.html},
      {QStringLiteral("inputs"), inputs},
      {QStringLiteral("window"), shown},
      {QStringLiteral("record"), document.record},
  };
  if (!document.rolls.empty()) {
    entry.insert(QStringLiteral("rolls"),
                 QJsonArray::fromStringList(document.rolls));
  }
  return entry;
}

ResultDocument DocumentFromEntry(const QJsonObject& entry) {
  ResultDocument document;
  document.generator = entry.value(QStringLiteral("generator")).toString();
  document.summary = entry.value(QStringLiteral("summary")).toString();
  document.plain_text = entry.value(QStringLiteral("text")).toString();
  document.record = entry.value(QStringLiteral("record")).toObject();
  for (const QJsonValue& roll :
       entry.value(QStringLiteral("rolls")).toArray()) {
    if (roll.isString()) document.rolls.append(roll.toString());
  }
  const QString title = GeneratorCaption(document.generator);
  document.markdown =
      QStringLiteral("# %1\n\n```\n%2```\n").arg(title, document.plain_text);
  document.html = HtmlOfText(title, document.plain_text);
  document.file_stem = document.generator;
  return document;
}

std::optional<FormId> FormOfGenerator(const QString& generator) {
  if (const GeneratorRow* row = RowOf(generator)) return row->form;
  return std::nullopt;
}

QString GeneratorCaption(const QString& generator) {
  if (const GeneratorRow* row = RowOf(generator)) {
    return ToQt(row->caption);
  }
  return generator;
}

}  // namespace quendaro
