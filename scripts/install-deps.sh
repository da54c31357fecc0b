#!/usr/bin/env bash
# Installs the Debian packages Chromanick needs to build, run and test.
# Idempotent: packages already present are not touched and apt is not called.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
)
# Release tools (`--release`, for scripts/release-check.sh): the Debian
# package's builder and checker, the AppStream and desktop entry validators.
release=(dpkg-dev lintian appstream desktop-file-utils)
# Extra tools (`--all`): the release tools, a virtual display to look at the
# program without a screen, and clang with its sanitizer/fuzzer runtime for
# the robustness checks.
case "${1:-}" in
    --release) packages+=("${release[@]}") ;;
    --all) packages+=("${release[@]}" xvfb xauth imagemagick xdotool clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi
echo "Installation des paquets manquants : ${missing[*]}"
SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
