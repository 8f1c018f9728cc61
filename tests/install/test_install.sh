#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program as a new user would:
# its own program folder is seeded, the examples make NC code, the guide and desktop entry exist.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME="$work/home"
unset XDG_DATA_HOME VELTRUM32_HOME
mkdir -p "$HOME"
fail() { echo "install test: $*" >&2; exit 1; }

"$prefix/bin/veltrum32" --version | grep -q "^veltrum32 " || fail "--version"
"$prefix/bin/veltrum32" --nc "$prefix/share/veltrum32/examples/flange.vgm" --machine iso_fanuc_mill >"$work/flange.nc" \
    || fail "--nc on an installed example"
grep -q "^N[0-9]* G2 X60\. Y0\. I-60\. J0\." "$work/flange.nc" || fail "the flange's outer contour is missing"
user="$HOME/.local/share/veltrum32"
for f in POST/iso_fanuc_mill.vtp POST/heidenhain.vtp lang/English.LNG plugins/bulthal.so; do
    [ -f "$user/$f" ] || fail "the user's program folder lacks $f"
done
[ -f "$prefix/share/applications/veltrum32.desktop" ] || fail "no desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/veltrum32.svg" ] || fail "no icon"
[ -f "$prefix/share/doc/veltrum32/guide.html" ] || fail "no user guide"
# XDG_DATA_HOME moves the user's folder; a machine the user changed there is kept.
export XDG_DATA_HOME="$work/data"
"$prefix/bin/veltrum32" --nc "$prefix/share/veltrum32/examples/part.dxf" --contour --machine linuxcnc_mill >"$work/part.ngc" \
    || fail "--contour on the installed DXF part"
grep -q "g41\|g3 " "$work/part.ngc" || fail "the part's program has no contour"
"$prefix/bin/veltrum32" --convert "$prefix/share/veltrum32/examples/plate.vgm" "$work/plate.rit" || fail "--convert"
[ -f "$XDG_DATA_HOME/veltrum32/POST/linuxcnc_mill.vtp" ] || fail "XDG_DATA_HOME was not used"
echo "; changed" >>"$XDG_DATA_HOME/veltrum32/POST/linuxcnc_mill.vtp"
"$prefix/bin/veltrum32" --nc "$prefix/share/veltrum32/examples/plate.vgm" --machine linuxcnc_mill >/dev/null || fail "second start"
grep -q "; changed" "$XDG_DATA_HOME/veltrum32/POST/linuxcnc_mill.vtp" || fail "the user's machine was replaced"
echo "install test: ok"
