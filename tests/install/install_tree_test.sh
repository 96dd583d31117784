#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs of it: the program
# tree, launchers that run, a valid desktop entry, metainfo and file type, the icons the entry
# names and a well-formed udev rule. Usage: install_tree_test.sh <build dir> <app id>
set -euo pipefail
build="$1"
id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in Version.ini language/mysetup.ini V200/r5k27 V200/r5k27-cli V200/StartE.jpg \
         V200/PIC/BK_2.jpg V200/Init/1_ZT6666_New.dat \
         V200/guide/en.html V200/guide/zh.html V200/guide/en/channels.png V200/guide/zh/options.png \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/mime/packages/$id.xml" lib/udev/rules.d/70-r5k27-programmer.rules; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -s "$icon" ] || fail "missing icon $size"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file -b "$icon")"
done

# The launchers are links into the tree; the program must find its folder through them.
for program in r5k27 r5k27-cli; do
    [ -L "$prefix/bin/$program" ] || fail "bin/$program is not a link"
    [ -x "$prefix/bin/$program" ] || fail "bin/$program does not lead to a program"
done
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
(cd "$scratch" && "$prefix/bin/r5k27-cli" new start.dat) || fail "r5k27-cli new through the link"
shown="$("$prefix/bin/r5k27-cli" show "$scratch/start.dat")" || fail "r5k27-cli show"
grep -q '^workMode: 1' <<<"$shown" || fail "the start document is not the installed one"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli"
grep -qx "Icon=$id" "$desktop" || fail "the entry names another icon"
exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[ -e "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not a launcher"

# The file type the entry opens is the one the MIME package defines.
cp -r "$prefix/share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 || fail "$(cat "$scratch/mime.log")"
mime_type="$(sed -n 's/^MimeType=\([^;]*\);/\1/p' "$desktop")"
[ -f "$scratch/mime/$mime_type.xml" ] || fail "MimeType=$mime_type is not defined"
grep -q '"\*\.dat"' "$scratch/mime/$mime_type.xml" || fail "$mime_type does not cover *.dat"

# Every rule line: comma-separated KEY op "value" pairs (this udev has no verify command).
pair='[A-Z_]+(\{[A-Za-z_]+\})?[[:space:]]*(==|!=|\+=|=)[[:space:]]*"[^"]*"'
rules="$prefix/lib/udev/rules.d/70-r5k27-programmer.rules"
bad="$(grep -Ev '^[[:space:]]*(#|$)' "$rules" | grep -Ev "^$pair([[:space:]]*,[[:space:]]*$pair)*[[:space:]]*$" || true)"
[ -z "$bad" ] || fail "malformed udev rule: $bad"
grep -q 'LABEL="r5k27_end"' "$rules" || fail "udev rule without its end label"
echo "install tree OK"
