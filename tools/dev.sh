#!/usr/bin/env bash
# Sets up a Debian 12 / Ubuntu machine for Lockmere, builds it, and then
# either starts the program (`run`) or runs every test through CTest (`test`);
# `install` only installs the packages.
# Safe to run again: it installs only what is missing and builds incrementally.
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${LOCKMERE_BUILD_DIR:-build}

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libsqlite3-dev sqlite3
  # the file passphrase: Argon2id and XChaCha20-Poly1305
  libsodium-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  # the end-to-end journey: a real X server, synthesized input, the accessibility bus
  xvfb xauth at-spi2-core python3-dogtail dbus
  # password strength estimation, and the word list that passphrases are drawn from
  libzxcvbn-dev wamerican
  # the house style check
  clang-format
)

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}

case "${1:-}" in
  install)
    install_missing_packages
    ;;
  run)
    install_missing_packages
    build
    exec "$BUILD_DIR/app/lockmere"
    ;;
  test)
    install_missing_packages
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test|install" >&2
    exit 2
    ;;
esac
