#!/bin/sh
# Re-render every Glossmere picture from its SVG source.
# The SVG files are the originals; the PNG files are what the program loads.
# Needs rsvg-convert (Debian package librsvg2-bin). Lettering in the SVGs is
# stored as outlines, so the output does not depend on the installed fonts.
set -eu

images=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$images/../.." && pwd)
icons="$root/packaging/icons"

render() { # render SOURCE.svg SIZE_W SIZE_H OUTPUT.png
    mkdir -p "$(dirname "$4")"
    rsvg-convert --width "$2" --height "$3" --format png --output "$4" "$1"
    echo "$4 (${2}x${3})"
}

# application icon: desktop entry and window/tray
render "$icons/scalable/glossmere.svg" 48 48 "$icons/48/glossmere.png"
render "$icons/scalable/glossmere.svg" 256 256 "$images/glossmere-256.png"

# start-up picture
render "$images/splash.svg" 410 231 "$images/splash.png"

# toolbar
for name in remove-card next-card previous-card edit-cards; do
    render "$images/$name.svg" 22 22 "$images/$name.png"
done
render "$images/learn.svg" 32 32 "$images/learn.png"

# newsletter prompt and About window
render "$images/subscribe.svg" 96 96 "$images/subscribe.png"
for name in about-code about-design; do
    render "$images/$name.svg" 48 48 "$images/$name.png"
done
