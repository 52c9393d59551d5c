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

# Every source in the icon folders is rendered, each at the size of the widget that shows it, so
# that it is decoded at that size and drawn pixel for pixel, never scaled while the panel paints.
# Which forms a source gives follows from the names resources/icons.qrc lists beside its own:
#   NAME-select.png  the armed form (tool and assist buttons)
#   NAME-off.png     the greyed form shown while the action has nothing to do (undo, redo)
#   NAME-on.png      a switch: NAME-off.png in the normal palette, NAME-on.png in the armed one
# so a new icon needs only its source and its lines in resources/icons.qrc.

# The WIDTHxHEIGHT in pixels at which an icon is shown, by its path without the extension.
shown() {
    case $1 in
        assist/pin | assist/unpin) echo 16x16 ;;                 # the panel's 16 x 16 pin button
        assist/close) echo 16x16 ;;                              # shown at its pixmap size
        assist/line-horizontal | assist/line-vertical) echo 48x28 ;; # reference-line pictures
        imageviewer/*) echo 48x48 ;;                             # viewer and zoom buttons
        *) echo 32x32 ;;                                         # tool and assist buttons
    esac
}

# The greyed palette of the form shown while there is nothing to take back or to do again.
OFF='s/#263238/#B0BEC5/g; s/#0B6BCB/#B0BEC5/g; s/#8A96A3/#CFD8DC/g'

# render SOURCE.svg TARGET.png WIDTHxHEIGHT [armed|off]
render() {
    case ${4:-normal} in
        armed) palette=$ARMED ;;
        off) palette=$OFF ;;
        *) palette= ;;
    esac
    sed "$palette" "$1" | rsvg-convert -w "${3%x*}" -h "${3#*x}" -o "$2"
    echo "$2"
}

# Whether resources/icons.qrc lists this PNG.
listed() {
    grep -q "<file>Icon/$1</file>" ../icons.qrc
}

for source in main/*.svg assist/*.svg imageviewer/*.svg; do
    icon=${source%.svg}
    size=$(shown "$icon")
    if listed "$icon-on.png"; then
        render "$source" "$icon-off.png" "$size"
        render "$source" "$icon-on.png" "$size" armed
        continue
    fi
    case $icon in
        # The automatic target is the manual one's drawing in the armed palette.
        assist/target-auto) render "$source" "$icon.png" "$size" armed ;;
        *) render "$source" "$icon.png" "$size" ;;
    esac
    if listed "$icon-select.png"; then
        render "$source" "$icon-select.png" "$size" armed
    fi
    if listed "$icon-off.png"; then
        render "$source" "$icon-off.png" "$size" off
    fi
done
