#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6svg6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  fonts-liberation fontconfig fonts-noto-core
  clang-14 libclang-rt-14-dev
  xvfb xauth poppler-utils locales
  nlohmann-json3-dev groff-base dpkg-dev parallel
  libhowardhinnant-date-dev libdate-tz3 tzdata python3
  librsvg2-bin
  libswe-dev swetest swe-basic-data swe-standard-data
  libsqlite3-dev
  libical-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# A comma-decimal locale for the tests that prove files keep their decimal point.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null 2>&1 || true
  fi
fi
