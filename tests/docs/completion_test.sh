#!/usr/bin/env bash
# completion_test.sh COMPLETION BRISKO7_CLI: what the completion offers for
# a command line typed so far, one case per line.
set -u
export LC_ALL=C
source "$1"
cli=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" && touch radio.dat other.txt channels.csv
failures=0

# complete LINE: the completion's offers for LINE (the last word is the one
# being completed; a trailing space starts a new word).
complete_line() {
  read -r -a COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_WORDS[0]=$cli
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _brisko7_cli
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

expect() {  # expect LINE OFFERS
  local got
  got=$(complete_line "$1")
  if [ "$got" != "$2" ]; then
    echo "FAIL: '$1': offered '$got', expected '$2'"
    failures=$((failures + 1))
  fi
}

verbs=$("$cli" --help | sed -n 's/^  \([a-z][-a-z]*\) .*/\1/p')
expect "brisko7-cli " "$(printf '%s\n' --help --version $verbs | sort | tr '\n' ' ')"
expect "brisko7-cli ex" "export-csv "
expect "brisko7-cli read --p" "--password --port "
expect "brisko7-cli new --band " "0 1 2 "
expect "brisko7-cli tone radio.dat --tip 8" "8 "
expect "brisko7-cli show " "radio.dat "
expect "brisko7-cli import-csv radio.dat " "channels.csv radio.dat "
expect "brisko7-cli decode o" "other.txt "
expect "brisko7-cli show radio.dat --" "--json "
expect "brisko7-cli bogus --" ""
exit $((failures > 0))
