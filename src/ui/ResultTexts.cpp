#include "ui/ResultTexts.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace quendaro {
namespace {

using Field = std::pair<QString, QString>;

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr std::array<const char*, 6> kAbilityNames = {"FOR", "DES", "COS",
                                                      "INT", "SAG", "CAR"};

ResultDocument Document(const char* generator, const QString& title,
                        const QString& summary,
                        const std::vector<Field>& fields) {
  ResultDocument document;
  document.generator = QString::fromLatin1(generator);
  document.summary = summary;
  document.file_stem = document.generator;
  QStringList plain;
  QString markdown = QStringLiteral("# %1\n\n| | |\n|---|---|\n").arg(title);
  QString rows;
  QJsonObject display;
  for (const auto& [caption, value] : fields) {
    plain << QStringLiteral("%1: %2").arg(caption, value);
    markdown += QStringLiteral("| %1 | %2 |\n").arg(caption, value);
    rows += QStringLiteral("<tr><th align=\"left\">%1</th><td>%2</td></tr>")
                .arg(caption.toHtmlEscaped(), value.toHtmlEscaped());
    display[caption] = value;
  }
  document.plain_text = plain.join(u'\n') + u'\n';
  document.markdown = markdown;
  document.html = QStringLiteral(
                      "<html><head><meta charset=\"utf-8\"><title>%1</title>"
                      "</head><body><h1>%1</h1><table cellpadding=\"4\">%2"
                      "</table></body></html>")
                      .arg(title.toHtmlEscaped(), rows);
  document.record =
      QJsonObject{{QStringLiteral("schema"), 1},
                  {QStringLiteral("generator"), document.generator},
                  {QStringLiteral("seed"), QJsonValue()},
                  {QStringLiteral("index"), 0},
                  {QStringLiteral("result"), QJsonObject{}},
                  {QStringLiteral("display"), display}};
  return document;
}

}  // namespace

ResultDocument CharacterDocument(const CharacterRequest& request,
                                 const CharacterSheet& sheet) {
  CharacterRequest shown = request;
  if (sheet.preset) {
    shown.race = sheet.preset->race;
    shown.characterClass = sheet.preset->characterClass;
    shown.alignment = sheet.preset->alignment;
    shown.sex = sheet.preset->sex;
    shown.height = sheet.preset->height;
    shown.weight = sheet.preset->weight;
  }
  std::vector<Field> fields = {
      {QStringLiteral("Nome"), Q(shown.name)},
      {QStringLiteral("Razza"), Q(shown.race)},
      {QStringLiteral("Classe"), Q(shown.characterClass)},
      {QStringLiteral("Allineamento"), Q(shown.alignment)},
      {QStringLiteral("Sesso"), Q(shown.sex)},
      {QStringLiteral("Età"), Q(sheet.age)},
      {QStringLiteral("Categoria d'età"), Q(sheet.ageCategory)},
      {QStringLiteral("Altezza"), Q(shown.height)},
      {QStringLiteral("Peso"), Q(shown.weight)}};
  QStringList scores;
  for (std::size_t i = 0; i < kAbilityNames.size(); ++i) {
    const QString name = QString::fromLatin1(kAbilityNames[i]);
    fields.emplace_back(name, Q(sheet.abilities.scores[i]) +
                                  QStringLiteral("  ") +
                                  Q(sheet.abilities.rows[i]));
    scores << name + u' ' + Q(sheet.abilities.scores[i]);
  }
  fields.emplace_back(QStringLiteral("Forza eccezionale"),
                      Q(sheet.abilities.percentile));
  fields.emplace_back(QStringLiteral("Totale"), Q(sheet.abilities.total));
  fields.emplace_back(QStringLiteral("Media"), Q(sheet.abilities.average));
  const QString summary = QStringLiteral("%1 %2, %3")
                              .arg(Q(shown.race), Q(shown.characterClass),
                                   scores.join(QStringLiteral(" ")));
  ResultDocument document = Document(
      "character", QStringLiteral("Personaggio"),
      shown.name.empty() ? summary
                         : Q(shown.name) + QStringLiteral(": ") + summary,
      fields);
  if (!shown.name.empty()) document.file_stem = Q(shown.name);
  return document;
}

ResultDocument TreasureDocument(const TreasureGenerator::Counts& counts,
                                const TreasureResult& result) {
  static constexpr std::array<const char*, 6> kKinds = {
      "Rame", "Argento", "Oro", "Platino/Electrum", "Gemme", "Oggetti d'arte"};
  std::vector<Field> fields;
  QStringList types;
  for (std::size_t type = 0; type < counts.size(); ++type) {
    const QChar letter(u'A' + static_cast<char16_t>(type));
    if (counts[type] > 0) {
      types << QStringLiteral("%1×%2").arg(letter).arg(counts[type]);
    }
    fields.emplace_back(QStringLiteral("Tipo %1").arg(letter),
                        QString::number(counts[type]));
  }
  for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
    fields.emplace_back(QString::fromUtf8(kKinds[kind]),
                        Q(result.totals[kind]));
  }
  for (std::size_t type = 0; type < result.magicLines.size(); ++type) {
    if (!result.magicLines[type].empty()) {
      fields.emplace_back(QStringLiteral("Magia %1")
                              .arg(QChar(u'A' + static_cast<char16_t>(type))),
                          Q(result.magicLines[type]));
    }
  }
  return Document("treasure", QStringLiteral("Tesoro della tana"),
                  QStringLiteral("%1: %2 mo")
                      .arg(types.isEmpty() ? QStringLiteral("nessun tipo")
                                           : types.join(QStringLiteral(" ")),
                           Q(result.totals[2])),
                  fields);
}

ResultDocument WeaponDocument(const WeaponResult& weapon) {
  return Document(
      "weapon", QStringLiteral("Arma intelligente"),
      QStringLiteral("%1, INT %2, ego %3")
          .arg(Q(weapon.bonus), Q(weapon.intelligence), Q(weapon.ego)),
      {{QStringLiteral("Bonus"), Q(weapon.bonus)},
       {QStringLiteral("Allineamento"), Q(weapon.alignment)},
       {QStringLiteral("Intelligenza"), Q(weapon.intelligence)},
       {QStringLiteral("Lingue"), Q(weapon.languages)},
       {QStringLiteral("Comunicazione"), Q(weapon.communication)},
       {QStringLiteral("Legge lingue non magiche"), Q(weapon.readsNonMagical)},
       {QStringLiteral("Legge lingue magiche"), Q(weapon.readsMagical)},
       {QStringLiteral("Capacità 1"), Q(weapon.ability1)},
       {QStringLiteral("Capacità 2"), Q(weapon.ability2)},
       {QStringLiteral("Capacità 3"), Q(weapon.ability3)},
       {QStringLiteral("Scopo speciale"), Q(weapon.specialPurpose)},
       {QStringLiteral("Potere dello scopo"), Q(weapon.specialPurposePower)},
       {QStringLiteral("Ego"), Q(weapon.ego)}});
}

ResultDocument HitPointDocument(ClassGroup group, const std::string& level,
                                bool reroll, const std::string& hit_points) {
  QString group_name;
  switch (group) {
    case ClassGroup::kMilitare:
      group_name = QStringLiteral("Militare");
      break;
    case ClassGroup::kVagabondo:
      group_name = QStringLiteral("Vagabondo");
      break;
    case ClassGroup::kSacerdote:
      group_name = QStringLiteral("Sacerdote");
      break;
    case ClassGroup::kEspertoDiMagia:
      group_name = QStringLiteral("Esperto di magia");
      break;
  }
  return Document("hitpoints", QStringLiteral("Punti ferita"),
                  QStringLiteral("%1 livello %2: %3 PF")
                      .arg(group_name, Q(level), Q(hit_points)),
                  {{QStringLiteral("Gruppo"), group_name},
                   {QStringLiteral("Livello"), Q(level)},
                   {QStringLiteral("Ritira gli 1"),
                    reroll ? QStringLiteral("sì") : QStringLiteral("no")},
                   {QStringLiteral("Punti ferita"), Q(hit_points)}});
}

ResultDocument NameDocument(const NameResult& result) {
  ResultDocument document =
      Document("name", QStringLiteral("Nome"), Q(result.name),
               {{QStringLiteral("Nome"), Q(result.name)}});
  document.file_stem = Q(result.name);
  return document;
}

}  // namespace quendaro
