#include "tools/cli/cli_docs.h"

#include "tools/cli/cli_arguments.h"
#include "tools/cli/set_commands.h"

#include <QStringList>

namespace {

// One word for a shell, in single quotes.
QString quoted(const QString &word)
{
    QString text = word;
    text.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString wordList(const QStringList &words)
{
    QStringList quotedWords;
    for (const QString &word : words)
        quotedWords << quoted(word);
    return quotedWords.join(QLatin1Char(' '));
}

QStringList commandNames()
{
    QStringList names;
    for (CliCommand command : cliCommands())
        names << cliCommandName(command);
    return names;
}

// The words each shell offers; the scripts below only walk the command line.
QString tables(const char *prefix, bool local)
{
    const QString declare = local ? QStringLiteral("local -a ") : QString();
    const QString p = QLatin1String(prefix);
    return declare + p + QStringLiteral("commands=(%1)\n").arg(wordList(commandNames()))
           + declare + p + QStringLiteral("settings=(%1)\n").arg(wordList(settingNames()))
           + declare + p + QStringLiteral("functions=(%1)\n").arg(wordList(buttonFunctionWords()))
           + declare + p + QStringLiteral("effects=(%1)\n").arg(wordList(lightingEffectWords()))
           + declare + p + QStringLiteral("keys=(%1)\n").arg(wordList(keyNameWords()));
}

const char kBashBody[] = R"BASH(
# Offers the words that start with the current word (letter case ignored), escaped for the
# command line; PREFIX is put in front of each.
_zelmouse_cli_offer()
{
    local prefix=$1 cur=$2 word
    shift 2
    for word in "$@"; do
        [[ ${word,,} == "${cur,,}"* ]] && COMPREPLY+=("$(printf '%q' "$prefix$word")")
    done
}

_zelmouse_cli()
{
    COMPREPLY=()
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    cur=${cur//\\ / }
    local i word command= args=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -z $command ]]; then
            case $word in
            --app-dir) ((i++)) ;;
            -*) ;;
            *) command=$word ;;
            esac
        else
            case $word in
            --slot) ((i++)) ;;
            -*) ;;
            *) args+=("${word//\\ / }") ;;
            esac
        fi
    done
    case $prev in
    --app-dir) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    --slot) _zelmouse_cli_offer '' "$cur" 1 2 3 4 5; return ;;
    esac
    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            _zelmouse_cli_offer '' "$cur" --app-dir --emulate --trace --help --version
        else
            _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_commands[@]}"
        fi
        return
    fi
    local n=${#args[@]}
    case $command in
    set | get)
        if [[ $cur == -* ]]; then
            _zelmouse_cli_offer '' "$cur" --slot --help
            [[ $command == set ]] && _zelmouse_cli_offer '' "$cur" --apply
            return
        fi
        if ((n == 0)); then
            _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_settings[@]}"
            return
        fi
        case ${args[0]} in
        button)
            if ((n == 1)); then
                _zelmouse_cli_offer '' "$cur" 1 2 3 4 5 6 7 8 wheel-up wheel-down
            elif [[ $command == set ]]; then
                if ((n == 2)); then
                    _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_functions[@]}"
                else
                    case ${args[2],,} in
                    key) ((n == 3)) && _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_keys[@]}" ;;
                    combo)
                        if [[ $cur == *+* ]]; then
                            _zelmouse_cli_offer "${cur%+*}+" "${cur##*+}" "${_zelmouse_cli_keys[@]}"
                        else
                            _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_keys[@]}"
                        fi ;;
                    fire) ((n == 3)) && _zelmouse_cli_offer '' "$cur" left right middle "${_zelmouse_cli_keys[@]}" ;;
                    macro | gun) ((n >= 4)) && _zelmouse_cli_offer '' "$cur" times while-held toggle ;;
                    esac
                fi
            fi ;;
        led)
            if ((n == 1)); then
                _zelmouse_cli_offer '' "$cur" sleep move-off
                [[ $command == set ]] && _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_effects[@]}"
            elif [[ $command == set ]]; then
                case ${args[1]} in
                move-off) ((n == 2)) && _zelmouse_cli_offer '' "$cur" on off ;;
                sleep) ;;
                *) _zelmouse_cli_offer '' "$cur" color brightness speed ;;
                esac
            fi ;;
        *)
            [[ $command == get ]] && return
            case ${args[0]} in
            dpi) ((n >= 2)) && _zelmouse_cli_offer '' "$cur" on off link unlink ;;
            rate) ((n == 1)) && _zelmouse_cli_offer '' "$cur" 125 250 500 1000 ;;
            lift) ((n == 1)) && _zelmouse_cli_offer '' "$cur" 1 2 ;;
            sync | angle-snapping | jitter | desktop-pointer-speed) ((n == 1)) && _zelmouse_cli_offer '' "$cur" on off ;;
            esac ;;
        esac ;;
    help) ((n == 0)) && _zelmouse_cli_offer '' "$cur" "${_zelmouse_cli_commands[@]}" ;;
    export | import) COMPREPLY=($(compgen -f -- "$cur")) ;;
    show) _zelmouse_cli_offer '' "$cur" --json ;;
    app-profiles) _zelmouse_cli_offer '' "$cur" --json ;;
    app-profile)
        if ((n == 0)); then
            _zelmouse_cli_offer '' "$cur" add remove default
        elif [[ ${args[0]} == default ]] && ((n == 1)); then
            _zelmouse_cli_offer '' "$cur" none
        fi ;;
    esac
}
complete -F _zelmouse_cli zelmouse-cli
)BASH";

const char kZshBody[] = R"ZSH(
local cur=${words[CURRENT]} prev=${words[CURRENT-1]} command= w
local -a args
local -i i n
for (( i = 2; i < CURRENT; i++ )); do
  w=${(Q)words[i]}
  if [[ -z $command ]]; then
    case $w in
      --app-dir) (( i++ )) ;;
      -*) ;;
      *) command=$w ;;
    esac
  else
    case $w in
      --slot) (( i++ )) ;;
      -*) ;;
      *) args+=("$w") ;;
    esac
  fi
done
local offer=(compadd -M 'm:{a-zA-Z}={A-Za-z}' --)
case $prev in
  --app-dir) _directories; return ;;
  --slot) $offer 1 2 3 4 5; return ;;
esac
if [[ -z $command ]]; then
  if [[ $cur == -* ]]; then
    $offer --app-dir --emulate --trace --help --version
  else
    $offer $commands
  fi
  return
fi
n=${#args}
case $command in
  set|get)
    if [[ $cur == -* ]]; then
      $offer --slot --help
      [[ $command == set ]] && $offer --apply
      return
    fi
    if (( n == 0 )); then
      $offer $settings
      return
    fi
    case ${args[1]} in
      button)
        if (( n == 1 )); then
          $offer {1..8} wheel-up wheel-down
        elif [[ $command == set ]]; then
          if (( n == 2 )); then
            $offer $functions
          else
            case ${(L)args[3]} in
              key) (( n == 3 )) && $offer $keys ;;
              combo) compset -P '*+'; $offer $keys ;;
              fire) (( n == 3 )) && $offer left right middle $keys ;;
              macro|gun) (( n >= 4 )) && $offer times while-held toggle ;;
            esac
          fi
        fi ;;
      led)
        if (( n == 1 )); then
          $offer sleep move-off
          [[ $command == set ]] && $offer $effects
        elif [[ $command == set ]]; then
          case ${args[2]} in
            move-off) (( n == 2 )) && $offer on off ;;
            sleep) ;;
            *) $offer color brightness speed ;;
          esac
        fi ;;
      *)
        [[ $command == get ]] && return
        case ${args[1]} in
          dpi) (( n >= 2 )) && $offer on off link unlink ;;
          rate) (( n == 1 )) && $offer 125 250 500 1000 ;;
          lift) (( n == 1 )) && $offer 1 2 ;;
          sync|angle-snapping|jitter|desktop-pointer-speed) (( n == 1 )) && $offer on off ;;
        esac ;;
    esac ;;
  help) (( n == 0 )) && $offer $commands ;;
  export|import) _files ;;
  show) $offer --json ;;
  app-profiles) $offer --json ;;
  app-profile)
    if (( n == 0 )); then
      $offer add remove default
    elif [[ ${args[1]} == default ]] && (( n == 1 )); then
      $offer none
    fi ;;
esac
)ZSH";

// man(7) text of a help text: kept as laid out, with roff's special characters escaped.
QString roffBlock(const QString &text)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.replace(QLatin1Char('\\'), QLatin1String("\\e"));
        line.replace(QLatin1Char('-'), QLatin1String("\\-"));
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
        lines << line;
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return QStringLiteral(".nf\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n.fi\n");
}

// A help text without its "Usage:" line and the blank line after it.
QString withoutUsage(const QString &help)
{
    QStringList lines = help.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().startsWith(QLatin1String("Usage:")))
        lines.removeFirst();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString bashCompletionScript()
{
    return QStringLiteral("# bash completion for zelmouse-cli, made from its own tables at build time.\n")
           + tables("_zelmouse_cli_", false) + QLatin1String(kBashBody);
}

QString zshCompletionScript()
{
    return QStringLiteral("#compdef zelmouse-cli\n# zsh completion for zelmouse-cli, made from its own tables at build time.\n\n")
           + tables("", true) + QLatin1String(kZshBody);
}

QString manPage(const QString &version)
{
    QString page = QStringLiteral(".TH ZELMOUSE\\-CLI 1 \"\" \"zelmouse %1\" \"User Commands\"\n").arg(version);
    page += QStringLiteral(".SH NAME\nzelmouse\\-cli \\- read, change and send the mouse's settings from the command line\n");
    page += QStringLiteral(".SH SYNOPSIS\n.B zelmouse\\-cli\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n");
    page += QStringLiteral(".SH DESCRIPTION\n") + roffBlock(withoutUsage(cliToolHelp()));
    page += QStringLiteral(".SH COMMANDS\n");
    for (CliCommand command : cliCommands()) {
        const QString help = cliCommandHelp(command);
        const QString usage = help.section(QLatin1Char('\n'), 0, 0).section(QLatin1String("[OPTIONS] "), 1);
        QString heading = usage;
        heading.replace(QLatin1Char('-'), QLatin1String("\\-"));
        page += QStringLiteral(".SS %1\n").arg(heading) + roffBlock(withoutUsage(help));
    }
    page += QStringLiteral(".SH FILES\n.nf\n"
                           "~/.config/zelmouse/Configs/   the settings, when the installed Configs\n"
                           "                              folder cannot be written\n"
                           "<program folder>/Configs/     the settings of a portable copy\n"
                           "<program folder>/DefaultProfile.bin\n"
                           "                              what the mouse model offers\n.fi\n");
    return page;
}
