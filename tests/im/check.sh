#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# The numeric edit control under a real Japanese input method: Mozc in hiragana mode through
# ibus and through fcitx5, on a Japanese keyboard under Xvfb, typing into im_fields (four
# TRyNumEdits, A to D, that log each focus change and input method event with the field's state).
#   C: "1234" is composed as "１２３４", shown, and Return commits it: 1234, shown "1,234".
#   D: "-1.5" is composed as "−１．５" and committed as -1.5.
#   A, B: "78" composed in A, then a click on B and "9" Return there: A holds 78, B 9 (the
#         composition is committed once, to the field it was typed in).
# Pictures of the composition and of the results are left as im-IM-*.png in the working folder.
#
# Usage: check.sh IM_FIELDS [ibus|fcitx5]...   (both by default). Mozc refuses to run as root,
# so root runs the session as the system user zelkor-im (created when missing). Exit 77
# (skipped) only when a tool or an input method is not installed.
set -euo pipefail

user=zelkor-im
fail() { echo "im check${im:+ ($im)}: $*" >&2; exit 1; }
skip() { echo "im check skipped: $*" >&2; exit 77; }
# Polls the command until it succeeds, for up to 60 seconds (a loaded two-core machine is slow).
wait_for() {
    for _ in $(seq 600); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# --- Inside the session (the unprivileged user, its own D-Bus): one input method --------------
if [ "${1:-}" = --session ]; then
    im=$2 program=$3 run=$ZELKOR_IM_RUN log=$ZELKOR_IM_RUN/fields.log
    exec 2>&1 # what the session bus and the services it starts say goes to session.log
    # The server takes the first free display number and says which once it is ready.
    Xvfb -displayfd 3 -screen 0 400x260x24 -nolisten tcp -noreset 3>"$run/display" >"$run/xvfb.log" 2>&1 &
    wait_for test -s "$run/display" || fail "the X server (Xvfb) does not start: $(tail -n 3 "$run/xvfb.log")"
    export DISPLAY=:$(cat "$run/display")
    wait_for xdotool getmouselocation || fail "the X server (Xvfb) takes no client"
    # The layout takes effect on a server with a client connected (xdotool's poll above).
    setxkbmap -layout jp -model jp106 || fail "setxkbmap cannot set the Japanese layout"

    if [ "$im" = ibus ]; then
        # Mozc through ibus starts in direct input unless told to start in hiragana.
        mkdir -p "$XDG_CONFIG_HOME/mozc"
        printf 'engines { name: "mozc-jp" longname: "Mozc" layout: "default" rank: 80 }\nactive_on_launch: True\n' \
            >"$XDG_CONFIG_HOME/mozc/ibus_config.textproto"
        ibus-daemon --panel=disable --emoji-extension=disable --config=disable --cache=refresh \
            >"$run/im.log" 2>&1 &
        wait_for bash -c 'ibus address | grep -q ^unix' || fail "ibus-daemon does not start: $(tail -n 3 "$run/im.log")"
        IBUS_ADDRESS=$(ibus address) && export IBUS_ADDRESS QT_IM_MODULE=ibus
        # `ibus engine` reports a failure for Mozc's keyboard layout "default", with the engine set.
        wait_for bash -c 'ibus engine mozc-jp; [ "$(ibus engine)" = mozc-jp ]' ||
            fail "ibus has no mozc-jp engine: $(tail -n 3 "$run/im.log")"
    else
        mkdir -p "$XDG_CONFIG_HOME/fcitx5"
        printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=jp' 'DefaultIM=mozc' \
            '[Groups/0/Items/0]' 'Name=keyboard-jp' '[Groups/0/Items/1]' 'Name=mozc' \
            '[GroupOrder]' '0=Default' >"$XDG_CONFIG_HOME/fcitx5/profile"
        # Mozc on from the start rather than direct input.
        printf '[Behavior]\nActiveByDefault=True\n' >"$XDG_CONFIG_HOME/fcitx5/config"
        fcitx5 >"$run/im.log" 2>&1 &
        # Asked without D-Bus starting a second one.
        wait_for dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
            org.freedesktop.DBus.GetNameOwner string:org.fcitx.Fcitx5 ||
            fail "fcitx5 does not start: $(tail -n 3 "$run/im.log")"
        export QT_IM_MODULE=fcitx
    fi

    QT_QPA_PLATFORM=xcb "$program" >"$log" 2>"$run/fields.err" &
    wait_for grep -q '^[0-9.]* D at ' "$log" || fail "the program (im_fields) does not start: $(cat "$run/fields.err")"
    at() { sed -n "s/^[0-9.]* $1 at //p" "$log"; }
    # state FIELD: the field's state after its last event: text="…" display="…" preedit="…".
    state() { grep " $1 state " "$log" | tail -n 1 | cut -d' ' -f4-; }
    settled() { [ "$(state "$1")" = "$2" ]; }
    shot() { import -window root "im-$im-$1.png"; }

    xdotool mousemove $(at C) click 1
    wait_for grep -q ' C focus-in ' "$log" || fail "the program took no focus"
    # Attached: ibus sends the field an empty composition, fcitx5 has the program's context active.
    if [ "$im" = ibus ]; then
        wait_for grep -q ' C im ' "$log"
    else
        wait_for bash -c '[ "$(fcitx5-remote)" = 2 ]'
    fi || fail "the input method did not attach to the program: $(cat "$run/fields.err")"
    shot empty
    xdotool type --delay 100 1234
    wait_for settled C 'text="" display="" preedit="１２３４"' ||
        fail "typing 1234 composed no \"１２３４\" (C: $(state C)); the input method log: $(tail -n 5 "$run/im.log")"
    shot composing
    [ "$(compare -metric AE "im-$im-empty.png" "im-$im-composing.png" null: 2>&1 || true)" != 0 ] ||
        fail "the composition is not drawn"
    xdotool key Return
    wait_for settled C 'text="1234" display="1,234" preedit=""' || fail "Return after 1234: C holds $(state C)"
    shot committed

    xdotool mousemove $(at D) click 1 && wait_for grep -q ' D focus-in ' "$log" || fail "a click on D"
    xdotool type --delay 100 -- -1.5
    wait_for settled D 'text="" display="" preedit="−１．５"' || fail "-1.5 in D: $(state D)"
    xdotool key Return
    wait_for settled D 'text="-1.5" display="-1.5" preedit=""' || fail "Return after -1.5: D holds $(state D)"

    # A composition left by a click on another field.
    xdotool mousemove $(at A) click 1 && wait_for grep -q ' A focus-in ' "$log" || fail "a click on A"
    xdotool type --delay 100 78
    wait_for settled A 'text="" display="" preedit="７８"' || fail "78 in A: $(state A)"
    before=$(wc -l <"$log")
    xdotool mousemove $(at B) click 1 && wait_for grep -q ' B focus-in ' "$log" || fail "a click on B"
    xdotool type --delay 100 9 && xdotool key Return
    wait_for grep -q ' B im preedit="" commit="９"' "$log" || fail "9 Return in B: $(state B)"
    shot focus
    echo "im check ($im): a click on B while \"７８\" is composed in A (milliseconds, field, event):"
    tail -n +$((before + 1)) "$log" | grep -v ' state ' | sed 's/^/    /'
    settled A 'text="78" display="78" preedit=""' && settled B 'text="9" display="9" preedit=""' ||
        fail "after composing 78 in A and clicking B: A holds $(state A), B $(state B)"

    ! grep -E 'runtime error|Sanitizer' "$run/fields.err" || fail "the program reported an error"
    echo "im check ($im): passed"
    exit 0
fi

# --- Outside: one private session per input method ----------------------------------------------
program=${1:?usage: check.sh IM_FIELDS [ibus|fcitx5]...}
shift
ims=("$@")
[ $# -gt 0 ] || ims=(ibus fcitx5)
for tool in Xvfb xdotool setxkbmap import compare dbus-run-session qtpaths6; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforminputcontexts
for im in "${ims[@]}"; do
    case $im in
        ibus) needs=(ibus-daemon /usr/lib/ibus-mozc/ibus-engine-mozc "$plugins/libibusplatforminputcontextplugin.so") ;;
        fcitx5) needs=(fcitx5 fcitx5-remote /usr/share/fcitx5/addon/mozc.conf "$plugins/libfcitx5platforminputcontextplugin.so") ;;
        *) fail "no such input method: $im" ;;
    esac
    for need in "${needs[@]}"; do
        command -v "$need" >/dev/null || [ -e "$need" ] || skip "$need is not installed ($im)"
    done
done
im=

tmp=$(mktemp -d)
# Ends every process of a run, found by the variable they all inherit (Mozc's server and the
# services D-Bus starts leave the process tree), and waits until they are gone.
end_run() {
    local marked
    for _ in $(seq 50); do
        marked=$(grep -lsxzF "ZELKOR_IM_RUN=$1" /proc/[0-9]*/environ | cut -d/ -f3 | grep -vx "$$" || true)
        [ -n "$marked" ] || return 0
        kill $marked 2>/dev/null || true
        sleep 0.1
    done
}
cleanup() { for d in "$tmp"/run-*; do [ -d "$d" ] && end_run "$d"; done; rm -rf "$tmp"; }
trap cleanup EXIT
chmod 755 "$tmp"
script=$(realpath "$0")
as_user=()
if [ "$(id -u)" = 0 ]; then
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    as_user=(runuser -u "$user" --)
    # Where the user cannot reach the build, it runs copies: the program, its libraries from
    # the build and this script.
    if ! runuser -u "$user" -- test -x "$program" -a -r "$script"; then
        mkdir "$tmp/bin"
        cp "$script" "$program" $(ldd "$program" | awk '$3 ~ /^\// && $3 !~ /^\/(usr\/)?lib/ {print $3}') "$tmp/bin"
        chmod -R a+rX "$tmp/bin"
        script=$tmp/bin/$(basename "$script") program=$tmp/bin/$(basename "$program")
        export LD_LIBRARY_PATH=$tmp/bin
    fi
fi
rc=0
for im in "${ims[@]}"; do
    run=$tmp/run-$im
    mkdir -m 700 "$run" "$run/home" "$run/runtime"
    [ ${#as_user[@]} -eq 0 ] || chown -R "$user:" "$run"
    (cd "$run" && "${as_user[@]}" env ZELKOR_IM_RUN="$run" HOME="$run/home" \
        XDG_CONFIG_HOME="$run/home/.config" XDG_CACHE_HOME="$run/home/.cache" \
        XDG_RUNTIME_DIR="$run/runtime" dbus-run-session -- "$script" --session "$im" "$program" \
        2>"$run/session.log") || { rc=1 && for f in "$run"/*.log; do cp "$f" "im-$im-$(basename "$f")"; done; }
    end_run "$run"
    cp "$run"/im-*.png . 2>/dev/null || true
done
exit $rc
