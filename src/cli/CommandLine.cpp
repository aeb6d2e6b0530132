#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <span>
#include <string_view>

#include "cli/CharacterCommand.h"
#include "cli/CheckedText.h"
#include "cli/HitPointsCommand.h"
#include "cli/NameCommand.h"
#include "cli/NpcCommand.h"
#include "cli/SafeText.h"
#include "cli/TreasureCommand.h"
#include "cli/WeaponCommand.h"

namespace quendaro::cli {

namespace {

constexpr std::string_view kHelpSubcommand = "help";

// The argument as the user wrote it, an option with its dashes.
std::string OptionName(std::string_view name) {
  return "--" + std::string(name);
}

// "unknown option '--colur'; did you mean '--count'?"
std::string UnknownArgument(const std::string& argument,
                            const std::vector<std::string>& known,
                            std::string_view what) {
  if (!argument.starts_with("-")) {
    return "unexpected argument " + Quoted(argument);
  }
  const std::string name = argument.substr(0, argument.find('='));
  std::vector<std::string_view> candidates(known.begin(), known.end());
  return "unknown " + std::string(what) + " " + Quoted(name) +
         DidYouMean(ClosestEntries(name, candidates));
}

std::vector<std::string> OptionNames(const Subcommand& subcommand) {
  std::vector<std::string> names;
  for (const Option& option : subcommand.Options()) {
    names.push_back(OptionName(option.name));
  }
  for (const Option& option : CommonOptions()) {
    names.push_back(OptionName(option.name));
  }
  return names;
}

// The same words with the subcommand moved to the front, the way the user
// meant them.
std::string Reordered(const std::vector<std::string>& arguments,
                      std::string_view subcommand) {
  std::string line = "quendaro-cli " + std::string(subcommand);
  bool moved = false;
  for (const std::string& argument : arguments) {
    if (!moved && argument == subcommand) {
      moved = true;
      continue;
    }
    line += " " + argument;
  }
  return line;
}

// The option a word names ("--race", "--race=<razza>", "-h"), or none.
const Option* NamedOption(std::string_view word,
                          const std::vector<Option>& options) {
  if (word == "-h") word = "--help";
  if (!word.starts_with("--")) return nullptr;
  const std::string_view name = word.substr(2, word.find('=') - 2);
  for (const Option& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// What CLI11 would take silently, in the words after the subcommand: a flag
// given a value ("--json=false" means nothing else than --json to it), an
// option whose value is missing or is one of the subcommand's own options
// ("--name --json" would name the character "--json"), and a value that is
// no UTF-8 text.
std::optional<std::string> CheckValues(std::span<const std::string> words,
                                       const std::vector<Option>& options) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const Option* option = NamedOption(words[i], options);
    if (option == nullptr) continue;  // stray words are named further on
    const std::string dashed = OptionName(option->name);
    const std::size_t equals = words[i].find('=');
    if (!option->TakesValue()) {
      if (equals != std::string::npos) return dashed + " takes no value";
      continue;
    }
    std::string_view value;
    if (equals != std::string::npos) {
      value = std::string_view(words[i]).substr(equals + 1);
    } else if (i + 1 == words.size()) {
      return dashed + " needs a value";
    } else if (NamedOption(words[i + 1], options) != nullptr) {
      const std::string next = EscapeControls(words[i + 1], false);
      return dashed + " has no value: '" + next + "' is an option (write '" +
             dashed + "=" + next + "' to give it as the value)";
    } else {
      value = words[++i];
    }
    if (!IsValidUtf8(value)) {
      return dashed + " needs UTF-8 text, not " + Quoted(value);
    }
  }
  return std::nullopt;
}

// A word for a shell: list texts hold blanks and parentheses.
std::string ShellWord(std::string_view text) {
  const auto plain = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '/' ||
           c == '-' || c == '.';
  };
  if (!text.empty() && std::all_of(text.begin(), text.end(), plain)) {
    return std::string(text);
  }
  return "\"" + std::string(text) + "\"";
}

// The refusal as the user reads it: the hint names an "npc" command only
// with the choices that npc can keep.
RuleRefusal Explained(const Refusal& refusal,
                      const std::vector<std::unique_ptr<Subcommand>>& all) {
  RuleRefusal explained{refusal.messages, refusal.hint};
  if (!refusal.suggest_npc) return explained;
  const Subcommand* npc = nullptr;
  for (const auto& subcommand : all) {
    if (subcommand->Name() == "npc") npc = subcommand.get();
  }
  if (npc == nullptr) return explained;
  std::string line = "quendaro-cli npc";
  bool kept_all = true;
  const std::vector<Option> options = npc->Options();
  for (const auto& kept : refusal.npc_keeps) {
    const bool known =
        std::any_of(options.begin(), options.end(), [&](const Option& o) {
          return o.name == kept.first && o.TakesValue();
        });
    kept_all = kept_all && known;
    line += " " + OptionName(kept.first) + " " + ShellWord(kept.second);
  }
  explained.hint =
      kept_all && !refusal.npc_keeps.empty()
          ? "use '" + line + "' to pick the rest"
          : "use 'quendaro-cli npc' to roll whole characters the rules accept";
  return explained;
}

}  // namespace

std::vector<std::unique_ptr<Subcommand>> AllSubcommands(
    char decimal_separator) {
  std::vector<std::unique_ptr<Subcommand>> all;
  all.push_back(std::make_unique<CharacterCommand>(decimal_separator));
  all.push_back(std::make_unique<TreasureCommand>());
  all.push_back(std::make_unique<WeaponCommand>());
  all.push_back(std::make_unique<HitPointsCommand>(decimal_separator));
  all.push_back(std::make_unique<NameCommand>());
  all.push_back(std::make_unique<NpcCommand>(decimal_separator));
  return all;
}

std::vector<Option> CommonOptions() {
  static constexpr std::string_view kFormats[] = {"text", "markdown", "json"};
  return {
      {.name = "count",
       .value_name = "N",
       .summary = "run N generations on one random sequence",
       .help = "Run N generations in a row on one random sequence, 1 to "
               "9223372036854775807; the output streams as it goes, in "
               "constant memory."},
      {.name = "seed",
       .value_name = "S",
       .summary = "repeatable output from the whole number S",
       .help = "Start from a state derived from the whole number S and "
               "freeze the clock, so that the same command prints the same "
               "output. Without it the sequence starts from the clock and the "
               "system's entropy."},
      {.name = "state",
       .value_name = "T",
       .summary = "roll a record's result again from its state",
       .help = "Start from the \"state\" of a record (the random source just "
               "before that result) with the clock frozen at its time: with "
               "the same inputs the first result is that record's, byte for "
               "byte. The windows show this whole command line for each of "
               "their results."},
      {.name = "format",
       .value_name = "F",
       .summary = "how each result is written",
       .help = "text (the default, the windows' captions), markdown (to "
               "paste into notes) or json (one record per line, JSON Lines, "
               "described in quendaro-record(5)).",
       .values = kFormats},
      {.name = "json",
       .summary = "one JSON record per generation per line",
       .help = "The same as --format json."},
      {.name = "stats",
       .summary = "one summary of all generations",
       .help = "One summary of all N generations instead of the results: "
               "how often each text came up, and the least, the most and the "
               "mean of each number."},
      {.name = "explain",
       .summary = "the rolls behind each result",
       .help = "After each result, every draw (what it was for, its range, "
               "its value) and every rule that changed or looked up a value; "
               "in JSON, a \"rolls\" list in each record. It cannot go with "
               "--stats."},
      {.name = "as-typed",
       .summary = "take every text as the window does, to reproduce it",
       .help = "Take every text and number exactly as the window takes what "
               "is typed into its box, with the window's outcome (a sheet of "
               "zeros for an unknown race, empty hit points for a level it "
               "cannot read, the locale's decimal separator): the way to "
               "reproduce the window exactly. Control characters are then "
               "written escaped."},
      {.name = "help",
       .summary = "the help page",
       .help = "This help, or with a subcommand its own. --help and "
               "--version win over every other argument, the first of the "
               "two over the other."},
      {.name = "version",
       .summary = "the version and licence",
       .help = "The tool's version, copyright and licence."},
  };
}

std::span<const ExitStatus> ExitStatuses() {
  static constexpr ExitStatus kStatuses[] = {
      {"0", "success"},
      {"1", "the output could not be written (a full disk, a closed file)"},
      {"2",
       "a usage error, or a request the game's rules refuse: nothing is "
       "written to standard output, and standard error says why"},
      {"129, 130, 143",
       "stopped by SIGHUP, SIGINT or SIGTERM, after the last whole result"},
  };
  return kStatuses;
}

std::string_view ToolDescription() {
  return "quendaro-cli runs the generators of Quendaro 32, a toolkit of "
         "random generators for game masters of the AD&D 2nd Edition "
         "tabletop role-playing game, without a window: for preparing a "
         "session in bulk or feeding other programs. The results speak "
         "Italian, with the captions of the windows.\n"
         "\n"
         "Options go after the subcommand, as --name value or --name=value, "
         "each at most once; '--' ends them. A value that is itself one of "
         "the subcommand's options is given as --name=value.\n"
         "\n"
         "The texts of the windows' lists (race, class, alignment, sex, "
         "group) may be written in any case, without accents, blanks or "
         "punctuation: \"caotico buono\" is \"Caotico/buono\". A text that "
         "holds anything else (a symbol, a letter of another script, a "
         "control character), a text on no list and a number the window "
         "would not take are usage errors that name the closest entries. "
         "Numbers read the same in every locale: the decimal mark may be "
         "'.' or ','.\n"
         "\n"
         "The average uses the decimal separator of the numeric locale "
         "(LC_ALL, LC_NUMERIC, LANG) in text and Markdown, as does every "
         "number under --as-typed; JSON always uses the point, so a seed "
         "gives the same bytes in every locale.";
}

std::variant<Invocation, UsageError, RuleRefusal> ParseCommandLine(
    const std::vector<std::string>& arguments,
    const std::vector<std::unique_ptr<Subcommand>>& subcommands) {
  // "--" ends the options. No subcommand takes plain arguments, so whatever
  // follows it is refused here, before CLI11 could mistake it for an option
  // put before the subcommand.
  const auto end_of_options =
      std::find(arguments.begin(), arguments.end(), "--");
  if (end_of_options != arguments.end() &&
      end_of_options + 1 != arguments.end()) {
    return UsageError{"unexpected argument " + Quoted(*(end_of_options + 1))};
  }
  const std::span<const std::string> words(arguments.begin(), end_of_options);

  const auto named = [&](std::string_view name) -> Subcommand* {
    for (const auto& subcommand : subcommands) {
      if (subcommand->Name() == name) return subcommand.get();
    }
    return nullptr;
  };
  Subcommand* const first = words.empty() ? nullptr : named(words.front());

  // --help and --version win wherever they stand, whichever comes first;
  // the help is the subcommand's when one leads ("name --help",
  // "help name --help").
  for (const std::string& word : words) {
    if (word != "--help" && word != "-h" && word != "--version") continue;
    Invocation invocation;
    invocation.version = word == "--version";
    invocation.help = !invocation.version;
    invocation.subcommand = first;
    if (first == nullptr && words.size() > 1 &&
        words.front() == kHelpSubcommand) {
      invocation.subcommand = named(words[1]);
    }
    if (invocation.version) invocation.subcommand = nullptr;
    return invocation;
  }

  std::vector<Option> context_options = CommonOptions();
  if (first != nullptr) {
    const std::vector<Option> own = first->Options();
    context_options.insert(context_options.begin(), own.begin(), own.end());
  }
  if (std::optional<std::string> error = CheckValues(
          first != nullptr ? words.subspan(1) : words, context_options)) {
    return UsageError{*error};
  }

  CLI::App app;
  app.set_help_flag();
  app.allow_extras();
  app.require_subcommand(0, 1);
  std::vector<CLI::Option*> all_options;

  // Every option keeps all its values, so that a repeated one is found and
  // refused below in the same words whichever option it is.
  struct Parsed {
    Subcommand* subcommand;
    CLI::App* app;
    std::map<std::string, CLI::Option*, std::less<>> options;
  };
  std::vector<Parsed> parsed;
  std::vector<std::string> subcommand_names;
  for (const auto& subcommand : subcommands) {
    CLI::App* sub = app.add_subcommand(std::string(subcommand->Name()));
    sub->set_help_flag();
    sub->allow_extras();
    Parsed entry{subcommand.get(), sub, {}};
    std::vector<Option> options = subcommand->Options();
    const std::vector<Option> common = CommonOptions();
    options.insert(options.end(), common.begin(), common.end());
    for (const Option& option : options) {
      const std::string flags = OptionName(option.name);
      CLI::Option* added =
          option.TakesValue() ? sub->add_option(flags) : sub->add_flag(flags);
      added->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
      entry.options.emplace(std::string(option.name), added);
      all_options.push_back(added);
    }
    parsed.push_back(std::move(entry));
    subcommand_names.emplace_back(subcommand->Name());
  }
  CLI::App* help = app.add_subcommand(std::string(kHelpSubcommand));
  help->set_help_flag();
  help->allow_extras();
  subcommand_names.emplace_back(kHelpSubcommand);

  std::vector<std::string> reversed(words.rbegin(), words.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ArgumentMismatch& error) {
    // CLI11 names the option before a colon: "--race: 1 required ...".
    const std::string what = error.what();
    return UsageError{"option " + Quoted(what.substr(0, what.find(':'))) +
                      " needs a value"};
  } catch (const CLI::ParseError& error) {
    return UsageError{EscapeControls(error.what(), false)};
  }

  for (CLI::Option* option : all_options) {
    if (option->count() > 1) {
      return UsageError{"option " + Quoted(option->get_name()) +
                        " given more than once"};
    }
  }

  Invocation invocation;
  const Parsed* chosen = nullptr;
  for (const Parsed& entry : parsed) {
    if (entry.app->parsed()) chosen = &entry;
  }

  // Before the subcommand nothing belongs but --help and --version, which
  // have been dealt with.
  const std::vector<std::string> extras = app.remaining();
  if (!extras.empty()) {
    const std::string& word = extras.front();
    if (word.starts_with("-")) {
      const std::string name = word.substr(0, word.find('='));
      bool known = false;
      for (const auto& subcommand : subcommands) {
        for (const std::string& option : OptionNames(*subcommand)) {
          known = known || option == name;
        }
      }
      if (known && chosen != nullptr) {
        return UsageError{
            "options go after the subcommand, as in '" +
            EscapeControls(Reordered(arguments, chosen->subcommand->Name()),
                           false) +
            "'"};
      }
      if (known) {
        return UsageError{
            "options go after the subcommand: 'quendaro-cli "
            "SUBCOMMAND " +
            EscapeControls(word, false) + " ...'"};
      }
      return UsageError{
          UnknownArgument(word, {"--help", "--version"}, "option")};
    }
    if (chosen == nullptr && !help->parsed()) {
      std::vector<std::string_view> names(subcommand_names.begin(),
                                          subcommand_names.end());
      return UsageError{"unknown subcommand " + Quoted(word) +
                        DidYouMean(ClosestEntries(word, names))};
    }
    return UsageError{"unexpected argument " + Quoted(word)};
  }

  if (help->parsed()) {
    invocation.help = true;
    const std::vector<std::string> topic = help->remaining();
    if (topic.size() > 1) {
      return UsageError{"unexpected argument " + Quoted(topic[1])};
    }
    if (!topic.empty()) {
      invocation.subcommand = named(topic[0]);
      if (invocation.subcommand == nullptr) {
        std::vector<std::string_view> names(subcommand_names.begin(),
                                            subcommand_names.end() - 1);
        return UsageError{"unknown subcommand " + Quoted(topic[0]) +
                          DidYouMean(ClosestEntries(topic[0], names))};
      }
    }
    return invocation;
  }
  if (chosen == nullptr) return UsageError{"missing subcommand"};

  invocation.subcommand = chosen->subcommand;
  const auto option = [&](std::string_view name) {
    return chosen->options.find(name)->second;
  };
  if (const std::vector<std::string> unknown = chosen->app->remaining();
      !unknown.empty()) {
    return UsageError{UnknownArgument(
        unknown.front(), OptionNames(*chosen->subcommand), "option")};
  }

  if (CLI::Option* count = option("count"); count->count() > 0) {
    const std::string& text = count->results().front();
    const std::optional<std::int64_t> value =
        ReadWholeNumber(text, 1, std::numeric_limits<std::int64_t>::max());
    if (!value) {
      return UsageError{
          "--count needs a whole number from 1 to " +
          std::to_string(std::numeric_limits<std::int64_t>::max()) + ", not " +
          Quoted(text)};
    }
    invocation.count = *value;
  }
  if (CLI::Option* seed = option("seed"); seed->count() > 0) {
    const std::string& text = seed->results().front();
    invocation.seed =
        ReadWholeNumber(text, std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max());
    if (!invocation.seed) {
      return UsageError{"--seed needs a whole number, not " + Quoted(text)};
    }
  }
  if (CLI::Option* state = option("state"); state->count() > 0) {
    const std::string& text = state->results().front();
    if (invocation.seed) {
      return UsageError{
          "--seed and --state both say where the dice start; give only one "
          "of them"};
    }
    invocation.state = ReadStateText(text);
    if (!invocation.state) {
      return UsageError{
          "--state needs the \"state\" of a record, such as "
          "1_853c49e6748fea9b_da3e39cb94b95bdb_0, not " +
          Quoted(text)};
    }
  }
  if (CLI::Option* format = option("format"); format->count() > 0) {
    const std::string& text = format->results().front();
    if (option("json")->count() > 0) {
      return UsageError{"--json is --format json; give only one of them"};
    }
    if (text == "text") {
      invocation.format = OutputFormat::kText;
    } else if (text == "markdown") {
      invocation.format = OutputFormat::kMarkdown;
    } else if (text == "json") {
      invocation.format = OutputFormat::kJson;
    } else {
      static constexpr std::string_view kFormats[] = {"text", "markdown",
                                                      "json"};
      return UsageError{"--format needs text, markdown or json, not " +
                        Quoted(text) +
                        DidYouMean(ClosestEntries(text, kFormats))};
    }
  }
  if (option("json")->count() > 0) invocation.format = OutputFormat::kJson;
  invocation.stats = option("stats")->count() > 0;
  invocation.explain = option("explain")->count() > 0;
  invocation.as_typed = option("as-typed")->count() > 0;
  if (invocation.explain && invocation.stats) {
    return UsageError{
        "--explain shows single results; it cannot go with --stats"};
  }

  OptionValues values;
  for (const Option& own : chosen->subcommand->Options()) {
    CLI::Option* given = option(own.name);
    if (given->count() == 0) continue;
    values[std::string(own.name)] =
        own.TakesValue() ? given->results().front() : std::string();
  }
  const InputMode mode =
      invocation.as_typed ? InputMode::kAsTyped : InputMode::kChecked;
  if (std::optional<std::string> error =
          chosen->subcommand->Configure(values, mode)) {
    return UsageError{*error};
  }
  if (std::optional<Refusal> refusal = chosen->subcommand->Refused()) {
    return Explained(*refusal, subcommands);
  }
  return invocation;
}

}  // namespace quendaro::cli
