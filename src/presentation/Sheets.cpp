#include "presentation/Sheets.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "character/AbilityScores.h"
#include "character/AbilityTables.h"
#include "common/NumberText.h"
#include "common/Version.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/ContentsPresentation.h"
#include "presentation/Markup.h"
#include "presentation/NpcPresentation.h"
#include "presentation/PartyPresentation.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {

namespace {

// What the weapon window's note says of an ability drawn more than once.
constexpr std::string_view kRepeatedAbilityNote =
    "Un'abilità che compare più volte ha il raggio d'azione raddoppiato, "
    "triplicato e così via, secondo le regole della 2ª edizione.";

// One style sheet for every sheet. Sizes are in points so that the page reads
// the same on any printer: nothing below 8 pt, values at 11 pt and more.
// Qt's rich text stretches no cell to a height, so a box to write in gets
// its room from a blank of the height wanted (see WritingRoom).
constexpr std::string_view kStyle =
    "body { font-family: 'Liberation Serif', serif; font-size: 11pt; }\n"
    "h1 { font-family: 'Quattrocento', serif; font-size: 24pt; "
    "color: #800000; margin-top: 0; margin-bottom: 0; }\n"
    "h2 { font-family: 'Quattrocento', serif; font-size: 12pt; "
    "color: #800000; margin-top: 10pt; margin-bottom: 3pt; }\n"
    "p.kind { font-family: 'Quattrocento', serif; font-size: 10pt; "
    "color: #800000; margin-top: 0; margin-bottom: 8pt; }\n"
    "p.note { color: #800000; font-weight: bold; margin-top: 0; "
    "margin-bottom: 4pt; }\n"
    "p.aside { font-size: 9pt; margin-top: 4pt; margin-bottom: 0; }\n"
    "table { border-collapse: collapse; border-color: #806040; "
    "border-style: solid; }\n"
    "th { background-color: #f0e6c8; color: #503010; font-size: 9pt; "
    "font-weight: bold; text-align: left; }\n"
    "td.label { background-color: #f0e6c8; color: #503010; font-size: 10pt; "
    "font-weight: bold; }\n"
    "td.score { font-size: 26pt; font-weight: bold; text-align: center; }\n"
    "td.caption { background-color: #f0e6c8; color: #503010; font-size: 9pt; "
    "font-weight: bold; text-align: center; }\n"
    "td.big { font-size: 16pt; font-weight: bold; }\n"
    "td.box { color: #503010; font-size: 9pt; }\n"
    "td.mark { font-size: 9pt; }\n"
    "p.footer { color: #404040; font-size: 8pt; margin-top: 0; "
    "margin-bottom: 0; }\n"
    "tt { font-family: 'Liberation Mono', monospace; font-size: 8pt; }\n";

// The opening tag of a table that spans the page: its cells padded, its
// borders drawn once.
std::string Table(int padding = 5) {
  return "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"" +
         std::to_string(padding) + "\">\n";
}

std::string Cell(std::string_view css_class, std::string_view text,
                 std::string_view attributes = {}) {
  std::string cell =
      "<td valign=\"middle\" class=\"" + std::string(css_class) + "\"";
  if (!attributes.empty()) cell += " " + std::string(attributes);
  return cell + ">" + HtmlText(text) + "</td>";
}

// Room to write by hand under a box's caption: a blank line `points` high.
std::string WritingRoom(int points) {
  return "<br><span style=\"font-size: " + std::to_string(points) +
         "pt\">&nbsp;</span>";
}

// A box with a caption and room to write, as one cell.
std::string Box(std::string_view caption, int room_points,
                std::string_view width) {
  return "<td class=\"box\" width=\"" + std::string(width) + "\">" +
         HtmlText(caption) + WritingRoom(room_points) + "</td>";
}

// A row of boxes to fill in, each as wide as the others.
std::string Boxes(std::initializer_list<std::string_view> captions,
                  int room_points) {
  const std::string width =
      std::to_string(100 / static_cast<int>(captions.size())) + "%";
  std::string row = Table() + "<tr>";
  for (std::string_view caption : captions) {
    row += Box(caption, room_points, width);
  }
  return row + "</tr>\n</table>\n";
}

// Caption and value pairs, two pairs to a row; an empty value leaves its
// cell blank to be written in.
std::string Particulars(
    const std::vector<std::pair<std::string_view, std::string>>& pairs) {
  std::string table = Table();
  for (std::size_t i = 0; i < pairs.size(); i += 2) {
    table += "<tr>";
    for (std::size_t j = i; j < i + 2; ++j) {
      if (j < pairs.size()) {
        table += Cell("label", pairs[j].first, "width=\"16%\"") +
                 Cell("value", pairs[j].second, "width=\"34%\"");
      } else {
        table += "<td></td><td></td>";
      }
    }
    table += "</tr>\n";
  }
  return table + "</table>\n";
}

std::string Footer(const SheetFooter& footer, std::string_view what) {
  std::string html = "<hr>\n<p class=\"footer\"><a name=\"" +
                     std::string(kSheetFooterAnchor) + "\"></a>";
  html += "Generato";
  if (!footer.date.empty()) html += " il " + HtmlText(footer.date);
  html += " con Quendaro 32, versione " + std::string(kVersion) + ".";
  if (!footer.command.empty()) {
    html += " Per rifare " + std::string(what) +
            " dalla riga di comando:<br><tt>" + HtmlText(footer.command) +
            "</tt>";
  }
  return html + "</p>\n";
}

// A whole sheet: its title, what kind of sheet it is, the body and the
// footer.
std::string Sheet(std::string_view title, std::string_view kind,
                  std::string_view body, const SheetFooter& footer,
                  std::string_view what) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>";
  html += HtmlText(title);
  html += "</title>\n<style>\n";
  html += kStyle;
  html += "</style>\n</head>\n<body>\n<h1>" + HtmlText(title) + "</h1>\n";
  html += "<p class=\"kind\">" + HtmlText(kind) + "</p>\n";
  html += body;
  html += Footer(footer, what);
  html += "</body>\n</html>\n";
  return html;
}

std::string Notes(const std::vector<std::string>& messages) {
  std::string html;
  for (const std::string& message : messages) {
    html += "<p class=\"note\">" + HtmlText(message) + "</p>\n";
  }
  return html;
}

// A row of the contents: its caption, and its texts one after the other in
// the sheet's smaller type, so that a large lair still fits its page; `lines`
// grows by the printed lines the row takes, about.
std::string RunningRow(std::string_view caption,
                       const std::vector<std::string>& texts, int& lines) {
  // So many letters of the small type fit a line beside the caption.
  constexpr std::size_t kLettersPerLine = 115;
  std::string run;
  for (const std::string& text : texts) {
    run += (run.empty() ? "" : "; ") + text;
  }
  lines += static_cast<int>(run.size() / kLettersPerLine) + 1;
  return "<tr>" + Cell("label", caption, "width=\"18%\"") + Cell("mark", run) +
         "</tr>\n";
}

// "3 × " before a text that comes several times, in the order first met.
std::vector<std::string> Counted(const std::vector<std::string>& texts) {
  std::vector<std::pair<std::string, int>> counted;
  for (const std::string& text : texts) {
    auto found =
        std::find_if(counted.begin(), counted.end(),
                     [&](const auto& seen) { return seen.first == text; });
    if (found == counted.end()) {
      counted.emplace_back(text, 1);
    } else {
      ++found->second;
    }
  }
  std::vector<std::string> shown;
  for (const auto& [text, count] : counted) {
    shown.push_back(count > 1 ? WholeText(count) + " × " + text : text);
  }
  return shown;
}

// The lair's contents as compact as a page allows: the gems a row per
// class, the art objects in one row, the same stone or object of the same
// value counted once; the magic items a row per treasure type, an
// intelligent weapon with its numbers. `lines` grows by the printed lines it
// takes, about.
std::string ContentsSection(const LairContents& contents, int& lines) {
  std::string html = "<h2>Contenuto del tesoro</h2>\n" + Table(3);
  if (contents.gems.empty()) html += RunningRow("Gemme", {"nessuna"}, lines);
  ForEachClass(contents, [&](GemClass gem_class, const auto& gems) {
    std::vector<std::string> texts;
    for (const Gem* gem : gems) {
      texts.push_back(std::string(gem->stone) + " (" + GoldText(gem->value) +
                      ")");
    }
    html += RunningRow("Gemme (" + std::string(GemClassName(gem_class)) + ")",
                       Counted(texts), lines);
  });
  std::vector<std::string> objects;
  for (const ArtObject& object : contents.art_objects) {
    objects.push_back(ArtObjectText(object) + " (" + GoldText(object.value) +
                      ")");
  }
  html += RunningRow(
      "Oggetti d'arte",
      objects.empty() ? std::vector<std::string>{"nessuno"} : Counted(objects),
      lines);
  // The magic items a row per treasure type, each after its place in the
  // type's line.
  std::string type_letter;
  std::vector<std::string> items;
  const auto end_type = [&] {
    if (items.empty()) return;
    html += RunningRow("Oggetti magici, tipo " + type_letter, items, lines);
    items.clear();
  };
  ForEachItem(contents, [&](const MagicItem& item, std::size_t index) {
    if (index == 0) {
      end_type();
      type_letter = TreasureTypeLetter(item.type);
    }
    std::string text = MagicItemPlace(item, index) + " " + MagicItemName(item);
    if (item.weapon) {
      const WeaponWindowTexts weapon = WindowTexts(*item.weapon);
      text += " (" + weapon.alignment + ", INT " + weapon.intelligence + ", " +
              weapon.communication + ", ego " + weapon.ego;
      for (const WeaponLine& line : LinesInWindowOrder(weapon)) {
        text += ", " + line.text;
      }
      text += ")";
    }
    items.push_back(std::move(text));
  });
  end_type();
  html += "</table>\n";
  html += "<p class=\"aside\">Valore: gemme " + GoldText(contents.value.gems) +
          ", oggetti d'arte " + GoldText(contents.value.art_objects) +
          ", monete " + GoldText(contents.value.coins) + ", <b>totale " +
          GoldText(contents.value.total) + "</b>";
  if (contents.white_metal) {
    html += ". Le monete di platino/electrum sono di " +
            std::string(WhiteMetalName(*contents.white_metal));
  }
  return html + ".</p>\n";
}

// The saving throws as a character sheet heads them.
constexpr std::array<std::string_view, kSavingThrowCount> kSaveCaptions = {
    "Paralisi, veleno, morte", "Verga, bastone, bacchetta",
    "Pietrificazione, metamorfosi", "Soffio", "Incantesimi"};

}  // namespace

std::string NpcSheetHtml(const Npc& npc, char decimal_separator,
                         const SheetFooter& footer) {
  NpcSheetFields fields;
  fields.level = WholeText(npc.level);
  fields.hit_points = WholeText(npc.hit_points.hit_points);
  if (npc.hit_points.by_class.size() > 1) {
    std::string parts;
    for (const ClassHitPoints& one : npc.hit_points.by_class) {
      parts += (parts.empty() ? "" : ", ") +
               std::string(ClassGroupCaption(one.group)) + " " +
               WholeText(one.hit_points);
    }
    fields.hit_points += " (" + parts + ")";
  }
  if (npc.combat) {
    fields.thac0 = WholeText(npc.combat->thac0);
    for (std::size_t i = 0; i < kSaveCaptions.size(); ++i) {
      fields.saves.emplace_back(std::string(kSaveCaptions[i]),
                                WholeText(npc.combat->saving_throws[i]));
    }
  }
  return CharacterSheetHtml(npc.character, decimal_separator, footer, &fields);
}

std::string CharacterSheetHtml(const CharacterSheet& sheet,
                               char decimal_separator,
                               const SheetFooter& footer,
                               const NpcSheetFields* npc) {
  std::string body = Notes(sheet.messages);

  std::string age = sheet.age + " anni";
  if (sheet.age_category.find_first_not_of(' ') != std::string::npos) {
    age += " · " + sheet.age_category;
  }
  std::vector<std::pair<std::string_view, std::string>> particulars = {
      {"Razza", sheet.race},
      {"Classe", sheet.character_class},
      {"Allineamento", sheet.alignment},
      {"Sesso", sheet.sex},
      {"Età", age},
      {"Altezza", sheet.height.empty() ? "" : sheet.height + " cm"},
      {"Peso", sheet.weight.empty() ? "" : sheet.weight + " Kg"},
      {"Livello", npc != nullptr ? npc->level : ""},
      {"Punti ferita", npc != nullptr ? npc->hit_points : ""},
      {"THAC0", npc != nullptr ? npc->thac0 : ""},
  };
  body += Particulars(particulars);
  if (npc != nullptr && !npc->saves.empty()) {
    body += "<h2>Tiri salvezza</h2>\n" + Table() + "<tr>";
    for (const auto& save : npc->saves) body += Cell("caption", save.first);
    body += "</tr>\n<tr>";
    for (const auto& save : npc->saves) {
      body += Cell("value", save.second, "align=\"center\"");
    }
    body += "</tr>\n</table>\n";
  }

  body += "<h2>Punteggi</h2>\n" + Table(4) + "<tr>";
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    // 16 + 17 + 17 + 17 + 17 + 16: the six fill the page's width.
    const bool edge = i == 0 || i + 1 == kAbilityCount;
    body += Cell("caption", kAbilityCaptions[i],
                 edge ? "width=\"16%\"" : "width=\"17%\"");
  }
  body += "</tr>\n<tr>";
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    body += Cell("score", ScoreText(sheet, static_cast<Ability>(i)));
  }
  body += "</tr>\n</table>\n";
  body += "<p class=\"aside\">Totale <b>" + WholeText(sheet.total) +
          "</b> · Media <b>" + SingleText(sheet.average, decimal_separator) +
          "</b></p>\n";

  // One table per ability, all as wide as the page and their first columns
  // as wide as one another, so that the six read as one block.
  body += "<h2>Abilità</h2>\n";
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    const auto ability = static_cast<Ability>(i);
    const auto columns = ColumnsOf(ability);
    const std::string label =
        std::string(kAbilityCaptions[i]) + " " + ScoreText(sheet, ability);
    body +=
        Table(4) + "<tr>" + Cell("label", label, "rowspan=\"2\" width=\"22%\"");
    for (const AbilityColumn& column : columns) {
      body += "<th>" + HtmlText(column.heading) + "</th>";
    }
    body += "</tr>\n<tr>";
    if (sheet.rows[i]) {
      for (std::string_view value : SplitRow(*sheet.rows[i])) {
        body += Cell("value", value);
      }
    } else {
      // No row for this score (a zero after a refusal): the columns stay.
      for (std::size_t c = 0; c < columns.size(); ++c) body += "<td>—</td>";
    }
    body += "</tr>\n</table>\n";
  }

  // The boxes take the room the page has left: less for each message, and
  // for an NPC's saving throws.
  const int room = 112 - 16 * static_cast<int>(sheet.messages.size()) -
                   (npc != nullptr && !npc->saves.empty() ? 48 : 0);
  body += "<h2>Al tavolo</h2>\n";
  body += Boxes({"Classe d'armatura", "Punti ferita attuali", "Movimento"}, 26);
  body += Boxes({"Equipaggiamento", "Note"}, std::max(room, 30));

  const std::string title =
      sheet.name.find_first_not_of(' ') == std::string::npos
          ? std::string("Personaggio senza nome")
          : sheet.name;
  return Sheet(title,
               npc != nullptr ? "Scheda del personaggio non giocante"
                              : "Scheda del personaggio",
               body, footer, "questo personaggio");
}

std::string TreasureSheetHtml(const TreasureResult& result,
                              const LairContents* contents,
                              const SheetFooter& footer) {
  std::string body = "<h2>Tipi di tesoro</h2>\n" + Table(4) + "<tr>";
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    body += Cell("caption", TreasureTypeLetter(type), "width=\"11%\"");
  }
  body += "</tr>\n<tr>";
  for (std::size_t type = 0; type < result.counts.size(); ++type) {
    const int count = result.counts[type];
    body += Cell(count > 0 ? "score" : "value",
                 count > 0 ? "×" + WholeText(count) : "—", "align=\"center\"");
  }
  body += "</tr>\n</table>\n";

  // The totals two to a row, in the window's order down the columns.
  body += "<h2>Ricchezze varie</h2>\n" + Table();
  const auto totals = TreasureTotalCaptions();
  const std::size_t half = (totals.size() + 1) / 2;
  for (std::size_t row = 0; row < half; ++row) {
    body += "<tr>";
    for (std::size_t i = row; i < totals.size(); i += half) {
      body += Cell("label", totals[i].caption, "width=\"30%\"") +
              Cell("big", WholeText(result.Total(totals[i].kind)),
                   "align=\"right\" width=\"20%\"");
    }
    body += "</tr>\n";
  }
  body += "</table>\n";

  body += "<h2>Oggetti magici</h2>\n" + Table();
  int lines = 0;
  bool any = false;
  for (std::size_t type = 0; type < result.magic_lines.size(); ++type) {
    if (result.magic_lines[type].empty()) continue;
    body +=
        "<tr>" +
        Cell("label",
             "Tipo " + std::string(TreasureTypeLetter(static_cast<int>(type))),
             "width=\"16%\"") +
        Cell("value", result.magic_lines[type]) + "</tr>\n";
    any = true;
    ++lines;
  }
  if (!any) body += "<tr><td>nessuno</td></tr>\n";
  body += "</table>\n";

  int room = 330 - 20 * std::max(lines, 1);
  if (contents != nullptr) {
    int contents_lines = 0;
    body += ContentsSection(*contents, contents_lines);
    room -= 12 * contents_lines + 60;
  }

  // A lair that fills the page with its contents leaves no room to write:
  // the boxes go rather than spill onto a second page.
  if (room >= 40) {
    body += "<h2>Al tavolo</h2>\n";
    if (room >= 80) {
      body += Boxes({"Dove si trova", "Chi lo custodisce"}, 40);
    } else {
      room += 60;  // one row of boxes, a little taller
    }
    body += Boxes({"Divisione del bottino", "Note"}, room);
  }
  return Sheet("Tesoro della tana", "Scheda del tesoro", body, footer,
               "questo tesoro");
}

std::string WeaponSheetHtml(const WeaponResult& result,
                            const WeaponNotes& notes,
                            const SheetFooter& footer) {
  const WeaponWindowTexts shown = WindowTexts(result);
  const bool named = notes.name.find_first_not_of(' ') != std::string::npos;
  std::string body = Particulars({
      {"Nome", notes.name},
      {"Tipo", notes.type == kNoWeaponType ? std::string() : notes.type},
      {"Allineamento", shown.alignment},
      {"Bonus", shown.bonus},
      {"Intelligenza", shown.intelligence},
      {"Comunicazione", shown.communication},
      {"Lingue parlate", shown.languages},
      {"Ego", shown.ego},
  });

  body += "<h2>Abilità dell'arma e/o poteri straordinari</h2>\n" + Table();
  const std::vector<WeaponLine> lines = LinesInWindowOrder(shown);
  for (const WeaponLine& line : lines) {
    body += "<tr>" + Cell("label", line.caption, "width=\"22%\"") +
            Cell("value", line.text) + "</tr>\n";
  }
  body += "</table>\n";
  body += "<p class=\"aside\">" + HtmlText(kRepeatedAbilityNote) + "</p>\n";

  body += "<h2>Al tavolo</h2>\n";
  body += Boxes({"Proprietario", "Dove fu trovata"}, 40);
  body += Boxes({"Storia e aspetto", "Note"},
                330 - 20 * static_cast<int>(lines.size()));
  return Sheet(named ? notes.name : "Arma intelligente",
               "Scheda dell'arma intelligente", body, footer, "quest'arma");
}

std::string HitPointSheetHtml(const HitPointResult& result,
                              const SheetFooter& footer) {
  const std::string level =
      result.level ? WholeText(*result.level) : result.level_text;
  std::string body =
      Table() + "<tr>" + Cell("caption", "Gruppo", "width=\"30%\"") +
      Cell("caption", "N. Livello", "width=\"20%\"") +
      Cell("caption", "Ritira se il punteggio è minore della metà",
           "width=\"30%\"") +
      Cell("caption", "PF", "width=\"20%\"") + "</tr>\n<tr>" +
      Cell("big", ClassGroupCaption(result.group), "align=\"center\"") +
      Cell("big", level, "align=\"center\"") +
      Cell("big", result.reroll ? "sì" : "no", "align=\"center\"") +
      Cell("score", result.hit_points ? WholeText(*result.hit_points)
                                      : std::string("—")) +
      "</tr>\n</table>\n";
  body += "<p class=\"aside\">Va aggiunto il bonus della costituzione.</p>\n";

  // A box per hit point, twenty to a row, to mark the wounds as they come.
  if (result.hit_points && *result.hit_points > 0) {
    constexpr int kPerRow = 20;
    body += "<h2>Ferite</h2>\n" + Table(5);
    const int points = *result.hit_points;
    for (int first = 1; first <= points; first += kPerRow) {
      body += "<tr>";
      for (int point = first; point < first + kPerRow; ++point) {
        body += point <= points ? Cell("mark", WholeText(point), "width=\"5%\"")
                                : std::string("<td width=\"5%\"></td>");
      }
      body += "</tr>\n";
    }
    body += "</table>\n";
  }

  const int grid_rows =
      result.hit_points ? (std::max(*result.hit_points, 0) + 19) / 20 : 0;
  body += "<h2>Al tavolo</h2>\n";
  body += Boxes({"Personaggio", "Bonus della costituzione"}, 30);
  body += Boxes({"Note"}, 370 - 24 * grid_rows);
  return Sheet("Punti ferita", "Scheda dei punti ferita", body, footer,
               "questo tiro");
}

std::string NameSheetHtml(const NameResult& result, const SheetFooter& footer) {
  std::string body;
  if (result.warning) {
    body += "<p class=\"note\">" + HtmlText(*result.warning) + "</p>\n";
  }
  // The option the window's "Nomi" frame had chosen.
  std::string_view sex = "—";
  switch (result.choice) {
    case NameChoice::kNone:
      break;
    case NameChoice::kMale:
      sex = "Maschili";
      break;
    case NameChoice::kFemale:
      sex = "Femminili";
      break;
  }
  body += Particulars({{"Nome", result.name}, {"Nomi", std::string(sex)}});
  body += "<h2>Al tavolo</h2>\n";
  body += Boxes({"Chi è", "Dove si incontra"}, 40);
  body += Boxes({"Note"}, result.warning ? 420 : 440);
  return Sheet(result.name.empty() ? "Nome" : result.name, "Scheda del nome",
               body, footer, "questo nome");
}

std::string PartySheetHtml(const Party& party, const SheetFooter& footer) {
  const std::span<const NpcColumn> columns = NpcColumns();
  std::vector<std::vector<std::string>> rows;
  for (const Npc& member : party.members) rows.push_back(NpcRowTexts(member));
  // Twenty columns do not stand side by side on a page in readable type:
  // the particulars come first, then the numbers of a fight, each row named.
  constexpr std::size_t kFirstNumber = 8;  // THAC0
  const auto table = [&](std::size_t from, std::size_t to) {
    std::string html = Table(3) + "<tr>";
    if (from > 0) html += "<th>" + HtmlText(columns[0].heading) + "</th>";
    for (std::size_t c = from; c < to; ++c) {
      html += "<th>" + HtmlText(columns[c].heading) + "</th>";
    }
    html += "</tr>\n";
    for (const std::vector<std::string>& row : rows) {
      html += "<tr>";
      if (from > 0) html += Cell("mark", row[0]);
      for (std::size_t c = from; c < to; ++c) html += Cell("mark", row[c]);
      html += "</tr>\n";
    }
    return html + "</table>\n";
  };
  std::string body = "<h2>Chi sono</h2>\n" + table(0, kFirstNumber) +
                     "<h2>In combattimento</h2>\n" +
                     table(kFirstNumber, columns.size());
  std::string key;
  for (const NpcColumn& column : columns) {
    if (column.heading == column.caption) continue;
    key += (key.empty() ? "" : "; ") + std::string("<b>") +
           HtmlText(column.heading) + "</b> " + HtmlText(column.caption);
  }
  body += "<p class=\"aside\">" + key + ".</p>\n";
  body += "<h2>Al tavolo</h2>\n" + Boxes({"Note"}, 60);
  return Sheet(PartyTitle(party), "Scheda del gruppo", body, footer,
               "questo gruppo");
}

}  // namespace quendaro
