# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test: install what is missing, then
# configure and build into build/. Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VARRIT_BUILD_DIR:-$ROOT/build}"

varrit_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the game needs: Qt with its Linguist tools,
# which build the catalogues in, and Qt's own catalogues.
VARRIT_BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
                       qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                       libgl-dev fonts-dejavu-core)

# varrit_build DIR [CMAKE OPTIONS...]: configure and build everything in DIR;
# VARRIT_TARGET limits the build to one target.
varrit_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)" ${VARRIT_TARGET:+--target "$VARRIT_TARGET"}
}
