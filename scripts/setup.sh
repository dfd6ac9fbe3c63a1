#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
# Usage: scripts/setup.sh              (build, run and test)
#        scripts/setup.sh --run        (only what building and running needs)
#        scripts/setup.sh --package    (building, checking and linting the .deb)
#        scripts/setup.sh --screens    (running, driving and photographing the window)
set -euo pipefail

# Building and running the programs, their manual pages included.
RUN_PACKAGES=(
  g++ cmake make pkg-config scdoc
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
  libsndfile1-dev libpulse-dev
)
# Making the .deb and checking it: its dependencies, desktop entry,
# software-centre metadata and manual pages.
CHECK_PACKAGES=(dpkg-dev desktop-file-utils appstream man-db)
# The tests, the benchmarks and the fuzzers (poppler-utils reads the PDF
# pages back).
TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  pulseaudio poppler-utils
)

# Screenshots of the window as a user meets it: a virtual display, a small
# window manager, a hand on the keyboard and mouse, a camera, and pdftoppm
# for the exported page (procps to end what the script started).
SCREEN_PACKAGES=(xvfb openbox xdotool imagemagick poppler-utils procps)

case "${1:-}" in
  --run) PACKAGES=("${RUN_PACKAGES[@]}") ;;
  --screens) PACKAGES=("${RUN_PACKAGES[@]}" "${SCREEN_PACKAGES[@]}") ;;
  --package) PACKAGES=("${RUN_PACKAGES[@]}" "${CHECK_PACKAGES[@]}" lintian) ;;
  *) PACKAGES=("${RUN_PACKAGES[@]}" "${CHECK_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
esac

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
