// Any bytes become the command line's arguments (split at NUL bytes); every
// argument list must either be refused with a one-line message free of
// control characters, or give records that are valid JSON, text and
// Markdown whose only control character is the line break, and a summary.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "cli/CharacterCommand.h"
#include "cli/CommandLine.h"
#include "cli/HitPointsCommand.h"
#include "cli/NameCommand.h"
#include "cli/SafeText.h"
#include "cli/Statistics.h"
#include "cli/TreasureCommand.h"
#include "cli/WeaponCommand.h"
#include "fuzz/FuzzSupport.h"
#include "presentation/Record.h"
#include "random/RandomSource.h"

namespace quendaro::fuzzing {
namespace {

std::uint64_t FrozenClock() { return 0; }

void CheckNoControls(const std::string& text, bool line_breaks_allowed) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\n' && line_breaks_allowed) continue;
    Require(byte >= 0x20 && byte != 0x7f, "a control character is written raw");
  }
}

// JSON escapes the C0 controls; DEL is an ordinary character to it.
void CheckJsonEscapes(const std::string& line) {
  for (char c : line) {
    Require(static_cast<unsigned char>(c) >= 0x20,
            "a JSON line holds a raw control character");
  }
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::cli;
  using quendaro::fuzzing::CheckJsonEscapes;
  using quendaro::fuzzing::CheckNoControls;
  using quendaro::fuzzing::Require;

  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  const char separator = size > 0 && data[0] % 2 == 0 ? ',' : '.';
  std::vector<std::unique_ptr<Subcommand>> subcommands;
  subcommands.emplace_back(new CharacterCommand(separator));
  subcommands.emplace_back(new TreasureCommand());
  subcommands.emplace_back(new WeaponCommand());
  subcommands.emplace_back(new HitPointsCommand(separator));
  subcommands.emplace_back(new NameCommand());

  const auto parsed = ParseCommandLine(arguments, subcommands);
  if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
    Require(!error->message.empty(), "a usage error without a message");
    CheckNoControls(error->message, false);
    return 0;
  }
  const Invocation& invocation = std::get<Invocation>(parsed);
  if (invocation.subcommand == nullptr || invocation.help) return 0;

  RandomSource random(static_cast<std::uint64_t>(invocation.seed.value_or(1)),
                      &quendaro::fuzzing::FrozenClock);
  Statistics statistics(separator);
  const std::int64_t runs = invocation.count < 3 ? invocation.count : 3;
  for (std::int64_t i = 0; i < runs; ++i) {
    invocation.subcommand->Run(random);
    const Json record = invocation.subcommand->LastRecord(
        invocation.seed, static_cast<std::uint64_t>(i));
    const std::string line = JsonLine(record);
    CheckJsonEscapes(line);
    Require(Json::parse(line) == Json::parse(line), "a record that is no JSON");
    CheckNoControls(EscapeControls(invocation.subcommand->LastText(), true),
                    true);
    CheckNoControls(EscapeControls(invocation.subcommand->LastMarkdown(), true),
                    true);
    statistics.Add(record["result"]);
  }
  Require(statistics.Count() == static_cast<std::size_t>(runs),
          "the summary lost a result");
  CheckJsonEscapes(JsonLine(statistics.Summary()));
  CheckNoControls(EscapeControls(statistics.Text(), true), true);
  return 0;
}
