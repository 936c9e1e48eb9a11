#!/usr/bin/env bash
# Renders the page icons into images/, and the 64x64 launcher icon into
# dist/, from the Tango icon theme (public domain,
# Debian package tango-icon-theme) and from the two drawings in src/.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick; the PNGs are committed, so
# the build itself needs neither. "_s" is the image a button shows; the plain
# image is a brighter variant for the button's On state.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tango=/usr/share/icons/Tango/scalable
out=$here/images
mkdir -p "$out/logo"

render() { rsvg-convert -w "$3" -h "$3" -o "$2" "$1"; }
brighten() { convert "$1" -modulate 115,135 "$2"; }

pair() {
  local name=$1 svg=$2
  render "$svg" "$out/${name}_s.png" 48
  brighten "$out/${name}_s.png" "$out/$name.png"
}

pair Phone "$here/src/phone.svg"
pair Calc "$tango/apps/accessories-calculator.svg"
pair Gear "$tango/categories/preferences-system.svg"
pair Info "$tango/status/dialog-information.svg"
pair Write2 "$tango/apps/accessories-text-editor.svg"
pair Cancel "$tango/actions/process-stop.svg"
render "$tango/apps/internet-mail.svg" "$out/Mail.png" 48
render "$here/src/logo.svg" "$out/logo/mb_32.png" 32
# The launcher icon of the installed application (the SVG itself is installed as well).
render "$here/src/logo.svg" "$here/../../dist/zelvit.png" 64
