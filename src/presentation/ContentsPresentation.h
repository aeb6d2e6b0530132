#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"

namespace quendaro {

// A lair's contents as texts, for the contents window and the command line
// (the printed sheet is in Sheets): each gem, art object and magic item with
// its value, and what the lair is worth. A lair's own texts stay in
// TreasurePresentation; the functions taking both write the lair, then its
// contents.

// A value in gold pieces: "1250 mo", "13,7 mo", "0,1 mo" with the decimal
// separator given.
std::string GoldText(Copper value, char decimal_separator = ',');

std::string_view GemClassName(GemClass gem_class);  // "ornamentale"
std::string_view GemClassKey(GemClass gem_class);   // "ornamental"
std::string_view MagicKindName(MagicKind kind);     // "pozione"
std::string_view MagicKindKey(MagicKind kind);      // "potion"
std::string_view WhiteMetalName(WhiteMetal metal);  // "platino"

// "calice d'argento con smalti".
std::string ArtObjectText(const ArtObject& object);
// "Anello di protezione +1", "Spada lunga +2, intelligente", "Bacchetta dei
// fulmini, 87 cariche", "Pergamena di 3 incantesimi da mago (livelli 1, 4,
// 2)", "Frecce +1, 9 pezzi".
std::string MagicItemName(const MagicItem& item);
// "A3": the item's place in its type's line; `index_in_type` counts from 0.
std::string MagicItemPlace(const MagicItem& item, std::size_t index_in_type);
// "Oggetto magico A3".
std::string MagicItemLabel(const MagicItem& item, std::size_t index_in_type);

// Calls `visit(item, index_in_type)` for each magic item in order, with its
// place in its type's line counted from 0, as MagicItemLabel takes it.
template <typename Visit>
void ForEachItem(const LairContents& contents, Visit&& visit) {
  std::size_t index = 0;
  int type = -1;
  for (const MagicItem& item : contents.magic_items) {
    if (item.type != type) {
      type = item.type;
      index = 0;
    }
    visit(item, index++);
  }
}

// Calls `visit(gem_class, gems)` for each class that the lair has gems of,
// from the cheapest, with that class's gems in the order drawn.
template <typename Visit>
void ForEachClass(const LairContents& contents, Visit&& visit) {
  for (int c = 0; c < kGemClassCount; ++c) {
    const auto gem_class = static_cast<GemClass>(c);
    std::vector<const Gem*> gems;
    for (const Gem& gem : contents.gems) {
      if (gem.gem_class == gem_class) gems.push_back(&gem);
    }
    if (!gems.empty()) visit(gem_class, gems);
  }
}

std::string ContentsPlainText(const LairContents& contents);
std::string ContentsMarkdown(const LairContents& contents);

// The record's "contents": {"gems": [...], "artObjects": [...],
// "magicItems": [...], "platinumElectrum": "platinum", "electrum" or null,
// "value": {"gems", "artObjects", "coins", "total"} in gold pieces}.
Json ContentsJson(const LairContents& contents);

// What a summary of many lairs counts of their contents: their values and
// how many gems of each class and items of each kind they hold, under
// "contents.".
void VisitContentsSummary(const LairContents& contents, ResultFields& fields);

std::string PlainText(const TreasureResult& result,
                      const LairContents& contents);
std::string Markdown(const TreasureResult& result,
                     const LairContents& contents);
// The lair's record with "contents" in its "result".
Json Record(const TreasureResult& result, const LairContents& contents,
            std::optional<std::int64_t> seed, std::uint64_t index);

}  // namespace quendaro
