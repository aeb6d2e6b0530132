#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace quendaro::cli {

namespace {

constexpr std::string_view kCommonFlags[] = {"json", "stats", "explain", "help",
                                             "version"};

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::variant<Invocation, UsageError> ParseCommandLine(
    const std::vector<std::string>& arguments,
    const std::vector<std::unique_ptr<Subcommand>>& subcommands) {
  Invocation invocation;
  std::size_t next = 0;
  if (next < arguments.size() && !arguments[next].starts_with("-")) {
    const std::string& name = arguments[next];
    const auto found = std::find_if(
        subcommands.begin(), subcommands.end(),
        [&](const auto& subcommand) { return subcommand->Name() == name; });
    if (found == subcommands.end()) {
      return UsageError{"unknown subcommand '" + name + "'"};
    }
    invocation.subcommand = found->get();
    ++next;
  }

  std::vector<Option> own_options;
  if (invocation.subcommand != nullptr) {
    own_options = invocation.subcommand->Options();
  }
  OptionValues values;
  for (; next < arguments.size(); ++next) {
    const std::string& argument = arguments[next];
    if (!argument.starts_with("--") || argument.size() == 2) {
      return UsageError{"unexpected argument '" + argument + "'"};
    }
    std::string name = argument.substr(2);
    std::optional<std::string> inline_value;
    if (const std::size_t equals = name.find('=');
        equals != std::string::npos) {
      inline_value = name.substr(equals + 1);
      name.resize(equals);
    }

    const bool is_flag =
        std::find(std::begin(kCommonFlags), std::end(kCommonFlags), name) !=
        std::end(kCommonFlags);
    const bool is_common_value =
        name == "count" || name == "seed" || name == "format";
    const auto own_option =
        std::find_if(own_options.begin(), own_options.end(),
                     [&](const Option& option) { return option.name == name; });
    const bool is_own = own_option != own_options.end();
    if (!is_flag && !is_common_value && !is_own) {
      return UsageError{"unknown option '--" + name + "'"};
    }

    const bool takes_value =
        is_common_value || (is_own && own_option->takes_value);
    std::string value;
    if (takes_value) {
      if (inline_value) {
        value = *inline_value;
      } else if (next + 1 < arguments.size()) {
        value = arguments[++next];
      } else {
        return UsageError{"option '--" + name + "' needs a value"};
      }
    } else if (inline_value) {
      return UsageError{"option '--" + name + "' takes no value"};
    }

    if (name == "json") {
      invocation.format = OutputFormat::kJson;
    } else if (name == "format") {
      if (value == "text") {
        invocation.format = OutputFormat::kText;
      } else if (value == "markdown") {
        invocation.format = OutputFormat::kMarkdown;
      } else if (value == "json") {
        invocation.format = OutputFormat::kJson;
      } else {
        return UsageError{"--format needs text, markdown or json, not '" +
                          value + "'"};
      }
    } else if (name == "stats") {
      invocation.stats = true;
    } else if (name == "explain") {
      invocation.explain = true;
    } else if (name == "help") {
      invocation.help = true;
    } else if (name == "version") {
      invocation.version = true;
    } else if (name == "count") {
      const std::optional<std::int64_t> count = ParseInteger(value);
      if (!count || *count < 1 || *count > kMaxCount) {
        return UsageError{"--count needs a whole number from 1 to " +
                          std::to_string(kMaxCount) + ", not '" + value + "'"};
      }
      invocation.count = static_cast<int>(*count);
    } else if (name == "seed") {
      invocation.seed = ParseInteger(value);
      if (!invocation.seed) {
        return UsageError{"--seed needs a whole number, not '" + value + "'"};
      }
    } else {
      if (values.contains(name)) {
        return UsageError{"option '--" + name + "' given twice"};
      }
      values[name] = value;
    }
  }

  if (invocation.help || invocation.version) return invocation;
  if (invocation.subcommand == nullptr) {
    return UsageError{"missing subcommand"};
  }
  if (invocation.explain && invocation.format != OutputFormat::kText) {
    return UsageError{"--explain writes text; it cannot go with --json"};
  }
  if (invocation.explain && invocation.stats) {
    return UsageError{
        "--explain shows single results; it cannot go with --stats"};
  }
  if (std::optional<std::string> error =
          invocation.subcommand->Configure(values)) {
    return UsageError{*error};
  }
  return invocation;
}

}  // namespace quendaro::cli
