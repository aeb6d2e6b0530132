#include "presentation/ContentsPresentation.h"

#include <array>

#include "common/NumberText.h"
#include "presentation/Record.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"

namespace quendaro {
namespace {

struct GemClassTexts {
  std::string_view name;
  std::string_view key;
};
constexpr std::array<GemClassTexts, kGemClassCount> kGemClassTexts{{
    {"ornamentale", "ornamental"},     // kOrnamental
    {"semipreziosa", "semiprecious"},  // kSemiPrecious
    {"di pregio", "fancy"},            // kFancy
    {"preziosa", "precious"},          // kPrecious
    {"gemma", "gem"},                  // kGem
    {"gioiello", "jewel"},             // kJewel
}};

struct KindTexts {
  std::string_view name;
  std::string_view key;
};
constexpr std::array<KindTexts, kMagicKindCount> kKindTexts{{
    {"pozione", "potion"},               // kPotion
    {"pergamena", "scroll"},             // kScroll
    {"anello", "ring"},                  // kRing
    {"verga", "rod"},                    // kRod
    {"bastone", "staff"},                // kStaff
    {"bacchetta", "wand"},               // kWand
    {"oggetto vario", "miscellaneous"},  // kMiscellaneous
    {"armatura", "armor"},               // kArmor
    {"arma", "weapon"},                  // kWeapon
}};

std::string Letter(int type) { return std::string(TreasureTypeLetter(type)); }

Json GoldJson(Copper value) {
  if (value % kCopperPerGold == 0) return Json(value / kCopperPerGold);
  return Json(static_cast<double>(value) / kCopperPerGold);
}

std::string Indented(std::string_view text, std::string_view indent) {
  std::string out(indent);
  for (char c : text) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out;
}

std::string ValueLine(const LairContents& contents) {
  return "gemme " + GoldText(contents.value.gems) + ", oggetti d'arte " +
         GoldText(contents.value.art_objects) + ", monete " +
         GoldText(contents.value.coins) + ", totale " +
         GoldText(contents.value.total);
}

std::string MetalLine(const LairContents& contents) {
  return contents.white_metal
             ? "Le monete di platino/electrum sono di " +
                   std::string(WhiteMetalName(*contents.white_metal))
             : std::string();
}

constexpr std::string_view kRates = "1 mo = 10 ma = 100 mr = 2 me; 1 mp = 5 mo";

}  // namespace

std::string GoldText(Copper value, char decimal_separator) {
  std::string text = std::to_string(value / kCopperPerGold);
  const Copper cents = value % kCopperPerGold;
  if (cents != 0) {
    text += decimal_separator;
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  return text + " mo";
}

std::string_view GemClassName(GemClass gem_class) {
  return kGemClassTexts[static_cast<std::size_t>(gem_class)].name;
}
std::string_view GemClassKey(GemClass gem_class) {
  return kGemClassTexts[static_cast<std::size_t>(gem_class)].key;
}
std::string_view MagicKindName(MagicKind kind) {
  return kKindTexts[static_cast<std::size_t>(kind)].name;
}
std::string_view MagicKindKey(MagicKind kind) {
  return kKindTexts[static_cast<std::size_t>(kind)].key;
}
std::string_view WhiteMetalName(WhiteMetal metal) {
  switch (metal) {
    case WhiteMetal::kPlatinum:
      return "platino";
    case WhiteMetal::kElectrum:
      return "electrum";
  }
  return "platino";
}

std::string ArtObjectText(const ArtObject& object) {
  std::string text =
      std::string(object.object) + " " + std::string(object.material);
  if (!object.decoration.empty()) {
    text += " " + std::string(object.decoration);
  }
  return text;
}

std::string MagicItemName(const MagicItem& item) {
  std::string name(item.name);
  if (item.spells) {
    const ScrollSpells& spells = *item.spells;
    const bool one = spells.count == 1;
    name = "Pergamena di " + std::to_string(spells.count) +
           (one ? " incantesimo" : " incantesimi") +
           (spells.wizard ? " da mago" : " da sacerdote") +
           (one ? " (livello " : " (livelli ");
    for (int i = 0; i < spells.count; ++i) {
      if (i > 0) name += ", ";
      name += std::to_string(spells.levels[static_cast<std::size_t>(i)]);
    }
    name += ")";
  }
  if (item.bonus > 0) name += " +" + std::to_string(item.bonus);
  if (item.quantity > 1)
    name += ", " + std::to_string(item.quantity) + " pezzi";
  if (item.charges > 0) {
    name += ", " + std::to_string(item.charges) +
            (item.charges == 1 ? " carica" : " cariche");
  }
  if (item.weapon) name += ", intelligente";
  return name;
}

std::string MagicItemPlace(const MagicItem& item, std::size_t index_in_type) {
  return Letter(item.type) + std::to_string(index_in_type + 1);
}

std::string MagicItemLabel(const MagicItem& item, std::size_t index_in_type) {
  return "Oggetto magico " + MagicItemPlace(item, index_in_type);
}

std::string ContentsPlainText(const LairContents& contents) {
  std::string text = "CONTENUTO DEL TESORO :\n  Gemme (" +
                     WholeText(static_cast<int>(contents.gems.size())) + ", " +
                     GoldText(contents.value.gems) + "):";
  if (contents.gems.empty()) text += "\n    nessuna";
  ForEachClass(contents, [&](GemClass gem_class, const auto& gems) {
    text += "\n    " + std::string(GemClassName(gem_class)) + ":";
    for (const Gem* gem : gems) {
      text +=
          "\n      " + std::string(gem->stone) + ", " + GoldText(gem->value);
    }
  });
  text += "\n  Oggetti d'arte (" +
          WholeText(static_cast<int>(contents.art_objects.size())) + ", " +
          GoldText(contents.value.art_objects) + "):";
  if (contents.art_objects.empty()) text += "\n    nessuno";
  for (const ArtObject& object : contents.art_objects) {
    text += "\n    " + ArtObjectText(object) + ", " + GoldText(object.value);
  }
  text += "\n  Oggetti magici (" +
          WholeText(static_cast<int>(contents.magic_items.size())) + "):";
  if (contents.magic_items.empty()) text += "\n    nessuno";
  ForEachItem(contents, [&](const MagicItem& item, std::size_t index) {
    text += "\n    " + MagicItemPlace(item, index) + ": " +
            MagicItemName(item) + " (" + std::string(MagicKindName(item.kind)) +
            ")";
    if (item.weapon)
      text +=
          "\n" + Indented(PlainText(*item.weapon, WeaponNotes{}), "        ");
  });
  if (contents.white_metal) text += "\n  " + MetalLine(contents);
  text += "\n  Valore: " + ValueLine(contents);
  text += "\n  Cambio: " + std::string(kRates);
  return text;
}

std::string ContentsMarkdown(const LairContents& contents) {
  std::string md =
      "## Contenuto del tesoro\n\n### Gemme\n\n"
      "| Classe | Pietra | Valore |\n|---|---|---|\n";
  ForEachClass(contents, [&](GemClass gem_class, const auto& gems) {
    for (const Gem* gem : gems) {
      md += "| " + std::string(GemClassName(gem_class)) + " | " +
            MarkdownText(gem->stone) + " | " + GoldText(gem->value) + " |\n";
    }
  });
  if (contents.gems.empty()) md += "| — | nessuna | 0 mo |\n";
  md += "\n### Oggetti d'arte\n\n| Oggetto | Valore |\n|---|---|\n";
  for (const ArtObject& object : contents.art_objects) {
    md += "| " + MarkdownText(ArtObjectText(object)) + " | " +
          GoldText(object.value) + " |\n";
  }
  if (contents.art_objects.empty()) md += "| nessuno | 0 mo |\n";
  md +=
      "\n### Oggetti magici\n\n| Tipo | Categoria | Oggetto |\n|---|---|---|\n";
  std::string weapons;
  ForEachItem(contents, [&](const MagicItem& item, std::size_t index) {
    const std::string label = MagicItemPlace(item, index);
    md += "| " + label + " | " + std::string(MagicKindName(item.kind)) + " | " +
          MarkdownText(MagicItemName(item)) + " |\n";
    if (item.weapon) {
      std::string weapon = Markdown(*item.weapon, WeaponNotes{});
      // The weapon's own heading, one level down and named for the item.
      weapon.replace(
          0, weapon.find('\n'),
          "#### " + label + ": " + MarkdownText(MagicItemName(item)));
      weapons += "\n" + weapon;
    }
  });
  if (contents.magic_items.empty()) md += "| — | — | nessuno |\n";
  md += weapons;
  md +=
      "\n### Valore\n\n| Voce | Valore |\n|---|---|\n"
      "| Gemme | " +
      GoldText(contents.value.gems) +
      " |\n"
      "| Oggetti d'arte | " +
      GoldText(contents.value.art_objects) +
      " |\n"
      "| Monete | " +
      GoldText(contents.value.coins) +
      " |\n"
      "| Totale | " +
      GoldText(contents.value.total) + " |\n";
  if (contents.white_metal) md += "\n" + MetalLine(contents) + ".\n";
  md += "\nCambio: " + std::string(kRates) + ".\n";
  return md;
}

Json ContentsJson(const LairContents& contents) {
  Json gems = Json::array();
  for (const Gem& gem : contents.gems) {
    Json entry;
    entry["class"] = GemClassKey(gem.gem_class);
    entry["stone"] = gem.stone;
    entry["value"] = GoldJson(gem.value);
    gems.push_back(std::move(entry));
  }
  Json arts = Json::array();
  for (const ArtObject& object : contents.art_objects) {
    Json entry;
    entry["object"] = ArtObjectText(object);
    entry["value"] = GoldJson(object.value);
    arts.push_back(std::move(entry));
  }
  Json items = Json::array();
  for (const MagicItem& item : contents.magic_items) {
    Json entry;
    entry["type"] = Letter(item.type);
    entry["kind"] = MagicKindKey(item.kind);
    entry["name"] = MagicItemName(item);
    entry["bonus"] = item.bonus > 0 ? Json(item.bonus) : Json(nullptr);
    entry["charges"] = item.charges > 0 ? Json(item.charges) : Json(nullptr);
    entry["quantity"] = item.quantity;
    if (item.spells) {
      Json spells;
      spells["caster"] = item.spells->wizard ? "wizard" : "priest";
      Json levels = Json::array();
      for (int i = 0; i < item.spells->count; ++i) {
        levels.push_back(item.spells->levels[static_cast<std::size_t>(i)]);
      }
      spells["levels"] = std::move(levels);
      entry["spells"] = std::move(spells);
    } else {
      entry["spells"] = nullptr;
    }
    entry["weapon"] = item.weapon ? ResultJson(*item.weapon) : Json(nullptr);
    items.push_back(std::move(entry));
  }
  Json value;
  value["gems"] = GoldJson(contents.value.gems);
  value["artObjects"] = GoldJson(contents.value.art_objects);
  value["coins"] = GoldJson(contents.value.coins);
  value["total"] = GoldJson(contents.value.total);
  Json json;
  json["gems"] = std::move(gems);
  json["artObjects"] = std::move(arts);
  json["magicItems"] = std::move(items);
  json["platinumElectrum"] =
      contents.white_metal
          ? Json(*contents.white_metal == WhiteMetal::kPlatinum ? "platinum"
                                                                : "electrum")
          : Json(nullptr);
  json["value"] = std::move(value);
  return json;
}

void VisitContentsSummary(const LairContents& contents, ResultFields& fields) {
  std::array<int, kGemClassCount> classes{};
  for (const Gem& gem : contents.gems) {
    ++classes[static_cast<std::size_t>(gem.gem_class)];
  }
  std::array<int, kMagicKindCount> kinds{};
  int intelligent = 0;
  for (const MagicItem& item : contents.magic_items) {
    ++kinds[static_cast<std::size_t>(item.kind)];
    if (item.weapon) ++intelligent;
  }
  fields.BeginObject("contents");
  fields.BeginObject("gems");
  for (std::size_t c = 0; c < classes.size(); ++c) {
    fields.Number(GemClassKey(static_cast<GemClass>(c)), classes[c]);
  }
  fields.End();
  fields.BeginObject("magicItems");
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    fields.Number(MagicKindKey(static_cast<MagicKind>(k)), kinds[k]);
  }
  fields.End();
  fields.Number("intelligentWeapons", intelligent);
  if (contents.white_metal) {
    fields.Text("platinumElectrum",
                *contents.white_metal == WhiteMetal::kPlatinum ? "platinum"
                                                               : "electrum");
  } else {
    fields.Missing("platinumElectrum");
  }
  auto gold = [](Copper value) {
    return static_cast<double>(value) / kCopperPerGold;
  };
  fields.BeginObject("value");
  fields.Number("gems", gold(contents.value.gems));
  fields.Number("artObjects", gold(contents.value.art_objects));
  fields.Number("coins", gold(contents.value.coins));
  fields.Number("total", gold(contents.value.total));
  fields.End();
  fields.End();
}

std::string PlainText(const TreasureResult& result,
                      const LairContents& contents) {
  return PlainText(result) + "\n" + ContentsPlainText(contents);
}

std::string Markdown(const TreasureResult& result,
                     const LairContents& contents) {
  return Markdown(result) + "\n" + ContentsMarkdown(contents);
}

Json Record(const TreasureResult& result, const LairContents& contents,
            std::optional<std::int64_t> seed, std::uint64_t index) {
  Json json = ResultJson(result);
  json["contents"] = ContentsJson(contents);
  return MakeRecord("treasure", seed, index, std::move(json),
                    DisplayJson(result));
}

}  // namespace quendaro
