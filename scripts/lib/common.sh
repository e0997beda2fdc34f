# Shared by scripts/run and scripts/test: install what is missing, then build a CMake preset.
set -euo pipefail

ZEMBRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

zembrix_missing_packages() {
  local pkg
  grep -v '^\s*\(#\|$\)' "$ZEMBRIX_ROOT/scripts/packages" | while read -r pkg; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$pkg"
    fi
  done
}

zembrix_install_missing() {
  local missing
  missing=$(zembrix_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages (run as root to install them): $missing" >&2
    return 1
  fi
  echo "Installing: $missing"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

zembrix_build() {
  local preset=$1
  shift
  cmake --preset "$preset" -S "$ZEMBRIX_ROOT" "$@" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}

# The Windows build that Wine can run on this machine. Some kernels run no 32-bit processes
# (the 32-bit Wine loader fails with "Exec format error"); there the end-to-end tests run the
# 64-bit twin of the program, built from the same sources, under 64-bit Wine.
zembrix_wine_preset() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

# The Wine loader for a preset's executables.
zembrix_wine_loader() {
  if [ "$1" = win32 ]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi
}
