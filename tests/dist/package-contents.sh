#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it: control fields, the dependencies
# shlibdeps found, every file it holds (no more, no fewer), and that the menu entry and the
# metainfo validate and name the same program, icon and version.
#   package-contents.sh <cpack> <CPackConfig.cmake> <application id> <icon size>...
set -euo pipefail
cpack=$1 config=$2 id=$3
shift 3
sizes=("$@")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing (Debian packages dpkg-dev, file, desktop-file-utils, appstream)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not build the package"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }

# Control fields.
[ "$(field Package)" = vellumark ] || fail "package name $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
[ "${deb##*/}" = "vellumark_$(field Version)_$(field Architecture).deb" ] ||
    fail "file name ${deb##*/}"
for name in Maintainer Section Homepage Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done

# The libraries the program links, as shlibdeps names their packages; and apt can install them.
depends=$(field Depends)
names=$(sed 's/ *([^)]*)//g; s/ *[,|] */\n/g' <<<"$depends")
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6webenginecore6 libqt6webenginewidgets6 libcups2 libcsv3; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get cannot install the package"; }

# Owned by root, and exactly the expected files.
dpkg-deb --contents "$deb" | awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' ||
    fail "files not owned by root"
expected=(
    usr/bin/vellumark
    usr/share/vellumark/help.htm
    usr/share/doc/vellumark/copyright
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for side in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${side}x$side/apps/$id.png")
done
root=$work/root
dpkg-deb --extract "$deb" "$root"
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
    fail "the package's files differ from the expected ones (< expected, > found)"

# What the files are.
[ -x "$root/usr/bin/vellumark" ] && file -b "$root/usr/bin/vellumark" | grep -q '^ELF .*executable' ||
    fail "usr/bin/vellumark is not an executable program"
file -b "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '^SVG' || fail "icon SVG"
for side in "${sizes[@]}"; do
    file -b "$root/usr/share/icons/hicolor/${side}x$side/apps/$id.png" |
        grep -q "^PNG image data, $side x $side," || fail "icon PNG of $side pixels"
done

# The menu entry and the metainfo validate and agree with each other and with the package.
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
[ -x "$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "Exec= names no program"
grep -qx "Icon=$id" "$desktop" || fail "Icon= is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo launchable"
grep -q "<release version=\"$(field Version)\"" "$metainfo" || fail "no release $(field Version)"
echo "package ${deb##*/} checked"
