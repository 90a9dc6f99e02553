#!/usr/bin/env bash
# Checks of what the package gives the desktop, through the desktop's own tools: the desktop
# entry, the metainfo, the file type, the manual pages, bash completion, and whether the pages
# and the completion still name every subcommand and option of vaultkeep-cli.
# Usage: packaging_test.sh CHECK ARGUMENTS...; exit 77 (skipped) when a tool is missing.
set -uo pipefail

failures=0
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
need() {  # tool, Debian package
    command -v "$1" >/dev/null && return
    echo "SKIPPED: $1 is not installed (Debian package $2; scripts/setup installs it)" && exit 77
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The completions bash offers for a command line (words split at blanks, a trailing blank
# starts an empty word), one a line. With helpers=1 the bash-completion package is loaded
# first and finds the script by the command's name, as it does in a user's shell.
completion_script=
complete_line() {
    (
        set +eu
        if [ "${helpers:-0}" = 1 ]; then
            mkdir -p "$work/user/completions"
            ln -sf "$completion_script" "$work/user/completions/vaultkeep-cli"
            BASH_COMPLETION_USER_DIR=$work/user
            source /usr/share/bash-completion/bash_completion
            __load_completion vaultkeep-cli
        else
            source "$completion_script"
        fi
        read -ra COMP_WORDS <<<"$1"
        [[ $1 == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$1 COMP_POINT=${#1}
        function=$(complete -p vaultkeep-cli 2>/dev/null | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
        [ -n "$function" ] || { echo "(no completion registered)"; exit; }
        "$function" vaultkeep-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf '%s\n' "${COMPREPLY[@]}"
    )
}

# The text of the man page's ".SS NAME" block, roff escapes of '-' and fonts removed.
man_section() {  # page, subcommand
    awk -v name="$2" '/^\.SS /{ s = $0; sub(/^\.SS +"?/, "", s); sub(/"? *$/, "", s)
                                inside = (s == name); next }
                      /^\.SH /{ inside = 0 } inside' "$1" | sed 's/\\-/-/g; s/\\f[BIRP]//g'
}
has_word() {  # text, word: the word stands alone, not as part of a longer option
    grep -Eq -- "(^|[^-[:alnum:]])$2([^-[:alnum:]]|$)" <<<"$1"
}

# What `vaultkeep-cli [SUBCOMMAND] --help` lists.
help_of() { "$cli" "$@" --help 2>&1; }
help_block() {  # block name, help text: the entries of that block (lines that wrap are
    # indented further)
    awk -v block="$1:" '$0 == block { inside = 1; next } /^[^ ]/ { inside = 0 }
                        inside && /^  [^ ]/ { print $1 }' <<<"$2"
}

check=$1
shift
case $check in
desktop_entry)
    need desktop-file-validate desktop-file-utils
    out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate refuses $1: $out"
    ;;

metainfo)  # metainfo, changelog, version, release date
    need appstreamcli appstream
    out=$(appstreamcli validate --no-net "$1" 2>&1) || fail "appstreamcli refuses $1: $out"
    grep -q "<release version=\"$3\" date=\"$4\"" "$1" ||
        fail "$1 has no release entry for version $3 of $4 (CMakeLists.txt)"
    head -n 1 "$2" | grep -q "^vaultkeep ($3) " ||
        fail "$2 does not start with an entry for version $3 (CMakeLists.txt)"
    ;;

mime_type)  # MIME file, desktop entry, icon folder
    need update-mime-database shared-mime-info
    mkdir -p "$work/mime/packages" "$work/applications"
    cp "$1" "$work/mime/packages/"
    # It notes on standard error that the folder is not one the desktop searches.
    out=$(update-mime-database "$work/mime" 2>&1) || fail "update-mime-database refuses $1: $out"
    grep -qx '50:application/x-vaultkeep:\*\.vk' "$work/mime/globs2" &&
        ! grep -q ':\*\.vk:cs' "$work/mime/globs2" ||
        fail "*.vk does not map to application/x-vaultkeep in any letter case: $(cat "$work/mime/globs2")"
    grep -q '<comment>Vaultkeep password file</comment>' "$work/mime/application/x-vaultkeep.xml" ||
        fail "the type's comment is not \"Vaultkeep password file\""
    icon=$(sed -n 's/.*<icon name="\([^"]*\)".*/\1/p' "$1")
    [ -f "$3/hicolor/48x48/apps/$icon.png" ] && [ -f "$3/hicolor/scalable/apps/$icon.svg" ] ||
        fail "the type's icon \"$icon\" is not among the icons the package installs ($3)"
    if command -v update-desktop-database >/dev/null; then
        cp "$2" "$work/applications/"
        update-desktop-database "$work/applications" >/dev/null 2>&1
        grep -qx "application/x-vaultkeep=$(basename "$2");" "$work/applications/mimeinfo.cache" ||
            fail "the desktop entry does not open application/x-vaultkeep files"
    fi
    ;;

man_pages)  # folder of the built pages
    need man man-db
    for page in "$1"/*.1; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man warns about $page: $warnings"
        text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
        for heading in NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT "SEE ALSO"; do
            grep -qx "$heading" <<<"$text" || fail "$page has no $heading section"
        done
    done
    ;;

cli_docs_sync)  # vaultkeep-cli, its man page source, its completion script
    cli=$1 page=$2 completion_script=$3
    # Every subcommand, nested ones as "parent child", from the help texts.
    subcommands=()
    pending=("")
    while [ ${#pending[@]} -gt 0 ]; do
        parent=${pending[0]}
        pending=("${pending[@]:1}")
        for name in $(help_block Subcommands "$(help_of $parent)"); do
            subcommands+=("${parent:+$parent }$name")
            pending+=("${parent:+$parent }$name")
        done
    done
    [ ${#subcommands[@]} -gt 0 ] || fail "$cli --help lists no subcommands"
    offered=$(complete_line "vaultkeep-cli ")
    for command in "${subcommands[@]}"; do
        help=$(help_of $command)
        section=$(man_section "$page" "$command")
        [ -n "$section" ] || fail "$page has no \".SS $command\" block for the subcommand $command"
        has_word "$offered" "${command##* }" ||
            fail "$completion_script does not offer the subcommand $command (a table line)"
        options=$(complete_line "vaultkeep-cli $command -")
        for option in $(help_block Options "$help" | tr ',' ' '); do
            [[ $option == -h || $option == --help ]] && continue
            [ -z "$section" ] || has_word "$section" "$option" ||
                fail "$page does not name the option $option in its \".SS $command\" block"
            has_word "$options" "$option" ||
                fail "$completion_script does not offer $option for \"vaultkeep-cli $command\""
        done
        # The values an option accepts, as in "--format TEXT:{csv,json}".
        values=$(grep -- '--format ' <<<"$help" | sed -n 's/.*{\([^}]*\)}.*/\1/p' | tr ',' ' ')
        formats=$(complete_line "vaultkeep-cli $command --format ")
        for value in $values; do
            [ -z "$section" ] || has_word "$section" "$value" ||
                fail "$page does not name --format $value in its \".SS $command\" block"
            has_word "$formats" "$value" ||
                fail "$completion_script does not offer --format $value for \"vaultkeep-cli $command\""
        done
    done
    ;;

bash_completion)  # completion script
    need bash bash
    completion_script=$1
    cd "$work" && mkdir -p "sub dir" && touch Home.vk in.json
    expect() {  # command line, expected completions joined by "|"
        got=$(complete_line "$1" | paste -sd '|')
        [ "$got" = "$2" ] || fail "completing \"$1\"${helpers:+ (helpers=$helpers)}: got \"$got\", want \"$2\""
    }
    for helpers in 0 1; do
        if [ $helpers = 1 ] && [ ! -f /usr/share/bash-completion/bash_completion ]; then
            echo "note: bash-completion is not installed: checked without its helpers only"
            continue
        fi
        expect "vaultkeep-cli ex" "export"
        expect "vaultkeep-cli --v" "--version"
        expect "vaultkeep-cli show --show" "--show-protected"
        expect "vaultkeep-cli export --format " "json|csv|text"
        expect "vaultkeep-cli export --format = j" "json"
        expect "vaultkeep-cli export Ho" "Home.vk"
        expect "vaultkeep-cli export Home.vk -o su" "sub dir"
        expect "vaultkeep-cli import --format json in.json H" "Home.vk"
        expect "vaultkeep-cli show Home.vk " ""
        expect "vaultkeep-cli create --reminder " ""
        expect "vaultkeep-cli create --reminder x H" "Home.vk"
        expect "vaultkeep-cli nonsense " ""
    done
    ;;

*) echo "packaging_test.sh: no check named $check" >&2 && exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo "passed" && exit 0
echo "$failures check(s) failed" && exit 1
