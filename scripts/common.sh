# Shared by scripts/run and scripts/test: install what is missing, then
# configure and build. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUENDAL_BUILD_DIR:-$ROOT/build}"

PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libxcb1-dev qt6-multimedia-dev qt6-svg-dev xvfb xauth dbus-daemon openbox xdotool x11-utils
  fonts-dejavu-core fonts-liberation2 locales poppler-utils libarchive-dev zlib1g-dev
  xdg-utils libfile-mimeinfo-perl desktop-file-utils shared-mime-info)

install_missing() {
  # One query of the package database for all of them; a package it does
  # not know prints nothing and counts as missing.
  local listing="" missing=() name status
  local -A installed=()
  listing="$(dpkg-query -W -f='${Package} ${Status}\n' "${PACKAGES[@]}" 2>/dev/null)" || true
  while read -r name status; do
    if [ "$status" = "install ok installed" ]; then installed[$name]=1; fi
  done <<<"$listing"
  for p in "${PACKAGES[@]}"; do
    [ -n "${installed[$p]:-}" ] || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# A locale with a decimal comma, so that the tests can show that numbers
# are read and written the same whatever the user's locale.
ensure_comma_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
  fi
}

# Configures once (in Release, or as CONFIGURE_ARGS say), then builds the
# targets named (everything when none is), with as many jobs as the machine
# has processors, or as many as QUENDAL_BUILD_JOBS says (a machine shared
# with others, or short of memory).
CONFIGURE_ARGS=(-DCMAKE_BUILD_TYPE=Release)
build() {
  local generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" "${generator[@]}" "${CONFIGURE_ARGS[@]}"
  fi
  local targets=() jobs=${QUENDAL_BUILD_JOBS:-$(nproc)}
  if ! [[ $jobs =~ ^[1-9][0-9]*$ ]]; then
    echo "QUENDAL_BUILD_JOBS is a number of jobs, 1 or more, not \"$jobs\"" >&2
    return 2
  fi
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$BUILD_DIR" --parallel "$jobs" "${targets[@]}"
}
