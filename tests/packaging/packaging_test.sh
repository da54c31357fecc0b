#!/usr/bin/env bash
# packaging_test.sh CHECK SOURCE_DIR METAINFO DESKTOP_ENTRY
# One check of the desktop entry and the AppStream metadata the build wrote;
# status 77 (skipped) when its tool is missing.
set -euo pipefail
check=$1 source=$2 metainfo=$3 desktop=$4

need() {
    command -v "$1" >/dev/null || {
        echo "$1 absent : vérification sautée."
        exit 77
    }
}

case $check in
    AppStreamMetadataIsValid)
        need appstreamcli
        appstreamcli validate --no-net "$metainfo"
        ;;
    ReleaseIsTheChangelogsNewestEntry)
        # Read by dpkg's own parser, not by the build's.
        need dpkg-parsechangelog
        changelog=$source/packaging/changelog
        version=$(dpkg-parsechangelog -l "$changelog" -S Version)
        version=${version#*:}
        version=${version%-*}
        date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
        first=$(grep -m1 -o '<release [^>]*>' "$metainfo")
        expected="<release version=\"$version\" date=\"$date\">"
        if [[ $first != "$expected" ]]; then
            echo "Première version des métadonnées : $first ; attendu : $expected" >&2
            exit 1
        fi
        ;;
    DesktopEntryIsValid)
        need desktop-file-validate
        desktop-file-validate "$desktop"
        ;;
    *)
        echo "Vérification inconnue : $check" >&2
        exit 2
        ;;
esac
