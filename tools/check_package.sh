#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package of a build and checks it as Debian would: lintian, the AppStream
# metadata and the desktop entries inside it, each with no error and no warning.
#   bash tools/check_package.sh [BUILD-DIR]     (build by default)
# Needs lintian, appstream, desktop-file-utils and dpkg-dev.
set -euo pipefail
build=$(realpath "${1:-build}")

made=$(cd "$build" && cpack -G DEB)
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$made")
[[ -f $deb ]] || { echo "check package: cpack made no package: $made" >&2; exit 1; }
echo "package: $deb"

# Root is told it should not run lintian; the warning says nothing about the package.
lintian --fail-on error,warning --info "$deb" 2> >(grep -v 'running with root privileges' >&2)

inside=$(mktemp -d)
trap 'rm -rf "$inside"' EXIT
dpkg-deb -x "$deb" "$inside"
metainfo=("$inside"/usr/share/metainfo/*.metainfo.xml)
entries=("$inside"/usr/share/applications/*.desktop)
[[ -f ${metainfo[0]} && -f ${entries[0]} ]] || { echo "check package: no metadata" >&2; exit 1; }
appstreamcli validate --no-net "${metainfo[@]}"
for entry in "${entries[@]}"; do
    # It ends with 0 after warnings and hints too: anything it says fails the check.
    said=$(desktop-file-validate "$entry" 2>&1) && [[ -z $said ]] ||
        { echo "$entry: $said" >&2; exit 1; }
done
echo "package checked: lintian, appstreamcli and desktop-file-validate found nothing"
