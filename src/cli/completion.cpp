#include "cli/completion.h"

#include "app/settings.h"
#include "engine/cycles.h"

namespace vemla {
namespace {

// The long names of a command's options, blank-separated.
std::string OptionNames(const CLI::App& command) {
    std::string names;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames())
            if (name != "bash-completion") names += "--" + name + " ";
    }
    return names;
}

// Names one a line, for compgen's word list split at line ends.
template <size_t N>
std::string Lines(const std::array<std::string_view, N>& names) {
    std::string lines;
    for (std::string_view name : names) (lines += name) += "\n";
    return lines;
}

}  // namespace

std::string BashCompletion(const CLI::App& app) {
    std::string subcommands, alternatives, cases;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
        subcommands += sub->get_name() + " ";
        alternatives += (alternatives.empty() ? "" : "|") + sub->get_name();
        cases += "        " + sub->get_name() + ") opts+=\" " + OptionNames(*sub) + "\" ;;\n";
    }
    std::string elements = Lines(kElementNames), animals = Lines(kAnimalNames);
    std::string codes = Lines(kCalendarCodes);
    return "# bash completion for vemla-cli (written by vemla-cli --bash-completion)\n"
           "_vemla_cli_words() {\n"
           "    local IFS=$'\\n' i\n"
           "    COMPREPLY=($(compgen -W \"$1\" -- \"$cur\"))\n"
           "    for i in \"${!COMPREPLY[@]}\"; do COMPREPLY[i]=$(printf '%q' \"${COMPREPLY[i]}\"); "
           "done\n"
           "}\n"
           "_vemla_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} sub= w\n"
           "    for w in \"${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do\n"
           "        case $w in " +
           alternatives +
           ") sub=$w; break ;; esac\n"
           "    done\n"
           "    case $prev in\n"
           "    --input|--state) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "    --element) _vemla_cli_words '" +
           elements +
           "'; return ;;\n"
           "    --animal) _vemla_cli_words '" +
           animals +
           "'; return ;;\n"
           "    --calendar) _vemla_cli_words '" +
           codes +
           "'; return ;;\n"
           "    --method) _vemla_cli_words $'true\\nmean'; return ;;\n"
           "    --epoch) _vemla_cli_words $'-2696\\n-2636'; return ;;\n"
           "    esac\n"
           "    local opts=\"" +
           OptionNames(app) +
           "\"\n"
           "    case $sub in\n" +
           cases +
           "    esac\n"
           "    if [[ $cur == -* ]]; then COMPREPLY=($(compgen -W \"$opts\" -- \"$cur\"))\n"
           "    elif [[ -z $sub ]]; then COMPREPLY=($(compgen -W \"" +
           subcommands +
           "\" -- \"$cur\"))\n"
           "    elif [[ $sub == move && $prev == move ]]; then _vemla_cli_words '" +
           Lines(kMoveStepItems) +
           "'\n"
           "    elif [[ $sub == search && $prev == search ]]; then _vemla_cli_words '" +
           Lines(kTargetItems) +
           "'\n"
           "    fi\n"
           "}\n"
           "complete -F _vemla_cli vemla-cli\n";
}

}  // namespace vemla
