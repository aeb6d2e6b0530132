#include "treasure/contents/ContentsGenerator.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "treasure/contents/MagicLine.h"

namespace quendaro {
namespace {

std::uint64_t FrozenClock() { return 0; }

// A gem's value steps up and down these, in copper pieces: the classes' base
// values with, below 10 gp, 5 gp, 1 gp, 5 sp and 1 sp. Above the top step
// each step doubles the value.
constexpr std::array<Copper, 10> kGemSteps = {
    10, 50, 100, 500, 1000, 5000, 10000, 50000, 100000, 500000};

Copper StepUp(Copper value) {
  const auto* next =
      std::upper_bound(kGemSteps.begin(), kGemSteps.end(), value);
  const Copper raised = next != kGemSteps.end() ? *next : value * 2;
  return std::min(raised, kHighestGemValue);
}

Copper StepDown(Copper value) {
  const auto* at = std::lower_bound(kGemSteps.begin(), kGemSteps.end(), value);
  return at == kGemSteps.begin() ? kGemSteps.front() : *(at - 1);
}

constexpr int kPercent = 100;

std::string Numbered(std::string_view what, std::size_t index) {
  return std::string(what) + " " + std::to_string(index + 1);
}

// Subjects of the roll audit.
std::string GemSubject(std::size_t index, std::string_view what) {
  return Numbered("Gemma", index) + ": " + std::string(what);
}
std::string ArtSubject(std::size_t index, std::string_view what) {
  return Numbered("Oggetto d'arte", index) + ": " + std::string(what);
}

class Roller {
 public:
  Roller(RandomSource& random, const WeaponGenerator& weapons)
      : random_(random), weapons_(weapons) {}

  Gem RollGem(std::size_t index) {
    const GemClassRow& row = GemClassFor(random_.Roll(
        kTableRoll, 1, [&] { return GemSubject(index, "classe"); }));
    Gem gem;
    gem.gem_class = row.gem_class;
    const auto stones = static_cast<int>(StonesOf(row.gem_class).size());
    gem.stone = StoneFor(row.gem_class, random_.Roll(stones, 1, [&] {
                  return GemSubject(index, "pietra");
                })).stone;
    gem.value = row.base_gold * kCopperPerGold;
    if (random_.Roll(kPercent, 1, [&] {
          return GemSubject(index, "varia dal valore base?");
        }) <= kGemVariationChance) {
      const Copper before = gem.value;
      gem.value = Vary(index, gem.value);
      if (RollLog* log = random_.Log()) {
        log->Rule(GemSubject(index, "valore"), "variazione (in mr)",
                  static_cast<int>(before), static_cast<int>(gem.value));
      }
    }
    return gem;
  }

  ArtObject RollArtObject(std::size_t index) {
    const ArtValueRow& row = ArtValueFor(random_.Roll(
        kTableRoll, 1, [&] { return ArtSubject(index, "fascia di valore"); }));
    ArtObject art;
    art.value = static_cast<Copper>(random_.RollBetween(
                    row.dice_low, row.dice_high,
                    [&] { return ArtSubject(index, "dadi del valore"); })) *
                row.multiplier * kCopperPerGold;
    art.object = ArtObjectFor(random_.Roll(
        kTableRoll, 1, [&] { return ArtSubject(index, "oggetto"); }));
    art.material = ArtMaterialFor(random_.Roll(
        kTableRoll, 1, [&] { return ArtSubject(index, "materiale"); }));
    art.decoration = ArtDecorationFor(random_.Roll(
        kTableRoll, 1, [&] { return ArtSubject(index, "decorazione"); }));
    return art;
  }

  // One item of type `type`, its kind rolled on the master table's rows
  // `rows`.
  MagicItem RollItem(int type, RollRange rows, std::size_t index) {
    const MagicKind kind =
        MagicKindFor(random_.RollBetween(rows.low, rows.high, [&] {
          return ItemSubject(type, index, "categoria");
        }));
    return RollItemOf(type, kind, index);
  }

  MagicItem RollItemOf(int type, MagicKind kind, std::size_t index) {
    MagicItem item;
    item.type = type;
    item.kind = kind;
    auto d100 = [&](std::string_view what) {
      return random_.Roll(kTableRoll, 1,
                          [&] { return ItemSubject(type, index, what); });
    };
    switch (kind) {
      case MagicKind::kPotion:
      case MagicKind::kRing:
      case MagicKind::kRod:
      case MagicKind::kStaff:
      case MagicKind::kWand:
      case MagicKind::kMiscellaneous: {
        const MagicItemRow& row = MagicItemFor(kind, d100("oggetto"));
        item.name = row.name;
        if (row.HasCharges()) {
          item.charges = random_.RollBetween(
              row.charges_low, row.charges_high,
              [&] { return ItemSubject(type, index, "cariche"); });
        }
        break;
      }
      case MagicKind::kScroll: {
        const ScrollRow& row = ScrollFor(d100("pergamena"));
        item.name = row.name;
        if (row.spells > 0) item.spells = RollSpells(row, type, index);
        break;
      }
      case MagicKind::kArmor:
        item.name = ArmorTypeFor(d100("armatura")).name;
        item.bonus = EnchantmentFor(d100("bonus"));
        break;
      case MagicKind::kWeapon: {
        const WeaponTypeRow& row = WeaponTypeFor(d100("arma"));
        item.name = row.name;
        if (row.quantity_high > row.quantity_low) {
          item.quantity = random_.RollBetween(
              row.quantity_low, row.quantity_high,
              [&] { return ItemSubject(type, index, "quantità"); });
        }
        if (row.intelligence_chance > 0 &&
            d100("intelligente?") <= row.intelligence_chance) {
          item.weapon = weapons_.Generate(random_);
          item.bonus = item.weapon->bonus;
          item.weapon_window_type = row.form5_type;
        } else {
          item.bonus = EnchantmentFor(d100("bonus"));
        }
        break;
      }
    }
    return item;
  }

 private:
  static std::string ItemSubject(int type, std::size_t index,
                                 std::string_view what) {
    return "Oggetto magico " + std::string(1, static_cast<char>('A' + type)) +
           std::to_string(index + 1) + ": " + std::string(what);
  }

  ScrollSpells RollSpells(const ScrollRow& row, int type, std::size_t index) {
    ScrollSpells spells;
    spells.wizard = random_.Roll(kPercent, 1, [&] {
      return ItemSubject(type, index, "da mago o da sacerdote");
    }) <= kWizardScrollChance;
    int high = row.level_high;
    int low = row.level_low;
    if (!spells.wizard) {
      high = std::min(high, kHighestPriestLevel);
      low = std::min(low, high);
    }
    spells.count = std::min(row.spells, kMostScrollSpells);
    for (int i = 0; i < spells.count; ++i) {
      spells.levels[static_cast<std::size_t>(i)] =
          random_.RollBetween(low, high, [&] {
            return ItemSubject(
                type, index,
                "livello dell'incantesimo " + std::to_string(i + 1));
          });
    }
    return spells;
  }

  // The gem variation: one d6, and for a step up or down more d6 for as
  // long as they repeat the step.
  Copper Vary(std::size_t index, Copper value) {
    auto d6 = [&] {
      return random_.Roll(kGemVariationRoll, 1,
                          [&] { return GemSubject(index, "variazione"); });
    };
    const GemVariationRow& row = GemVariationFor(d6());
    switch (row.effect) {
      case GemVariation::kUp: {
        const int step_roll = row.low;
        do {
          value = StepUp(value);
        } while (value < kHighestGemValue && d6() == step_roll);
        return value;
      }
      case GemVariation::kDouble:
        return std::min(value * 2, kHighestGemValue);
      case GemVariation::kMore:
      case GemVariation::kLess: {
        const int tens = random_.RollBetween(
                             row.percent_low / 10, row.percent_high / 10,
                             [&] { return GemSubject(index, "percentuale"); }) *
                         10;
        const Copper change = value * tens / kPercent;
        return row.effect == GemVariation::kMore ? value + change
                                                 : value - change;
      }
      case GemVariation::kHalf:
        return std::max<Copper>(value / 2, kGemSteps.front());
      case GemVariation::kDown: {
        const int step_roll = row.low;
        int steps = 0;
        do {
          value = StepDown(value);
          ++steps;
        } while (steps < kMostStepsDown && value > kGemSteps.front() &&
                 d6() == step_roll);
        return value;
      }
    }
    return value;
  }

  RandomSource& random_;
  const WeaponGenerator& weapons_;
};

// The master table's rows that a line's items of any kind are drawn from.
// Armour and weapons stand last in the master table, weapons at its end, so
// each choice is one block of rows.
RollRange RowsFor(AnyKinds kinds) {
  const RollRange armor = MasterRowsOf(MagicKind::kArmor);
  const RollRange weapon = MasterRowsOf(MagicKind::kWeapon);
  assert(armor.high + 1 == weapon.low && weapon.high == kTableRoll &&
         "armour and weapons close the master table");
  switch (kinds) {
    case AnyKinds::kAll:
      return {1, kTableRoll};
    case AnyKinds::kArmorOrWeapon:
      return {armor.low, weapon.high};
    case AnyKinds::kNoWeapons:
      return {1, weapon.low - 1};
  }
  return {1, kTableRoll};
}

}  // namespace

RandomSource ContentsGenerator::SourceFor(std::uint64_t seed) {
  return RandomSource(seed, &FrozenClock);
}

Copper CoinValue(const TreasureResult& lair, std::optional<WhiteMetal> metal) {
  Copper value = lair.Total(TreasureKind::kCopper) +
                 lair.Total(TreasureKind::kSilver) * kCopperPerSilver +
                 lair.Total(TreasureKind::kGold) * kCopperPerGold;
  if (metal) {
    value += static_cast<Copper>(lair.Total(TreasureKind::kPlatinumElectrum)) *
             (*metal == WhiteMetal::kPlatinum ? kCopperPerPlatinum
                                              : kCopperPerElectrum);
  }
  return value;
}

LairContents ContentsGenerator::Generate(const TreasureResult& lair,
                                         RandomSource& random) const {
  LairContents contents;
  Roller roller(random, weapons_);

  if (lair.Total(TreasureKind::kPlatinumElectrum) > 0) {
    // The lair table counts the two metals as one; an even chance tells
    // which this lair's coins are.
    contents.white_metal =
        random.Roll(kPercent, 1,
                    LabelOf("Monete di platino/electrum: "
                            "platino (1-50) o electrum")) <= 50
            ? WhiteMetal::kPlatinum
            : WhiteMetal::kElectrum;
  }

  const auto gems =
      static_cast<std::size_t>(std::max(0, lair.Total(TreasureKind::kGems)));
  contents.gems.reserve(gems);
  for (std::size_t i = 0; i < gems; ++i) {
    contents.gems.push_back(roller.RollGem(i));
    contents.value.gems += contents.gems.back().value;
  }

  const auto arts = static_cast<std::size_t>(
      std::max(0, lair.Total(TreasureKind::kArtObjects)));
  contents.art_objects.reserve(arts);
  for (std::size_t i = 0; i < arts; ++i) {
    contents.art_objects.push_back(roller.RollArtObject(i));
    contents.value.art_objects += contents.art_objects.back().value;
  }

  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const std::string_view line =
        lair.magic_lines[static_cast<std::size_t>(type)];
    if (line.empty()) continue;
    const std::optional<MagicDemand> demand = ParseMagicLine(line);
    assert(demand && "every magic-item line of the lair table is understood");
    if (!demand) continue;
    std::size_t index = 0;
    const RollRange rows = RowsFor(demand->kinds);
    for (int i = 0; i < demand->any; ++i) {
      contents.magic_items.push_back(roller.RollItem(type, rows, index++));
    }
    for (int i = 0; i < demand->extra; ++i) {
      contents.magic_items.push_back(
          roller.RollItemOf(type, demand->extra_kind, index++));
    }
  }

  contents.value.coins = CoinValue(lair, contents.white_metal);
  contents.value.total =
      contents.value.gems + contents.value.art_objects + contents.value.coins;
  return contents;
}

}  // namespace quendaro
