#include "cli/ShellCompletion.h"

#include <string_view>

#include "cli/CommandLine.h"

namespace quendaro::cli {

namespace {

// The name of the shell array that holds an option's values.
std::string ValuesArray(std::string_view subcommand, std::string_view option) {
  std::string name = "_quendaro_cli_values_" + std::string(subcommand) + "_" +
                     std::string(option);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

// `text` between double quotes for bash.
std::string BashQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '$' || c == '`' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// `text` between single quotes for zsh, a quote in it closed and reopened.
std::string ZshQuoted(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// A description for zsh's _arguments, where brackets and colons are syntax.
std::string ZshDescription(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '[' || c == ']' || c == ':' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::vector<Option> OptionsOf(const Subcommand& subcommand) {
  std::vector<Option> options = subcommand.Options();
  const std::vector<Option> common = CommonOptions();
  options.insert(options.end(), common.begin(), common.end());
  return options;
}

constexpr std::string_view kHeader =
    " completion for quendaro-cli: its subcommands, options and the texts of\n"
    "# the windows' lists. Made from the tool's own declarations when it is\n"
    "# built, like its help and manual page; edit those, not this file.\n";

}  // namespace

std::string BashCompletion(
    const std::vector<std::unique_ptr<Subcommand>>& all) {
  std::string script = "# bash" + std::string(kHeader) + "\n";
  std::string names;
  for (const auto& subcommand : all) {
    names += (names.empty() ? "" : " ") + std::string(subcommand->Name());
  }
  script += "_quendaro_cli_subcommands=(" + names + ")\n";
  for (const auto& subcommand : all) {
    const std::string name(subcommand->Name());
    std::string options;
    std::string valued;
    for (const Option& option : OptionsOf(*subcommand)) {
      const std::string dashed = "--" + std::string(option.name);
      options += " " + dashed;
      if (option.name == "help") options += " -h";
      if (!option.TakesValue()) continue;
      valued += " " + dashed;
      if (option.values.empty()) continue;
      script += ValuesArray(name, option.name) + "=(";
      for (std::size_t i = 0; i < option.values.size(); ++i) {
        script += (i > 0 ? " " : "") + BashQuoted(option.values[i]);
      }
      script += ")\n";
    }
    script += "_quendaro_cli_options_" + name + "=(" + options.substr(1) +
              ")\n" + "_quendaro_cli_valued_" + name + "=(" + valued.substr(1) +
              ")\n";
  }
  script += R"sh(
# Adds to COMPREPLY the words from the third on that start with $2 (case
# aside, as the tool reads them): inside the opening quote $1 as they stand,
# otherwise quoted for the shell.
_quendaro_cli_offer() {
  local quote=$1 prefix=${2,,} word
  shift 2
  for word in "$@"; do
    [[ ${word,,} == "$prefix"* ]] || continue
    if [[ -n $quote ]]; then
      COMPREPLY+=("$word")
    else
      COMPREPLY+=("$(printf '%q' "$word")")
    fi
  done
}

_quendaro_cli() {
  COMPREPLY=()
  local cword=$COMP_CWORD
  local cur=${COMP_WORDS[cword]}
  local prev=""
  ((cword > 0)) && prev=${COMP_WORDS[cword - 1]}
  # "--race=El" reaches us as "--race" "=" "El".
  if [[ $cur == "=" ]]; then
    prev=${COMP_WORDS[cword - 1]}
    cur=""
  elif [[ $prev == "=" ]] && ((cword > 1)); then
    prev=${COMP_WORDS[cword - 2]}
  fi
  # A text begun with a quote is completed inside it.
  local quote=""
  if [[ $cur == [\"\']* ]]; then
    quote=${cur:0:1}
    cur=${cur:1}
  fi
  cur=${cur//\\/}

  local subcommand="" i word
  for ((i = 1; i < cword; i++)); do
    for word in "${_quendaro_cli_subcommands[@]}" help; do
      if [[ ${COMP_WORDS[i]} == "$word" ]]; then
        subcommand=$word
        break 2
      fi
    done
  done

  if [[ -z $subcommand ]]; then
    if [[ $cur == -* ]]; then
      _quendaro_cli_offer "$quote" "$cur" -h --help --version
    else
      _quendaro_cli_offer "$quote" "$cur" "${_quendaro_cli_subcommands[@]}" help
    fi
    return 0
  fi
  if [[ $subcommand == help ]]; then
    ((cword == i + 1)) &&
      _quendaro_cli_offer "$quote" "$cur" "${_quendaro_cli_subcommands[@]}"
    return 0
  fi

  local valued="_quendaro_cli_valued_${subcommand}[@]"
  for word in "${!valued}"; do
    if [[ $prev == "$word" ]]; then
      local values="_quendaro_cli_values_${subcommand}_${prev#--}"
      values="${values//-/_}[@]"
      _quendaro_cli_offer "$quote" "$cur" "${!values}"
      return 0
    fi
  done
  local options="_quendaro_cli_options_${subcommand}[@]"
  _quendaro_cli_offer "$quote" "$cur" "${!options}"
  return 0
}

complete -F _quendaro_cli quendaro-cli
)sh";
  return script;
}

std::string ZshCompletion(const std::vector<std::unique_ptr<Subcommand>>& all) {
  std::string script =
      "#compdef quendaro-cli\n# zsh" + std::string(kHeader) + "\n";
  for (const auto& subcommand : all) {
    for (const Option& option : OptionsOf(*subcommand)) {
      if (option.values.empty()) continue;
      script += ValuesArray(subcommand->Name(), option.name) + "=(";
      for (std::size_t i = 0; i < option.values.size(); ++i) {
        script += (i > 0 ? " " : "") + ZshQuoted(option.values[i]);
      }
      script += ")\n";
    }
  }
  script += R"sh(
# Offers the texts of the array named by the last argument, with the
# options _arguments passes before it, case aside as the tool reads them;
# zsh quotes them as the word being completed needs, inside a quote or not.
_quendaro_cli_values() {
  local -a entries
  entries=("${(@P)${@[-1]}}")
  compadd "${@[1,-2]}" -M 'm:{a-zA-Z}={A-Za-z}' -a entries
}

_quendaro-cli() {
  if (( CURRENT == 2 )); then
    local -a subcommands
    subcommands=(
)sh";
  for (const auto& subcommand : all) {
    script += "      " +
              ZshQuoted(std::string(subcommand->Name()) + ":" +
                        std::string(subcommand->Summary())) +
              "\n";
  }
  script += R"sh(      'help:the help of the tool or of one subcommand'
    )
    if [[ $PREFIX == -* ]]; then
      compadd -- -h --help --version
    else
      _describe -t subcommands subcommand subcommands
    fi
    return
  fi
  local subcommand=$words[2]
  shift words
  (( CURRENT-- ))
  case $subcommand in
)sh";
  for (const auto& subcommand : all) {
    const std::string name(subcommand->Name());
    script += "    " + name + ")\n      _arguments";
    for (const Option& option : OptionsOf(*subcommand)) {
      const std::string dashed = "--" + std::string(option.name);
      const std::string description = ZshDescription(option.summary);
      script += " \\\n        ";
      if (option.name == "help") {
        script += "'(-h --help)'{-h,--help}'[" + description + "]'";
        continue;
      }
      std::string argument = dashed + "[" + description + "]";
      if (option.TakesValue()) {
        argument += ":" + std::string(option.name) + ":";
        if (!option.values.empty()) {
          argument += "_quendaro_cli_values " + ValuesArray(name, option.name);
        }
      }
      script += ZshQuoted(argument);
    }
    script += "\n      ;;\n";
  }
  std::string names;
  for (const auto& subcommand : all) {
    names += " " + std::string(subcommand->Name());
  }
  script += "    help)\n      (( CURRENT == 2 )) && compadd" + names +
            "\n      ;;\n  esac\n}\n\n_quendaro-cli \"$@\"\n";
  return script;
}

}  // namespace quendaro::cli
