#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test_doplnovani.sh COMPLETION_FILE DIR_OF_KAVIREL_RESIT WORK_DIR
# What Tab offers on kavirel-resit's command line, with bash-completion's own
# functions and the built program (whose --help lists the options). Status
# 77 (skipped) without bash-completion.
set -u
doplneni="$1"
export PATH="$2:$PATH"
prac="$3"
bc=/usr/share/bash-completion/bash_completion
[ -r "$bc" ] || { echo "SKIP: bash-completion is not installed"; exit 77; }

rm -rf "$prac"
mkdir -p "$prac/podadresar"
cd "$prac" || exit 1
: > deska.kav
: > Kavirel.dat
: > kresba.txt
: > -pomlcka.kav

# shellcheck disable=SC1090
. "$bc"
# shellcheck disable=SC1090
. "$doplneni"
complete -p kavirel-resit >/dev/null 2>&1 || { echo "FAIL: no completion for kavirel-resit"; exit 1; }

# What Tab offers at the end of a command line, the words as bash hands them
# to the function, sorted and separated by single blanks.
doplnit() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _kavirel_resit kavirel-resit "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd ' ' -
}

chyby=0
# pripad WORD... :: OFFER...   (the words after "kavirel-resit"; '' is an
# empty last word, where Tab is pressed after a blank)
pripad() {
  local slova=()
  while [ "$1" != "::" ]; do
    slova+=("$1")
    shift
  done
  shift
  local ocekavano="$*" skutecne
  skutecne="$(doplnit kavirel-resit "${slova[@]}")"
  if [ "$skutecne" != "$ocekavano" ]; then
    echo "FAIL [kavirel-resit ${slova[*]}]: offers '$skutecne', expected '$ocekavano'"
    chyby=$((chyby + 1))
  fi
}

# Options, as --help lists them, with their English aliases.
pripad -- :: --deska --help --hint --json --kresba --limit --minimum --nahodna --nejkratsi --nejmene --rada --random --statistika --version
pripad --li :: --limit
pripad --mi :: --minimum
pripad --nejm :: --nejmene
pripad --nah :: --nahodna
pripad --ra :: --rada --random
pripad - :: --deska --help --hint --json --kresba --limit --minimum --nahodna --nejkratsi --nejmene --rada --random --statistika --version -V -h -v
pripad --ver :: --version
# Board files and catalogues, and folders to look into; no drawing (.txt).
pripad '' :: Kavirel.dat deska.kav podadresar
pripad --json '' :: Kavirel.dat deska.kav podadresar
# A number after --limit and --deska, also as --limit=; nothing after --version.
pripad --limit '' ::
pripad --deska '' ::
# A random board's number: nothing to offer, under either name.
pripad --nahodna '' ::
pripad --random '' ::
pripad --nahodna = ::
pripad --limit = ::
pripad --version '' ::
# After "--" a dash starts a file name.
pripad -- - :: -pomlcka.kav

[ "$chyby" -eq 0 ] || exit 1
echo "all completion cases passed"
