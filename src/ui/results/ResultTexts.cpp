#include "ui/results/ResultTexts.h"

#include <QJsonDocument>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "history/Generators.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/ContentsPresentation.h"
#include "presentation/HitPointPresentation.h"
#include "presentation/NamePresentation.h"
#include "presentation/Record.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "ui/kit/QtText.h"

namespace quendaro {
namespace {

// The window keeps a result it made itself: no seed, the first of its run.
constexpr std::optional<std::int64_t> kNoSeed = std::nullopt;

// The short names a game master reads on a character sheet, strength to
// charisma.
constexpr std::array<std::string_view, kAbilityCount> kAbilityShortNames = {
    "FOR", "DES", "COS", "INT", "SAG", "CAR"};

// Every format of one result, from the presentation's functions for its
// type.
template <typename Result, typename... Separator>
ResultDocument Document(Generator generator, const Result& result,
                        QString summary, Separator... separator) {
  ResultDocument document;
  document.generator = GeneratorKey(generator);
  document.summary = std::move(summary);
  document.plain_text = ToQt(PlainText(result, separator...));
  document.markdown = ToQt(Markdown(result, separator...));
  document.html = ToQt(Html(result, separator...));
  document.record =
      QJsonDocument::fromJson(
          QByteArray::fromStdString(JsonLine(Record(result, kNoSeed, 0))))
          .object();
  document.file_stem = document.generator;
  return document;
}

}  // namespace

ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator) {
  QStringList scores;
  for (int i = 0; i < kAbilityCount; ++i) {
    scores << QStringLiteral("%1 %2")
                  .arg(ToQt(kAbilityShortNames[static_cast<std::size_t>(i)]))
                  .arg(sheet.scores[static_cast<std::size_t>(i)]);
  }
  QString summary = QStringLiteral("%1 %2, %3")
                        .arg(ToQt(sheet.race), ToQt(sheet.character_class),
                             scores.join(u' '));
  const QString name = ToQt(sheet.name).trimmed();
  if (!name.isEmpty()) summary = name + QStringLiteral(": ") + summary;
  ResultDocument document =
      Document(Generator::kCharacter, sheet, summary, decimal_separator);
  if (!name.isEmpty()) document.file_stem = name;
  return document;
}

namespace {

// The history's one line for a lair: its types, gold, gems and magic lines.
QString TreasureSummary(const TreasureResult& result) {
  QStringList types;
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const int count = result.counts[static_cast<std::size_t>(type)];
    if (count > 0) {
      types << QStringLiteral("%1×%2")
                   .arg(ToQt(TreasureTypeLetter(type)))
                   .arg(count);
    }
  }
  int magic_lines = 0;
  for (std::string_view line : result.magic_lines) {
    if (!line.empty()) ++magic_lines;
  }
  const QString magic =
      magic_lines == 1
          ? QStringLiteral("1 riga di oggetti magici")
          : QStringLiteral("%1 righe di oggetti magici").arg(magic_lines);
  const QString summary =
      QStringLiteral("%1: %2 mo, %3 gemme, %4")
          .arg(types.isEmpty() ? QStringLiteral("nessun tipo")
                               : types.join(u' '))
          .arg(result.Total(TreasureKind::kGold))
          .arg(result.Total(TreasureKind::kGems))
          .arg(magic);
  return summary;
}

}  // namespace

ResultDocument TreasureDocument(const TreasureResult& result) {
  return Document(Generator::kTreasure, result, TreasureSummary(result));
}

ResultDocument TreasureDocument(const TreasureResult& result,
                                const LairContents& contents) {
  ResultDocument document =
      Document(Generator::kTreasure, result, TreasureSummary(result), contents);
  document.summary +=
      QStringLiteral(", valore %1").arg(ToQt(GoldText(contents.value.total)));
  document.record =
      QJsonDocument::fromJson(QByteArray::fromStdString(JsonLine(
                                  Record(result, contents, kNoSeed, 0))))
          .object();
  return document;
}

ResultDocument WeaponDocument(const WeaponResult& weapon) {
  QString summary = QStringLiteral("Arma +%1, %2, INT %3, ego %4")
                        .arg(weapon.bonus)
                        .arg(ToQt(weapon.alignment))
                        .arg(weapon.intelligence)
                        .arg(weapon.ego);
  if (weapon.special_purpose) {
    summary += QStringLiteral(", ") + ToQt(weapon.special_purpose->purpose);
  }
  return Document(Generator::kWeapon, weapon, summary);
}

ResultDocument HitPointDocument(const HitPointResult& result) {
  const QString points = result.hit_points ? QString::number(*result.hit_points)
                                           : QStringLiteral("-");
  const QString summary = QStringLiteral("%1, livello %2: %3 PF")
                              .arg(ToQt(ClassGroupCaption(result.group)),
                                   ToQt(result.level_text), points);
  return Document(Generator::kHitPoints, result, summary);
}

ResultDocument NameDocument(const NameResult& result) {
  ResultDocument document =
      Document(Generator::kName, result, ToQt(result.name));
  if (!result.name.empty()) document.file_stem = ToQt(result.name);
  return document;
}

}  // namespace quendaro
