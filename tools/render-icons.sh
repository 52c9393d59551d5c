#!/bin/sh
# Renders the icon sources resources/Icon/<group>/*.svg to the PNG files that the style sheets
# and resources/icons.qrc name. The PNGs are committed, so building never needs this tool; run it
# after changing an SVG and commit both.
#
# Needs rsvg-convert, from the Debian package librsvg2-bin (apt-get install librsvg2-bin).
#
# Every source is drawn in the normal palette. The armed ("-select") or switched-on form is the
# same drawing with the palette swapped: white drawing and yellow measurement on a strong blue
# square instead of dark drawing and blue measurement on a white square.
set -eu

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-icons: rsvg-convert not found; install it with: apt-get install librsvg2-bin" >&2
    exit 1
}
cd "$(dirname "$0")/../resources/Icon"

#        background       border           drawing          construction     measurement
ARMED='s/#FAFBFC/#1565C0/g; s/#8A96A3/#0D47A1/g; s/#263238/#FFFFFF/g; s/#78848F/#BBDEFB/g; s/#0B6BCB/#FFD54F/g'

# render SOURCE.svg TARGET.png SIZE [armed]
render() {
    if [ "${4:-}" = armed ]; then
        sed "$ARMED" "$1" | rsvg-convert -w "$3" -h "$3" -o "$2"
    else
        rsvg-convert -w "$3" -h "$3" -o "$2" "$1"
    fi
    echo "$2"
}

# Tool buttons (32 x 32 on the panel): normal and armed form.
for name in line horizontalline verticalline paraline customparaline point2line angle rect \
            polygon dualparaline radian circle point2circle line2circle circle2circle concentric \
            paraline2paraline circlefit circlefind edgeline; do
    render main/$name.svg main/$name.png 64
    render main/$name.svg main/$name-select.png 64 armed
done
# The cross hair toggle has two drawings and no armed form.
render main/crossline.svg main/crossline.png 64
render main/crossline-hide.svg main/crossline-hide.png 64

# Assist buttons (32 x 32): normal form and the form shown while the action runs.
for name in save capture configuration delect font folder statistics; do
    render assist/$name.svg assist/$name.png 64
    render assist/$name.svg assist/$name-select.png 64 armed
done
render assist/freeze.svg assist/freeze-off.png 64
render assist/freeze.svg assist/freeze-on.png 64 armed
render assist/target-manual.svg assist/target-manual.png 64
render assist/target-auto.svg assist/target-auto.png 64 armed
# Undo and redo: normal form, and the greyed form shown while there is nothing to take back.
OFF='s/#263238/#B0BEC5/g; s/#0B6BCB/#B0BEC5/g; s/#8A96A3/#CFD8DC/g'
for name in undo redo; do
    render assist/$name.svg assist/$name.png 64
    sed "$OFF" assist/$name.svg | rsvg-convert -w 64 -h 64 -o assist/$name-off.png
    echo assist/$name-off.png
done

# Plain glyphs on a transparent ground, for widgets that draw their own frame.
render assist/pin.svg assist/pin.png 32                        # 16 x 16 button
render assist/unpin.svg assist/unpin.png 32
render assist/close.svg assist/close.png 16                    # icon shown at its pixmap size
for name in ruler-line ruler-circle brightness contrast line-horizontal line-vertical; do
    render assist/$name.svg assist/$name.png 64
done

# Image viewer and zoom group (48 x 48 buttons): dark drawing with a white halo, readable over
# both the photo and the dark hover gradient.
for name in zoom-in zoom-out zoom-fix zoom-original navigation-left navigation-right \
            rotate-ccw rotate-cw delete measure; do
    render imageviewer/$name.svg imageviewer/$name.png 96
done
