#!/usr/bin/env bash
# The checks a release must pass: builds the optimised programs and the
# Debian package once (build-release/), then runs lintian on the package,
# and appstreamcli and desktop-file-validate on the AppStream metadata and
# the desktop entry as the package installs them. Any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --release

echo "== Paquet Debian (build-release/)"
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build-release/chromanick_*.deb
cpack --preset deb >/dev/null
deb=$(ls build-release/chromanick_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop=("$root"/usr/share/applications/*.desktop)
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
id=$(basename "${desktop[0]}" .desktop)
if ((${#desktop[@]} != 1 || ${#metainfo[@]} != 1)) ||
    [[ $(basename "${metainfo[0]}") != "$id.metainfo.xml" ]]; then
    echo "Une entrée de menu et des métadonnées AppStream du même nom sont attendues :" \
        "${desktop[*]#"$root"} ${metainfo[*]#"$root"}" >&2
    exit 1
fi

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
echo "== desktop-file-validate $id.desktop"
desktop-file-validate "${desktop[0]}"
echo "== appstreamcli validate $id.metainfo.xml"
appstreamcli validate --no-net "${metainfo[0]}"
# The metadata against what the package installs beside it (its desktop
# entry, named by the metadata's launchable).
appstreamcli validate-tree --no-net "$root"
echo "Vérifications de publication réussies : $(basename "$deb")"
