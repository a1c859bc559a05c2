#!/usr/bin/env bash
# The bash completion of orvane-cli: options, section names in both option
# forms, chart files and folders, files after "--".
# Usage: completion_test.sh SOURCE_DIR ORVANE_CLI
set -uo pipefail
source_dir=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/charts/folder"
ln -s "$cli" "$work/bin/orvane-cli"
touch "$work/charts/a.orv" "$work/charts/B.DAT" "$work/charts/notes.txt" "$work/charts/--odd.orv"
cd "$work/charts" || exit 1
PATH="$work/bin:$PATH"
source "$source_dir/docs/orvane-cli.bash-completion"

status=0
# expect "WORDS..." "EXPECTED REPLIES (sorted, space separated)"
expect() {
  local expected=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _orvane_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
  if [[ "$got" != "$expected" ]]; then
    echo "FAIL: [$*] completes to '$got', expected '$expected'" >&2
    status=1
  fi
}

expect "--section" orvane-cli --sec
expect "--lat --list --list-sections --list-yogas --lon" orvane-cli --l
expect "vimsopaka vimsottari" orvane-cli --section vim
expect "--section=basic-info" orvane-cli --section=basic
expect "antardasas" orvane-cli --section = ant
expect "--odd.orv B.DAT a.orv folder" orvane-cli --json ""
expect "" orvane-cli --date 19
expect "notes.txt" orvane-cli --settings no
expect "--settings=notes.txt" orvane-cli --settings=no
expect "--odd.orv" orvane-cli -- --o
# Every section name is offered.
COMP_WORDS=(orvane-cli --section "")
COMP_CWORD=2
_orvane_cli
if [[ ${#COMPREPLY[@]} -ne $("$cli" --list-sections | wc -l) ]]; then
  echo "FAIL: --section offers ${#COMPREPLY[@]} names" >&2
  status=1
fi
exit $status
