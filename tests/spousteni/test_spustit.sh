#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test_spustit.sh LAUNCHER WORKDIR
# Each case runs a copy of the launcher next to a stand-in "kavirel" that
# records where it was started and with which arguments, with stand-in dialog
# tools first on the search path that record what they were asked to show.
set -u
spustit="$1"
prac="$2"
rm -rf "$prac"
mkdir -p "$prac/bin" "$prac/nastroje" "$prac/home"
cp "$spustit" "$prac/bin/kavirel-spustit"
cat > "$prac/bin/kavirel" <<'HRA'
#!/bin/sh
pwd > "$ZAZNAM/hra"
printf '%s\n' "$@" >> "$ZAZNAM/hra"
HRA
for n in zenity kdialog notify-send xmessage; do
  printf '#!/bin/sh\necho %s "$@" >> "$ZAZNAM/okno"\n' "$n" > "$prac/nastroje/$n"
done
chmod +x "$prac/bin/"* "$prac/nastroje/"*
: > "$prac/soubor"

chyby=0
selhani() { echo "FAIL [$pripad]: $1"; chyby=$((chyby + 1)); }
# A fresh record folder for the case; @P in a table's text is the work folder.
novy_pripad() {
  ZAZNAM="$prac/zaznam-$pripad"
  rm -rf "$ZAZNAM"; mkdir -p "$ZAZNAM"
  export ZAZNAM
}
cesta() { printf '%s' "$1" | sed "s|@P|$prac|g"; }

# case | XDG_DATA_HOME | HOME (- = unset) | DISPLAY | expected exit | expected game
# directory (- = not started) | text expected on stderr and in the dialog
while IFS='|' read -r pripad xdg home display kod adresar text; do
  [ -n "$pripad" ] || continue
  novy_pripad
  xdg=$(cesta "$xdg")
  home=$(cesta "$home")
  adresar=$(cesta "$adresar")
  text=$(cesta "$text")
  if [ "$home" = "-" ]; then
    env -u HOME XDG_DATA_HOME="$xdg" DISPLAY="$display" PATH="$prac/nastroje:/usr/bin:/bin" \
      "$prac/bin/kavirel-spustit" --a "b c" 2> "$ZAZNAM/stderr"
  else
    env HOME="$home" XDG_DATA_HOME="$xdg" DISPLAY="$display" PATH="$prac/nastroje:/usr/bin:/bin" \
      "$prac/bin/kavirel-spustit" --a "b c" 2> "$ZAZNAM/stderr"
  fi
  vysledek=$?
  [ "$vysledek" -eq "$kod" ] || selhani "exit $vysledek, expected $kod"
  if [ "$adresar" = "-" ]; then
    [ ! -e "$ZAZNAM/hra" ] || selhani "the game was started"
    grep -qF "$text" "$ZAZNAM/stderr" || selhani "stderr lacks '$text': $(cat "$ZAZNAM/stderr")"
    if [ -n "$display" ]; then
      grep -qF "$text" "$ZAZNAM/okno" 2>/dev/null || selhani "no dialog with '$text'"
    else
      [ ! -e "$ZAZNAM/okno" ] || selhani "a dialog without a display"
    fi
  else
    [ "$(sed -n 1p "$ZAZNAM/hra" 2>/dev/null)" = "$adresar" ] || selhani "game not started in $adresar"
    [ "$(sed -n 2,3p "$ZAZNAM/hra" 2>/dev/null | tr '\n' '/')" = "--a/b c/" ] || selhani "arguments not passed"
    [ ! -s "$ZAZNAM/stderr" ] || selhani "unexpected stderr: $(cat "$ZAZNAM/stderr")"
  fi
done <<'PRIPADY'
xdg_absolutni|@P/data|@P/home||0|@P/data/kavirel|
xdg_relativni|data|@P/home||0|@P/home/.local/share/kavirel|
xdg_prazdne||@P/home||0|@P/home/.local/share/kavirel|
adresar_pod_souborem|@P/soubor|@P/home|:99|1|-|@P/soubor/kavirel
adresar_bez_displeje|@P/soubor|@P/home||1|-|@P/soubor/kavirel
bez_home||-|:99|1|-|HOME
PRIPADY

# Board files relative to the caller's directory reach the game as full
# paths; options, absolute paths and names of nothing go on unchanged.
# case | arguments (separated by ;) | expected arguments of the game (@P: the work directory)
mkdir -p "$prac/volajici/podadresar"
: > "$prac/volajici/deska.kav"
: > "$prac/volajici/podadresar/d 2.kav"
: > "$prac/volajici/-pomlcka.kav"
while IFS='|' read -r pripad argumenty ocekavane; do
  [ -n "$pripad" ] || continue
  novy_pripad
  argumenty=$(cesta "$argumenty")
  ocekavane=$(cesta "$ocekavane")
  (
    cd "$prac/volajici" || exit 1
    IFS=';'
    # shellcheck disable=SC2086 # split at ';' on purpose
    set -- $argumenty
    env HOME="$prac/home" XDG_DATA_HOME="$prac/data" PATH="$prac/nastroje:/usr/bin:/bin" \
      "$prac/bin/kavirel-spustit" "$@" 2> "$ZAZNAM/stderr"
  ) || selhani "exit $?"
  skutecne=$(sed 1d "$ZAZNAM/hra" 2>/dev/null | tr '\n' ';')
  [ "$skutecne" = "$ocekavane" ] || selhani "game got '$skutecne', expected '$ocekavane'"
done <<'ARGUMENTY'
relativni|deska.kav|@P/volajici/deska.kav;
v_podadresari|podadresar/d 2.kav|@P/volajici/podadresar/d 2.kav;
absolutni|@P/volajici/deska.kav|@P/volajici/deska.kav;
neexistuje|chybi.kav|chybi.kav;
s_prepinacem|-reverse;deska.kav|-reverse;@P/volajici/deska.kav;
prepinac_jako_soubor|-pomlcka.kav|-pomlcka.kav;
ARGUMENTY

[ "$chyby" -eq 0 ] || exit 1
echo "all launcher cases passed"
