# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: installs missing Debian packages, then configures.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# install_packages [PACKAGE...]: those named, else the ones of packages.txt.
install_packages() {
  local missing=() wanted=("$@")
  if [ ${#wanted[@]} -eq 0 ]; then
    while read -r pkg; do
      pkg="${pkg%%#*}"; pkg="$(echo "$pkg" | tr -d '[:space:]')"
      [ -n "$pkg" ] && wanted+=("$pkg")
    done < "$ROOT/packages.txt"
  fi
  for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

configure() { # build-dir extra-cmake-args...
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}
