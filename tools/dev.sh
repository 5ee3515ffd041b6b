#!/usr/bin/env bash
# Sets up a Debian 12 / Ubuntu machine for Lockmere, builds it, and then
# either starts the program (`run`) or runs every test through CTest (`test`);
# `install` only installs the packages.
# Safe to run again: it installs only what is missing and builds incrementally.
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${LOCKMERE_BUILD_DIR:-build}

# What building and running the program takes.
RUN_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libsqlite3-dev
  # the file passphrase: Argon2id and XChaCha20-Poly1305
  libsodium-dev
  # password strength estimation, and the word lists that passphrases are drawn from
  libzxcvbn-dev wamerican wngerman wfrench wspanish witalian wdutch wpolish wbrazilian
  fonts-dejavu-core
  # Qt's own texts (file dialogs, key names) in the desktop's language
  qt6-translations-l10n
)
# What the tests, the benchmarks and the house style check take besides.
TEST_PACKAGES=(
  sqlite3 libgtest-dev libbenchmark-dev
  # the end-to-end journey: a real X server, synthesized input, the accessibility bus
  xvfb xauth at-spi2-core python3-dogtail dbus
  clang-format
)

say() { printf '\n==> %s\n' "$*"; }

install_missing_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  say "Installing ${#missing[@]} Debian packages (the first time only; a few minutes):"
  echo "    ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# The program alone for `run` (the tests and benchmarks would take most of the build), and
# everything for `test`. Ninja when it is there; make's percentages otherwise.
build() {
  local with_tests=$1 target=()
  [ "$with_tests" = OFF ] && target=(--target lockmere)
  local generator=()
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ] && command -v ninja >/dev/null; then
    generator=(-G Ninja)
  fi
  cmake -S . -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLOCKMERE_BUILD_TESTS="$with_tests" -DLOCKMERE_BUILD_BENCH="$with_tests" >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)" "${target[@]}"
}

case "${1:-}" in
  install)
    install_missing_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    ;;
  run)
    install_missing_packages "${RUN_PACKAGES[@]}"
    say "Building Lockmere (the first time: about three minutes on two cores)"
    build OFF
    say "Starting Lockmere"
    exec "$BUILD_DIR/app/lockmere"
    ;;
  test)
    install_missing_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    say "Building Lockmere, its tests and benchmarks"
    build ON
    say "Running every test"
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test|install" >&2
    exit 2
    ;;
esac
