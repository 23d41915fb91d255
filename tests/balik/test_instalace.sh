#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test_instalace.sh BUILD_DIR WORK_DIR BINDIR DATADIR MANDIR DOCDIR APP_ID
# Installs the build into a prefix of its own, as a package does, and reads
# the result as a desktop does: the files are where desktops and man look,
# the menu entry and the AppStream metadata pass their validators without a
# single remark, and the MIME database maps board files to the type that the
# menu entry and the metadata name. A validator that is not installed is
# skipped (status 77 when none could run).
set -u
build="$1"
prac="$2"
bindir="$3"
datadir="$4"
mandir="$5"
docdir="$6"
app="$7"
rm -rf "$prac"
mkdir -p "$prac"
koren="$prac/usr"

chyby=0
provedeno=0
selhani() { echo "FAIL: $1"; chyby=$((chyby + 1)); }
ma() { command -v "$1" >/dev/null 2>&1; }

env -u DESTDIR cmake --install "$build" --prefix "$koren" > "$prac/install.log" 2>&1 ||
  { cat "$prac/install.log"; echo "FAIL: cmake --install"; exit 1; }

# Everything a package of the game must carry.
for f in \
  "$bindir/kavirel" "$bindir/kavirel-resit" "$bindir/kavirel-spustit" \
  "$datadir/applications/$app.desktop" \
  "$datadir/metainfo/$app.metainfo.xml" \
  "$datadir/mime/packages/$app.xml" \
  "$datadir/bash-completion/completions/kavirel-resit" \
  "$datadir/icons/hicolor/scalable/apps/$app.svg" \
  "$datadir/icons/hicolor/48x48/apps/$app.png" \
  "$mandir/man6/kavirel.6.gz" "$mandir/man6/kavirel-resit.6.gz" "$mandir/man6/kavirel-spustit.6.gz" \
  "$docdir/copyright"; do
  [ -f "$koren/$f" ] || selhani "not installed: $f"
done

desktop="$koren/$datadir/applications/$app.desktop"
metainfo="$koren/$datadir/metainfo/$app.metainfo.xml"
typ="application/x-kavirel-board"

# The launcher gets the file (%f), and the entry names the board files' type.
grep -qx "Exec=.*kavirel-spustit %f" "$desktop" || selhani "Exec without the launcher and %f: $(grep ^Exec= "$desktop")"
grep -qx "MimeType=$typ;" "$desktop" || selhani "MimeType: $(grep ^MimeType= "$desktop")"
grep -q "<mediatype>$typ</mediatype>" "$metainfo" || selhani "the metadata does not provide $typ"

# A validator's every line is a remark; a clean file gives none (desktop-file-
# validate) or only the success line (appstreamcli).
if ma desktop-file-validate; then
  provedeno=$((provedeno + 1))
  vystup="$(desktop-file-validate "$desktop" 2>&1)" || selhani "desktop-file-validate failed"
  [ -z "$vystup" ] || selhani "desktop-file-validate: $vystup"
else
  echo "SKIP: desktop-file-validate (desktop-file-utils) is not installed"
fi
if ma appstreamcli; then
  provedeno=$((provedeno + 1))
  vystup="$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)" ||
    selhani "appstreamcli validate failed"
  zbytek="$(printf '%s\n' "$vystup" | grep -v '^✔ Validation was successful.$' | grep -v '^$')"
  [ -z "$zbytek" ] || selhani "appstreamcli validate --pedantic: $vystup"
else
  echo "SKIP: appstreamcli (appstream) is not installed"
fi

# The MIME database built from the installed file gives *.kav the type.
if ma update-mime-database; then
  provedeno=$((provedeno + 1))
  if update-mime-database "$koren/$datadir/mime" > "$prac/mime.log" 2>&1; then
    grep -q "^[0-9]*:$typ:\*\.kav$" "$koren/$datadir/mime/globs2" ||
      selhani "globs2 lacks *.kav -> $typ: $(cat "$koren/$datadir/mime/globs2")"
  else
    selhani "update-mime-database: $(cat "$prac/mime.log")"
  fi
else
  echo "SKIP: update-mime-database (shared-mime-info) is not installed"
fi

[ "$chyby" -eq 0 ] || exit 1
[ "$provedeno" -gt 0 ] || exit 77
echo "installed tree and metadata are clean"
