#include "ui/results/HistoryEntry.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>

#include "history/Generators.h"
#include "ui/results/ResultTexts.h"

namespace quendaro {
namespace {

FormId FormOf(Generator generator) {
  switch (generator) {
    case Generator::kCharacter:
      return FormId::kForm1;
    case Generator::kTreasure:
      return FormId::kForm3;
    case Generator::kWeapon:
      return FormId::kForm5;
    case Generator::kHitPoints:
      return FormId::kForm4;
    case Generator::kName:
      return FormId::kForm2;
    case Generator::kParty:
      return FormId::kParty;
    case Generator::kCount:
      break;
  }
  Q_UNREACHABLE();
  return FormId::kForm1;
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
  if (!document.record_line.isEmpty()) {
    entry.insert(QStringLiteral("json"),
                 QString::fromUtf8(document.record_line));
  }
  if (!document.command.isEmpty()) {
    entry.insert(QStringLiteral("command"), document.command);
  }
  // The name its files get, when the result names one.
  if (document.file_stem != DefaultFileStem(document.generator)) {
    entry.insert(QStringLiteral("stem"), document.file_stem);
  }
  if (!document.rolls.empty()) {
    entry.insert(QStringLiteral("rolls"),
                 QJsonArray::fromStringList(document.rolls));
  }
  if (!document.replay.isEmpty()) {
    entry.insert(QStringLiteral("replay"), document.replay);
  }
  return entry;
}

ResultDocument DocumentFromEntry(const QJsonObject& entry) {
  ResultDocument document;
  document.generator = entry.value(QStringLiteral("generator")).toString();
  document.summary = entry.value(QStringLiteral("summary")).toString();
  document.plain_text = entry.value(QStringLiteral("text")).toString();
  document.record = entry.value(QStringLiteral("record")).toObject();
  document.record_line =
      entry.value(QStringLiteral("json")).toString().toUtf8();
  for (const QJsonValue& roll :
       entry.value(QStringLiteral("rolls")).toArray()) {
    if (roll.isString()) document.rolls.append(roll.toString());
  }
  const QString title = CaptionOfGenerator(document.generator);
  const QJsonValue markdown = entry.value(QStringLiteral("markdown"));
  const QJsonValue html = entry.value(QStringLiteral("html"));
  // The formats as the window made them; an entry of a version that kept
  // the text alone gets them made of its text.
  if (markdown.isString()) {
    document.markdown = markdown.toString();
  } else {
    QString fenced = document.plain_text;
    if (!fenced.endsWith(u'\n')) fenced += u'\n';
    document.markdown =
        QStringLiteral("# %1\n\n```\n%2```\n").arg(title, fenced);
  }
  document.html = html.isString() ? html.toString()
                                  : HtmlOfText(title, document.plain_text);
  document.command = entry.value(QStringLiteral("command")).toString();
  document.file_stem = entry.value(QStringLiteral("stem")).toString();
  if (document.file_stem.isEmpty()) {
    document.file_stem = DefaultFileStem(document.generator);
  }
  return document;
}

std::optional<FormId> FormOfGenerator(const QString& key) {
  if (const std::optional<Generator> generator = GeneratorOfKey(key)) {
    return FormOf(*generator);
  }
  return std::nullopt;
}

QString CaptionOfGenerator(const QString& key) {
  const std::optional<Generator> generator = GeneratorOfKey(key);
  return generator ? GeneratorCaption(*generator) : key;
}

}  // namespace quendaro
