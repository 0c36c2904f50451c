#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a host would meet it:
# unpacked into a scratch root, the programs answer, the console starts offscreen and keeps its
# files in the user's own folder; the desktop entries, the metainfo, the manual pages and
# lintian find no error. Every check runs; the failures are listed at the end.
set -uo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD-FOLDER}" && pwd)
scratch=$(mktemp -d)
pid=""
bridge=""
room=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$bridge" ] && kill "$bridge" 2>/dev/null
      [ -n "$room" ] && kill "$room" 2>/dev/null; rm -rf "$scratch"' EXIT
failures=()
check() { # check WHAT COMMAND...: runs the command, noting WHAT when it fails
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else failures+=("$what"); echo "FAILED: $what"; fi
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log"; then
    cat "$scratch/cpack.log"
    exit 1
fi
deb=$(ls "$scratch"/out/quillo_*_"$(dpkg --print-architecture)".deb)
echo "built $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
check "section games" test "$(dpkg-deb -f "$deb" Section)" = games
check "depends on the Qt widgets library" grep -q 'libqt6widgets6' <<<"$depends"
check "depends on no server or test tool" \
    bash -c '! grep -Eq "ngircd|inspircd|xvfb|gtest|googletest|benchmark|lintian" <<<"$1"' _ "$depends"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/games
check "quillo --version" grep -qx 'quillo (Quillo Console) [0-9.]*' <<<"$("$bin/quillo" --version)"
check "quillo-room --version" grep -qx 'quillo-room (Quillo Console) [0-9.]*' \
    <<<"$("$bin/quillo-room" --version)"
check "quillo-irc --help" bash -c '"$1" --help | grep -q "quillo-irc"' _ "$bin/quillo-irc"

# The installed console in a fresh account: no QUILLO_HOME, its own HOME.
home=$scratch/home
mkdir -p "$home"
env -u QUILLO_HOME -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$bin/quillo" >"$scratch/console.log" 2>&1 &
pid=$!
# It catches SIGTERM once it runs with its window up: wait for that, then stop it as a logout would.
catches_term() {
    local mask
    mask=$(sed -n 's/^SigCgt:\s*//p' "/proc/$pid/status" 2>/dev/null) || return 1
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}
for _ in $(seq 300); do catches_term && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "the installed console starts" catches_term
kill -TERM "$pid" 2>/dev/null
wait "$pid"
pid=""
check "its settings land in the user's folder" test -f "$home/.local/share/quillo/quillo.ini"
check "and nowhere beside the program" bash -c '! ls "$1"/*.ini 2>/dev/null' _ "$bin"
[ -f "$home/.local/share/quillo/quillo.ini" ] || cat "$scratch/console.log"

# "quillo --irc" starts the bridge installed beside it (no server needed: it keeps trying).
runtime=$scratch/run
mkdir -m 700 "$runtime"
env -u QUILLO_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen "$bin/quillo" --irc 'irc://127.0.0.1:9/#quillo' --nick Host \
    >"$scratch/irc.log" 2>&1 &
pid=$!
find_bridge() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        if [ "$(readlink "$exe" 2>/dev/null)" = "$bin/quillo-irc" ]; then
            bridge=$(basename "$(dirname "$exe")")
            return 0
        fi
    done
    return 1
}
for _ in $(seq 300); do find_bridge && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "quillo --irc starts the bridge beside it" test -n "$bridge"
kill -TERM "$pid" 2>/dev/null
wait "$pid"
pid=""
if [ -n "$bridge" ]; then kill -TERM "$bridge"; bridge=""; else cat "$scratch/irc.log"; fi

# A chat client behind a socket is reached through the socket client module installed with it.
sock=$runtime/room.sock
"$bin/quillo-room" --headless --socket "$sock" >"$scratch/room.log" 2>&1 &
room=$!
for _ in $(seq 300); do [ -S "$sock" ] && break; kill -0 "$room" 2>/dev/null || break; sleep 0.1; done
env -u QUILLO_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen "$bin/quillo" --chat-client "$sock" >"$scratch/client.log" 2>&1 &
pid=$!
for _ in $(seq 300); do catches_term && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "the installed console reaches a client's socket" catches_term
catches_term || cat "$scratch/client.log"
kill -TERM "$pid" 2>/dev/null
wait "$pid"
pid=""
kill -TERM "$room"
wait "$room"
room=""

check "desktop-file-validate" desktop-file-validate "$root"/usr/share/applications/*.desktop
for entry in "$root"/usr/share/applications/*.desktop; do
    command=$(sed -n 's/^Exec=//p' "$entry")
    check "$(basename "$entry") starts $command" test -x "$root$command"
done
check "appstreamcli validate" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
for page in "$root"/usr/share/man/man6/*.6.gz; do
    check "man $(basename "$page")" bash -c \
        'out=$(LC_ALL=C.UTF-8 MANROFFSEQ="" MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null) && [ -z "$out" ] || { echo "$out"; false; }' \
        _ "$page"
done
check "lintian finds no error" lintian --fail-on error "$deb"

if [ ${#failures[@]} -gt 0 ]; then
    printf 'check-package: failed: %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "check-package: the package installs and runs"
