#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "random/RandomSource.h"
#include "support/Draws.h"
#include "weapon/AbilityDraw.h"

namespace quendaro {
namespace {

using testing::DrawFor;

// The rolls of one draw, as far as they go.
float Primary(int roll) { return DrawFor(100, 1, roll); }
float Power(int roll) { return DrawFor(96, 1, roll); }
float Purpose(int roll) { return DrawFor(95, 1, roll); }
float PurposePower(int roll) { return DrawFor(100, 1, roll); }

constexpr std::string_view kXRay =
    "Vista a raggi X, raggio 40m, 2 volte al giorno 1 turno x uso";
constexpr std::string_view kTelepathy =
    "Telepatia nel raggio di 60m 2 volte al giorno";

struct DrawCase {
  std::vector<float> draws;
  std::string_view ability;
  int ego;
  std::optional<std::string_view> purpose = std::nullopt;
  std::optional<std::string_view> power = std::nullopt;
};

class AbilityDrawCases : public ::testing::TestWithParam<DrawCase> {};

TEST_P(AbilityDrawCases, GivesTextEgoAndUsesExactlyItsValues) {
  const DrawCase& c = GetParam();
  RandomSource random;
  random.ScriptDraws(c.draws);

  const AbilityOutcome outcome = AbilityDraw(random);

  EXPECT_EQ(outcome.ability, c.ability);
  EXPECT_EQ(outcome.ego, c.ego);
  EXPECT_EQ(random.DrawCount(), c.draws.size());
  EXPECT_EQ(random.ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(random.ReseedCount(), 0u);
  ASSERT_EQ(outcome.specialPurpose.has_value(), c.purpose.has_value());
  if (c.purpose) {
    EXPECT_EQ(outcome.specialPurpose->purpose, *c.purpose);
    EXPECT_EQ(outcome.specialPurpose->power, *c.power);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, AbilityDrawCases,
    ::testing::Values(
        DrawCase{{testing::kSmallestDraw},
                 "Individua ascensori/stanze girevoli/pareti mobili nel raggio "
                 "di 3m",
                 1},
        DrawCase{{Primary(77)}, "Individua il magico nel raggio di 1,5m", 1},
        DrawCase{{Primary(98)}, "Localizza oggetti nel raggio di 36m", 1},
        // 99 and up leave the senses for an extraordinary power.
        DrawCase{{Primary(99), Power(1)},
                 "Charme mediante contatto 3 volte al giorno",
                 2},
        DrawCase{{Primary(100), Power(61)},
                 "Levitazione x 1 turno 3 volte al girno al 6° LIV.",
                 2},
        DrawCase{{Primary(99), Power(75)},
                 "Telecinesi MAX 125 kg 2 volte al giorno 1 round x uso",
                 2},
        DrawCase{{Primary(99), Power(76)}, kTelepathy, 4},
        DrawCase{{Primary(99), Power(81)}, kTelepathy, 4},
        DrawCase{{Primary(99), Power(82)},
                 "Teletrasporto 1 volta al giorno MAX 300 kg tempo-lancio 2",
                 2},
        DrawCase{{Primary(99), Power(94)}, kXRay, 2},
        DrawCase{{Primary(99), Power(95), Purpose(75), PurposePower(1)},
                 kXRay,
                 7,
                 "Sconfigge il bene e/o il male",
                 "Cecità x 2d6 round"},
        DrawCase{{Primary(99), Power(96), Purpose(76), PurposePower(100)},
                 kXRay,
                 7,
                 "Sconfigge mostri non umani",
                 "+2 su tutti i tiri salvezza,-1 per ogni dado di ferite "
                 "subite"},
        DrawCase{{Primary(99), Power(95), Purpose(20), PurposePower(80)},
                 kXRay,
                 7,
                 "Sconfigge sacerdoti(di un certo tipo)",
                 "Paralisi x 1d4 round"},
        DrawCase{{Primary(99), Power(95), Purpose(21), PurposePower(81)},
                 kXRay,
                 7,
                 "Sconfigge guerrieri",
                 "+2 su tutti i tiri salvezza,-1 per ogni dado di ferite "
                 "subite"},
        // The largest draw of each roll lands on its last row: the power and
        // purpose rolls run to 96 and 95, so 100-sized rolls would overshoot.
        DrawCase{{testing::kLargestDraw, testing::kLargestDraw,
                  testing::kLargestDraw, testing::kLargestDraw},
                 kXRay,
                 7,
                 "Sconfigge mostri non umani",
                 "+2 su tutti i tiri salvezza,-1 per ogni dado di ferite "
                 "subite"},
        DrawCase{{testing::kLargestDraw, testing::kSmallestDraw},
                 "Charme mediante contatto 3 volte al giorno",
                 2}));

}  // namespace
}  // namespace quendaro
