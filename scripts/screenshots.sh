#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the main window for docs/screenshots: at its minimum size and
# maximised, options panel hidden and shown, in French; at twice the scale,
# and with a dark palette (through qt6ct's "darker" colours). The program runs from
# a copy in a temporary folder (its settings live beside it), under a virtual
# X server with a window manager, so that the frames are real.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/docs/screenshots"

if [ "${1:-}" != --inside ]; then
    source "$root/scripts/deps.sh"
    tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" xvfb xauth openbox imagemagick xdotool \
        qt6ct
    (cd "$root" && cmake --preset dev >/dev/null && cmake --build --preset dev --target tervane -j"$(nproc)")
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" --inside
fi

# A fixed place, so that the folder shown in the pictures stays the same.
work="${TMPDIR:-/tmp}/tervane-demo"
rm -rf "$work" && mkdir -p "$work"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
cp "$root/build/src/tervane" "$root"/languages/*.lng "$work/"
mkdir -p "$work/Musique/Album" "$out"
for track in "01 - Ouverture" "02 - Le Grand Départ" "03 - Sur la route" "04 - Interlude" \
    "05 - La Ville la nuit" "06 - Retour" "07 - Final (version longue)"; do
    : >"$work/Musique/Album/$track.mp3"
done
export HOME="$work"
mkdir -p "$work/.config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$work/.config/qt6ct/qt6ct.conf"
openbox >/dev/null 2>&1 &
sleep 1

# The first window whose title starts as given, once it shows.
window_named() {
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --name "^$1" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "screenshots: no window \"$1\" appeared" >&2; exit 1; }
    sleep 1
    echo "$window"
}

# shoot NAME STATE PANEL [LANGUAGE]: STATE 0 (normal, minimum size) or 2
# (maximised); the language is French unless named. SCALE and THEME, when
# set, become QT_SCALE_FACTOR and QT_QPA_PLATFORMTHEME.
shoot() {
    printf '[Config]\nLangue=%s\nFenêtreMémoriserTaille=-1\nFenêtreEtat=%s\nFenêtreLargeur=1\nFenêtreHauteur=1\n' \
        "${4:-Français}" "$2" >"$work/Tervane.ini"
    QT_SCALE_FACTOR="${SCALE:-1}" QT_QPA_PLATFORMTHEME="${THEME:-}" \
        "$work/tervane" "$work/Musique/Album" >/dev/null 2>&1 &
    local program=$! window
    window=$(window_named 'Tervane v')
    if [ "$3" = shown ]; then
        # The Options menu, then its last item but one: show the settings.
        xdotool windowactivate --sync "$window" key alt+o sleep 0.3 key Up Up Return
        sleep 1
    fi
    import -frame -window "$window" "$out/$1.png"
    xdotool windowactivate --sync "$window" key ctrl+q
    wait "$program"
    echo "$out/$1.png"
}

shoot minimum-panel-hidden 0 hidden
shoot minimum-panel-shown 0 shown
# The About box, opened with F1.
about() {
    printf '[Config]\nLangue=Français\n' >"$work/Tervane.ini"
    "$work/tervane" "$work/Musique/Album" >/dev/null 2>&1 &
    local program=$! window box
    window=$(window_named 'Tervane v')
    xdotool windowactivate --sync "$window" key F1
    box=$(window_named 'A propos de Tervane')
    import -frame -window "$box" "$out/about.png"
    xdotool windowactivate --sync "$box" key Escape
    sleep 0.5
    xdotool windowactivate --sync "$window" key ctrl+q
    wait "$program"
    echo "$out/about.png"
}

shoot maximised-panel-hidden 2 hidden
shoot maximised-panel-shown 2 shown
shoot english-panel-shown 0 shown English
shoot german-panel-shown 0 shown Deutsch
# A screen of 1600 by 1000 at twice the scale: too short for the whole panel,
# which scrolls.
SCALE=2 shoot scale-2-panel-shown 0 shown
THEME=qt6ct shoot dark-panel-shown 0 shown
about
