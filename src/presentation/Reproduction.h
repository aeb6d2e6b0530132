#pragma once

#include <string>
#include <string_view>

#include "character/CharacterSheet.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/NpcGenerator.h"
#include "presentation/Sheets.h"
#include "random/RandomState.h"
#include "treasure/TreasureResult.h"

namespace quendaro {

// The command line that makes a window's result again: the same generator,
// the window's inputs exactly as they stood (--as-typed where the window
// takes any text) and --state with the state the generation started from.
// Anyone who runs it gets the same result, byte for byte, in any locale whose
// decimal separator is the window's.

// A word as a POSIX shell reads it back: bare when it holds only characters
// no shell treats specially, otherwise in single quotes.
std::string ShellWord(std::string_view text);

std::string ReproducingCommand(const CharacterRequest& request,
                               const RandomState& state);
// The windows roll a lair's contents with it, so the command asks for them.
std::string ReproducingCommand(const TreasureResult& result,
                               const RandomState& state);
std::string ReproducingCommand(const NpcRequest& request,
                               const RandomState& state);
std::string ReproducingCommand(const WeaponNotes& notes,
                               const RandomState& state);
std::string ReproducingCommand(const HitPointResult& result,
                               const RandomState& state);
std::string ReproducingCommand(const NameResult& result,
                               const RandomState& state);

}  // namespace quendaro
