#include "ui/results/ResultTexts.h"

#include <QDate>
#include <QJsonDocument>
#include <QLocale>
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
#include "presentation/PartyPresentation.h"
#include "presentation/Record.h"
#include "presentation/Reproduction.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "ui/kit/QtText.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {
namespace {

// The window keeps a result it made itself: no seed, the first of its run.
constexpr std::optional<std::int64_t> kNoSeed = std::nullopt;

// The short names a game master reads on a character sheet, strength to
// charisma.
constexpr std::array<std::string_view, kAbilityCount> kAbilityShortNames = {
    "FOR", "DES", "COS", "INT", "SAG", "CAR"};

// What the sheet says at its foot: today, as an Italian reader writes it,
// and the command line.
SheetFooter FooterOf(const std::string& command) {
  return SheetFooter{
      QLocale(QLocale::Italian, QLocale::Italy)
          .toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"))
          .toStdString(),
      command};
}

// The parts every document shares: its record with the state when there is
// one, its command line and a file name from the result, or the generator's
// own.
ResultDocument Document(Generator generator, QString summary, Json record,
                        const std::string& command, const RandomState* state,
                        const QString& stem) {
  ResultDocument document;
  document.generator = GeneratorKey(generator);
  document.summary = std::move(summary);
  const std::string line = JsonLine(
      state != nullptr ? WithState(std::move(record), *state) : record);
  document.record_line = QByteArray::fromStdString(line);
  document.record = QJsonDocument::fromJson(document.record_line).object();
  document.command = ToQt(command);
  document.file_stem = stem.trimmed().isEmpty()
                           ? DefaultFileStem(document.generator)
                           : stem.trimmed();
  return document;
}

}  // namespace

QString DefaultFileStem(const QString& generator) {
  const std::optional<Generator> known = GeneratorOfKey(generator);
  return known ? GeneratorFileStem(*known) : generator;
}

namespace {

// The character's document, with the state of its generation when it had
// one of its own.
ResultDocument CharacterDocumentFrom(const CharacterSheet& sheet,
                                     char decimal_separator,
                                     const RandomState* state) {
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
  const std::string command = state != nullptr
                                  ? ReproducingCommand(sheet.request, *state)
                                  : std::string();
  ResultDocument document =
      Document(Generator::kCharacter, summary, Record(sheet, kNoSeed, 0),
               command, state, name);
  document.plain_text = ToQt(PlainText(sheet, decimal_separator));
  document.markdown = ToQt(Markdown(sheet, decimal_separator));
  document.html =
      ToQt(CharacterSheetHtml(sheet, decimal_separator, FooterOf(command)));
  return document;
}

}  // namespace

ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator,
                                 const RandomState& state) {
  return CharacterDocumentFrom(sheet, decimal_separator, &state);
}

ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator) {
  return CharacterDocumentFrom(sheet, decimal_separator, nullptr);
}

ResultDocument TreasureDocument(const TreasureResult& result,
                                const LairContents& contents,
                                const RandomState& state) {
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
          .arg(magic) +
      QStringLiteral(", valore %1").arg(ToQt(GoldText(contents.value.total)));
  const std::string command = ReproducingCommand(result, state);
  ResultDocument document =
      Document(Generator::kTreasure, summary,
               Record(result, contents, kNoSeed, 0), command, &state, {});
  document.plain_text = ToQt(PlainText(result, contents));
  document.markdown = ToQt(Markdown(result, contents));
  document.html = ToQt(TreasureSheetHtml(result, &contents, FooterOf(command)));
  return document;
}

namespace {

// The weapon's document, with the state of its generation when it had one.
ResultDocument WeaponDocumentFrom(const WeaponResult& weapon,
                                  const WeaponNotes& notes,
                                  const RandomState* state) {
  QString summary = QStringLiteral("Arma +%1, %2, INT %3, ego %4")
                        .arg(weapon.bonus)
                        .arg(ToQt(weapon.alignment))
                        .arg(weapon.intelligence)
                        .arg(weapon.ego);
  if (weapon.special_purpose) {
    summary += QStringLiteral(", ") + ToQt(weapon.special_purpose->purpose);
  }
  // The game master's own name and type lead, so that the list and the
  // search of the history find the weapon by them.
  const QString name = ToQt(notes.name).trimmed();
  QString typed = name;
  if (notes.type != kNoWeaponType && !notes.type.empty()) {
    typed += (typed.isEmpty() ? QString() : QStringLiteral(" "));
    typed += QStringLiteral("(%1)").arg(ToQt(notes.type));
  }
  if (!typed.isEmpty()) summary = typed + QStringLiteral(": ") + summary;
  const std::string command =
      state != nullptr ? ReproducingCommand(notes, *state) : std::string();
  ResultDocument document =
      Document(Generator::kWeapon, summary, Record(weapon, notes, kNoSeed, 0),
               command, state, name);
  document.plain_text = ToQt(PlainText(weapon, notes));
  document.markdown = ToQt(Markdown(weapon, notes));
  document.html = ToQt(WeaponSheetHtml(weapon, notes, FooterOf(command)));
  return document;
}

}  // namespace

ResultDocument WeaponDocument(const WeaponResult& weapon,
                              const WeaponNotes& notes,
                              const RandomState& state) {
  return WeaponDocumentFrom(weapon, notes, &state);
}

ResultDocument WeaponDocument(const WeaponResult& weapon,
                              const WeaponNotes& notes) {
  return WeaponDocumentFrom(weapon, notes, nullptr);
}

ResultDocument HitPointDocument(const HitPointResult& result,
                                const RandomState& state) {
  const QString points = result.hit_points ? QString::number(*result.hit_points)
                                           : QStringLiteral("-");
  const QString summary = QStringLiteral("%1, livello %2: %3 PF")
                              .arg(ToQt(ClassGroupCaption(result.group)),
                                   ToQt(result.level_text), points);
  const std::string command = ReproducingCommand(result, state);
  ResultDocument document =
      Document(Generator::kHitPoints, summary, Record(result, kNoSeed, 0),
               command, &state, {});
  document.plain_text = ToQt(PlainText(result));
  document.markdown = ToQt(Markdown(result));
  document.html = ToQt(HitPointSheetHtml(result, FooterOf(command)));
  return document;
}

ResultDocument NameDocument(const NameResult& result,
                            const RandomState& state) {
  const std::string command = ReproducingCommand(result, state);
  ResultDocument document =
      Document(Generator::kName, ToQt(result.name), Record(result, kNoSeed, 0),
               command, &state, ToQt(result.name));
  document.plain_text = ToQt(PlainText(result));
  document.markdown = ToQt(Markdown(result));
  document.html = ToQt(NameSheetHtml(result, FooterOf(command)));
  return document;
}

ResultDocument PartyDocument(const Party& party, char decimal_separator,
                             const RandomState* state) {
  QStringList names;
  for (const Npc& member : party.members) names << ToQt(member.character.name);
  // The whole party comes again from the command line, from the state the
  // party began with; a row rolled again alone does not.
  const std::string command =
      state != nullptr ? ReproducingCommand(party.request, *state) +
                             " --party " + std::to_string(party.members.size())
                       : std::string();
  ResultDocument document = Document(
      Generator::kParty,
      ToQt(PartyTitle(party)) + QStringLiteral(": ") + names.join(u", "),
      Record(party, kNoSeed, 0), command, state, {});
  document.plain_text = ToQt(PlainText(party, decimal_separator));
  document.markdown = ToQt(Markdown(party));
  document.html = ToQt(PartySheetHtml(party, FooterOf(command)));
  return document;
}

}  // namespace quendaro
