# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test: installs the Debian packages the
# build needs (only those missing), then configures and builds.
# Usage (sourced): kavirel_setup BUILD_DIR [extra cmake arguments...]

# The compiler and build tools, Qt Widgets (its -dev package brings the
# OpenGL headers its CMake files look for) and GoogleTest for the tests;
# gettext compiles and checks the command-line solver's message catalogues,
# Qt's Linguist tools (lupdate, lrelease and their CMake functions) those of
# the Qt program; groff's preconv writes the manual pages, which man and
# groff check.
KAVIREL_PACKAGES="cmake g++ make qt6-base-dev libgtest-dev libgmock-dev gettext qt6-tools-dev qt6-l10n-tools
  groff-base man-db"
# Needed only to run the game: Qt's own Czech texts (file, colour and message dialogs).
KAVIREL_RUN_PACKAGES="qt6-translations-l10n"
# Needed only by the tests: the desktop's validators, the MIME database and
# bash completion for the installed tree; Xvfb for the game losing its display;
# Qt's own texts, which the language switch of the window is checked to load.
KAVIREL_TEST_PACKAGES="desktop-file-utils appstream shared-mime-info bash-completion xvfb qt6-translations-l10n"

kavirel_install_missing() {
  local missing=()
  for p in $KAVIREL_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kavirel_build() {
  local dir="$1"; shift
  cmake -S "$KAVIREL_ROOT" -B "$KAVIREL_ROOT/$dir" "$@"
  cmake --build "$KAVIREL_ROOT/$dir" -j "$(nproc)"
}
