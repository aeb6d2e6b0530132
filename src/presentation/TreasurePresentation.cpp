#include "presentation/TreasurePresentation.h"

#include "common/NumberText.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

constexpr std::array<std::string_view, kTreasureTypeCount> kLetters = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I"};

constexpr std::array<TreasureTotalCaption, kTreasureKindCount> kTotalCaptions =
    {{
        {TreasureKind::kCopper, "Monete di rame"},
        {TreasureKind::kGold, "Monete d'oro"},
        {TreasureKind::kSilver, "Monete d'argento"},
        {TreasureKind::kPlatinumElectrum, "Monete di platino/electrum"},
        {TreasureKind::kGems, "Gemme preziose"},
        {TreasureKind::kArtObjects, "Oggetti d'arte"},
    }};

// The keys of a record's totals in the order of TreasureKind.
constexpr std::array<std::string_view, kTreasureKindCount> kKindKeys = {
    "copper", "silver", "gold", "platinumElectrum", "gems", "artObjects"};

bool AnyType(const TreasureResult& result) {
  for (int count : result.counts) {
    if (count > 0) return true;
  }
  return false;
}

}  // namespace

std::string_view TreasureTypeLetter(int type) {
  return kLetters[static_cast<std::size_t>(type)];
}

std::span<const TreasureTotalCaption> TreasureTotalCaptions() {
  return kTotalCaptions;
}

TreasureWindowTexts WindowTexts(const TreasureResult& result) {
  TreasureWindowTexts texts;
  for (std::size_t kind = 0; kind < texts.totals.size(); ++kind) {
    texts.totals[kind] = WholeText(result.totals[kind]);
  }
  for (std::size_t type = 0; type < texts.magic_lines.size(); ++type) {
    texts.magic_lines[type] = std::string(result.magic_lines[type]);
  }
  return texts;
}

std::string PlainText(const TreasureResult& result) {
  std::string text = "TIPI :";
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    if (result.counts[type] <= 0) continue;
    text += " " + std::string(kLetters[type]) + "×" +
            WholeText(result.counts[type]);
  }
  if (!AnyType(result)) text += " nessuno";
  text += "\nRicchezze varie :\n";
  for (const TreasureTotalCaption& row : kTotalCaptions) {
    text += "  " + std::string(row.caption) + ": " +
            WholeText(result.Total(row.kind)) + "\n";
  }
  text += "OGGETTI MAGICI :";
  bool any = false;
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    if (result.magic_lines[type].empty()) continue;
    text += "\n  " + std::string(kLetters[type]) + ": " +
            std::string(result.magic_lines[type]);
    any = true;
  }
  if (!any) text += "\n  nessuno";
  return text;
}

std::string Markdown(const TreasureResult& result) {
  std::string md = "## Tesoro della tana\n\n| Tipo | Presenze |\n|---|---|\n";
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    if (result.counts[type] <= 0) continue;
    md += "| " + std::string(kLetters[type]) + " | " +
          WholeText(result.counts[type]) + " |\n";
  }
  if (!AnyType(result)) md += "| nessuno | 0 |\n";
  md += "\n| Ricchezze varie | Quantità |\n|---|---|\n";
  for (const TreasureTotalCaption& row : kTotalCaptions) {
    md += "| " + std::string(row.caption) + " | " +
          WholeText(result.Total(row.kind)) + " |\n";
  }
  md += "\n| Tipo | Oggetti magici |\n|---|---|\n";
  bool any = false;
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    if (result.magic_lines[type].empty()) continue;
    md += "| " + std::string(kLetters[type]) + " | " +
          MarkdownText(result.magic_lines[type]) + " |\n";
    any = true;
  }
  if (!any) md += "| — | nessuno |\n";
  return md;
}

void VisitResult(const TreasureResult& result, ResultFields& fields) {
  fields.BeginObject("counts");
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    fields.Number(kLetters[type], result.counts[type]);
  }
  fields.End();
  fields.BeginObject("totals");
  for (std::size_t kind = 0; kind < kKindKeys.size(); ++kind) {
    fields.Number(kKindKeys[kind], result.totals[kind]);
  }
  fields.End();
  fields.BeginObject("magicItems");
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    if (result.magic_lines[type].empty()) {
      fields.Missing(kLetters[type]);
    } else {
      fields.Text(kLetters[type], result.magic_lines[type]);
    }
  }
  fields.End();
}

Json DisplayJson(const TreasureResult& result) {
  const TreasureWindowTexts shown = WindowTexts(result);
  Json totals = Json::object();
  for (std::size_t kind = 0; kind < kKindKeys.size(); ++kind) {
    totals[std::string(kKindKeys[kind])] = shown.totals[kind];
  }
  Json display;
  display["totals"] = std::move(totals);
  display["magicLines"] = shown.magic_lines;
  return display;
}

Json Record(const TreasureResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  return MakeRecord("treasure", seed, index, ResultJson(result),
                    DisplayJson(result));
}

}  // namespace quendaro
