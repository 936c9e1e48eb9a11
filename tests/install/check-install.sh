#!/usr/bin/env bash
# Checks the installed form of Zelvit from an already built tree (run under
# scripts/zelvit-env, which gives it a fresh HOME):
#   check-install.sh install BUILD_DIR PROBE
#     installs into a temporary DESTDIR with prefix /usr: exactly the files of
#     expected-files.txt, a valid desktop entry, and the installed program,
#     with Russian saved, shows its first dialog in Russian, so it found its
#     catalogues where they were installed (PROBE prints that dialog)
#   check-install.sh package BUILD_DIR
#     builds the Debian package with cpack: named zelvit_<version>_<arch>.deb,
#     the same files, and Depends naming the Qt 5, Telepathy-Qt5 and libebook
#     libraries
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mode=$1
build=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zelvit-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# same_files LIST: the files LIST names, relative to the prefix, are exactly the expected ones.
same_files() {
  diff -u <(sort "$here/expected-files.txt") <(sort "$1") || fail "the installed files differ from expected-files.txt"
}

check_install() {
  local probe=$1 root=$work/root
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
  (cd "$root/usr" && find . -type f -o -type l) | sed 's|^\./||' >"$work/files"
  same_files "$work/files"

  local verdict
  verdict=$(desktop-file-validate "$root/usr/share/applications/zelvit.desktop" 2>&1) || true
  [ -z "$verdict" ] || fail "desktop-file-validate: $verdict"

  mkdir -p "$HOME/.Zelvit"
  printf '\001\000' >"$HOME/.Zelvit/langSettFile.bin"   # russian=true english=false
  local shown
  # In a sanitizer build the probe goes before the sanitizer's runtime, and the
  # probe's quick exit leaves the window undestroyed: neither is a fault here.
  shown=$(ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0 LD_PRELOAD=$probe QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/zelvit" 2>"$work/zelvit.err") ||
    { cat "$work/zelvit.err" >&2; fail "the installed zelvit showed no dialog"; }
  echo "$shown"
  grep -q '^label: ' <<<"$shown" || fail "the first dialog has no text"
  if grep -q 'Do you want' <<<"$shown"; then
    fail "the first dialog is in English: the installed catalogue was not found"
  fi
  # Cyrillic letters are two bytes in UTF-8, led by 0xD0 or 0xD1.
  LC_ALL=C grep -q "^label: .*[$(printf '\320\321')]" <<<"$shown" || fail "the first dialog is not in Russian"
}

check_package() {
  local version arch deb
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  arch=$(dpkg --print-architecture)
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  deb=$work/zelvit_${version}_${arch}.deb
  [ -f "$deb" ] || fail "cpack made no $(basename "$deb"): $(ls "$work")"
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' >"$work/files"
  same_files "$work/files"

  local depends lib
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 libqt5xml5 libqt5dbus5 libtelepathy-qt5 libebook-1.2; do
    grep -Eq "(^|, )$lib" <<<"$depends" || fail "Depends names no $lib"
  done
}

case "$mode" in
  install) check_install "$3" ;;
  package) check_package ;;
  *) fail "unknown check $mode" ;;
esac
