#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <limits>
#include <map>
#include <string_view>

#include "cli/CheckedText.h"
#include "cli/SafeText.h"

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

}  // namespace

std::vector<Option> CommonOptions() {
  return {{"count", true},     {"seed", true},   {"format", true},
          {"json", false},     {"stats", false}, {"explain", false},
          {"as-typed", false}, {"help", false}};
}

std::variant<Invocation, UsageError> ParseCommandLine(
    const std::vector<std::string>& arguments,
    const std::vector<std::unique_ptr<Subcommand>>& subcommands) {
  CLI::App app;
  app.set_help_flag();
  app.allow_extras();
  app.require_subcommand(0, 1);
  CLI::Option* general_help = app.add_flag("-h,--help");
  CLI::Option* version = app.add_flag("--version");
  std::vector<CLI::Option*> all_options = {general_help, version};

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
      std::string flags = OptionName(option.name);
      if (option.name == "help") flags = "-h," + flags;
      CLI::Option* added =
          option.takes_value ? sub->add_option(flags) : sub->add_flag(flags);
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

  // "--" ends the options. No subcommand takes plain arguments, so whatever
  // follows it is refused here, before CLI11 could mistake it for an option
  // put before the subcommand.
  const auto end_of_options =
      std::find(arguments.begin(), arguments.end(), "--");
  if (end_of_options != arguments.end() &&
      end_of_options + 1 != arguments.end()) {
    return UsageError{"unexpected argument " + Quoted(*(end_of_options + 1))};
  }
  std::vector<std::string> reversed(std::make_reverse_iterator(end_of_options),
                                    arguments.rend());
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

  // Before the subcommand only -h, --help and --version belong.
  const std::vector<std::string> extras = app.remaining();
  if (!extras.empty()) {
    const std::string& first = extras.front();
    if (first.starts_with("-")) {
      const std::string name = first.substr(0, first.find('='));
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
            EscapeControls(first, false) + " ...'"};
      }
      return UsageError{
          UnknownArgument(first, {"--help", "--version"}, "option")};
    }
    if (chosen == nullptr && !help->parsed()) {
      std::vector<std::string_view> names(subcommand_names.begin(),
                                          subcommand_names.end());
      return UsageError{"unknown subcommand " + Quoted(first) +
                        DidYouMean(ClosestEntries(first, names))};
    }
    return UsageError{"unexpected argument " + Quoted(first)};
  }

  if (help->parsed()) {
    invocation.help = true;
    const std::vector<std::string> topic = help->remaining();
    if (topic.size() > 1) {
      return UsageError{"unexpected argument " + Quoted(topic[1])};
    }
    if (!topic.empty()) {
      for (const auto& subcommand : subcommands) {
        if (subcommand->Name() == topic[0]) {
          invocation.subcommand = subcommand.get();
        }
      }
      if (invocation.subcommand == nullptr) {
        std::vector<std::string_view> names(subcommand_names.begin(),
                                            subcommand_names.end() - 1);
        return UsageError{"unknown subcommand " + Quoted(topic[0]) +
                          DidYouMean(ClosestEntries(topic[0], names))};
      }
    }
    return invocation;
  }
  if (version->count() > 0) {
    invocation.version = true;
    return invocation;
  }
  if (chosen == nullptr) {
    if (general_help->count() > 0) {
      invocation.help = true;
      return invocation;
    }
    return UsageError{"missing subcommand"};
  }

  invocation.subcommand = chosen->subcommand;
  const auto option = [&](std::string_view name) {
    return chosen->options.find(name)->second;
  };
  if (option("help")->count() > 0 || general_help->count() > 0) {
    invocation.help = true;
    return invocation;
  }
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
        own.takes_value ? given->results().front() : std::string();
  }
  const InputMode mode =
      invocation.as_typed ? InputMode::kAsTyped : InputMode::kChecked;
  if (std::optional<std::string> error =
          chosen->subcommand->Configure(values, mode)) {
    return UsageError{*error};
  }
  return invocation;
}

}  // namespace quendaro::cli
