#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# With --checks also what the extra checks of scripts/checks.sh need (clang
# with libFuzzer and the sanitizer runtimes, llvm-symbolizer for their reports,
# clang-format 14 for the format check). With --package also what
# scripts/package-test.sh needs to make a fresh Debian root (debootstrap).
# Quiet and quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  ninja-build
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  qt6-serialport-dev
  qt6-multimedia-dev
  libqt6multimedia6
  qt6-translations-l10n
  libgl-dev
  libgtest-dev
  libgmock-dev
  googletest
  xvfb
  xauth
  fonts-wqy-microhei
  poppler-utils
  file
  desktop-file-utils
  appstream
  python3-markdown
  groff-base
)
if [ "${1:-}" = "--checks" ]; then
  PACKAGES+=(clang llvm libclang-rt-dev clang-format-14)
fi
if [ "${1:-}" = "--package" ]; then
  PACKAGES+=(debootstrap)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
