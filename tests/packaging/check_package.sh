#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it the way a distribution would:
# lintian, the control fields, the owners and modes of the files, the desktop entry and the
# metainfo as installed, and a first start of the unpacked program on a fresh account, on a
# real X server: it must copy the shipped dictionaries into the user's folder, and open the
# main window on one of them once the settings file names it.
#
# Usage: check_package.sh BUILD_DIR SOURCE_DIR VERSION
# Everything it makes lives in one temporary folder, removed at the end with the processes
# it started.
set -euo pipefail

build=$1
source=$2
version=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/glossmere-package.XXXXXX")
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 30 seconds for a shell condition; fails with the description otherwise.
wait_for() {
    local what=$1
    shift
    local tries
    for ((tries = 0; tries < 300; ++tries)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# --- The package -------------------------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack could not make the package"
}
deb="$work/cpack/glossmere_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work/cpack")"
echo "Built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the control file's version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the section is not education"
# Present only when dpkg-shlibdeps read the programs.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>=' || fail "Depends was not computed from the programs"

# --- lintian: no error; every warning must be one the README explains ---------------------
status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian reports errors"
while read -r tag; do
    grep -qF "\`$tag\`" "$source/README.md" || fail "lintian warning $tag is not explained in README.md"
done < <(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' "$work/lintian.log" | sort -u)

# --- Owners and modes: root's; directories and programs 0755, every other file 0644 --------
dpkg-deb --contents "$deb" | awk '
    $2 != "root/root" { print "not owned by root: " $6; bad = 1 }
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "directory mode " $1 ": " $6; bad = 1 }
    $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode " $1 ": " $6; bad = 1 }
    $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "file mode " $1 ": " $6; bad = 1 }
    END { exit bad }' || fail "files with the wrong owner or mode"

# --- The files as installed --------------------------------------------------------------
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.glossmere.Glossmere.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.glossmere.Glossmere.metainfo.xml"
newest=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/org.glossmere.Glossmere.metainfo.xml" | head -n 1)
[ "$newest" = "<release version=\"$version\"" ] || fail "the metainfo's newest release is not $version: $newest"

# Every shipped dictionary is named in the copyright file, with its sources and licence.
for csv in "$source"/data/dictionaries/*.csv; do
    name=$(basename "$csv" .csv)
    grep -qxF "Files: data/dictionaries/$name.*" "$root/usr/share/doc/glossmere/copyright" \
        || fail "the copyright file has no stanza for the dictionary $name"
    "$root/usr/bin/glossmere-dict" check "$root/usr/share/glossmere/Dicts/$name.dat" >/dev/null \
        || fail "the shipped dictionary $name.dat is not valid"
done

# --version answers without a display.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
[ "$("$root/usr/bin/glossmere" --version)" = "glossmere $version" ] || fail "glossmere --version"
[ "$("$root/usr/bin/glossmere-dict" --version)" = "glossmere-dict $version" ] || fail "glossmere-dict --version"

# --- A first start on a fresh account, on a real X server --------------------------------
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
started+=($!)
wait_for "the X server" grep -q . "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")"

# True when a window of that exact title is on the screen.
window_shown() {
    xwininfo -root -tree | grep -qF "\"$1\": ("
}
program_running() {
    kill -0 "$1" 2>/dev/null || {
        cat "$work/glossmere.log" >&2
        fail "glossmere ended by itself"
    }
}

dicts="$XDG_DATA_HOME/Glossmere/Dicts"
settings="$XDG_CONFIG_HOME/Glossmere/settings.ini"
language="$root/usr/share/glossmere/Language/rus.lng"
message() {
    sed -n "s/^message_$1=//p" "$language" | tr -d '\r'
}

# No settings yet: the program makes them from the template, copies the shipped
# dictionaries into the user's folder and asks which one to open.
"$root/usr/bin/glossmere" >"$work/glossmere.log" 2>&1 &
first=$!
started+=("$first")
wait_for "the dictionary dialog" window_shown "$(message select_dictionary)"
program_running "$first"
for shipped in "$root"/usr/share/glossmere/Dicts/*; do
    copy="$dicts/$(basename "$shipped")"
    cmp -s "$shipped" "$copy" || fail "$(basename "$shipped") was not copied into $dicts"
    [ -w "$copy" ] || fail "the copy $copy is not writable"
done
[ -f "$settings" ] || fail "no settings file at $settings"
kill "$first"
wait "$first" 2>/dev/null || true

# The settings file names the user's copy of a shipped dictionary: the main window opens on
# it, in the language the first start chose.
sed -i "/^\[Main\]/a Dict=$dicts/english.dat" "$settings"
"$root/usr/bin/glossmere" >"$work/glossmere.log" 2>&1 &
second=$!
started+=("$second")
wait_for "the main window on english.dat" window_shown "[english.dat]$(message mode1)"
program_running "$second"
echo "The unpacked program showed its main window: [english.dat]$(message mode1)"
