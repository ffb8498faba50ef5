#!/usr/bin/env bash
# Installs build/dosarium_*.deb on a freshly bootstrapped Debian 12, starts the program, purges the
# package and checks that nothing of it is left. Needs root, debootstrap and the network; slow.
#
# Usage: packaging/test-clean-install.sh [BASE_FOLDER]
#   BASE_FOLDER   the bootstrapped system, made on the first run and kept for the next ones
#                 (default /tmp/dosarium-clean-root); each run works on a throw-away copy of it.
# Environment:
#   DOSARIUM_DEB         the package to test (default: the newest build/dosarium_*.deb)
#   DOSARIUM_MIRROR      Debian mirror (default http://deb.debian.org/debian)
#   DOSARIUM_RECOMMENDS  1 to let apt install recommended packages too (default: declared
#                        dependencies only, the stricter test)
#   DOSARIUM_RUN_SECONDS how long the program must stay up at each start (default 5)
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
base=${1:-/tmp/dosarium-clean-root}
mirror=${DOSARIUM_MIRROR:-http://deb.debian.org/debian}
run_seconds=${DOSARIUM_RUN_SECONDS:-5}
work=$base.run.$$
log=$work.log
results=()
failed=0

say() { printf '\n=== %s\n' "$*"; }
pass() { results+=("PASS  $1"); }
fail() {
    results+=("FAIL  $1")
    failed=1
}
# check DESCRIPTION COMMAND...: runs COMMAND on the host and records the outcome.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}
# Runs a command inside the throw-away system with a clean environment.
in_root() {
    env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive chroot "$work" "$@"
}
# shellcheck disable=SC2016 # the format is dpkg-query's, not the shell's
installed_packages() { in_root dpkg-query -W -f='${Package}\n' | sort; }
apt_in_root() { in_root apt-get -y -q -o Dpkg::Use-Pty=0 "$@" >>"$log" 2>&1; }

summary() {
    say "Summary"
    printf '%s\n' "${results[@]}"
    if [ "$failed" -eq 0 ]; then
        echo "PASS: the package installs, starts and purges cleanly"
    else
        echo "FAIL: see the lines above and $log"
    fi
}

# A /dev of its own: the few nodes a program needs, and nothing of the host's devices.
mount_system() {
    mount -t proc proc "$work/proc"
    mount -t tmpfs -o mode=755,nosuid dosarium-dev "$work/dev"
    local name major minor
    while read -r name major minor; do
        mknod -m 666 "$work/dev/$name" c "$major" "$minor"
    done <<<$'null 1 3\nzero 1 5\nfull 1 7\nrandom 1 8\nurandom 1 9\ntty 5 0'
    mkdir "$work/dev/pts" "$work/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=666 devpts "$work/dev/pts"
    ln -s pts/ptmx "$work/dev/ptmx"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$work/dev/shm"
}

# Unmounts everything under the copy, deepest first, and only then deletes it.
# shellcheck disable=SC2317 # run by the EXIT trap
clean_up() {
    local mounts
    mounts=$(findmnt -rn -o TARGET | grep -F "$work/" | sort -r)
    if [ -n "$mounts" ]; then
        while read -r target; do
            umount "$target" || umount -l "$target"
        done <<<"$mounts"
    fi
    if findmnt -rn -o TARGET | grep -qF "$work/"; then
        echo "Still mounted under $work: not deleting it" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}

bootstrap_base() {
    # debootstrap leaves its own folder behind until it has finished.
    if [ -x "$base/usr/bin/apt-get" ] && [ ! -e "$base/debootstrap" ]; then
        echo "Reusing $base"
        return 0
    fi
    rm -rf --one-file-system "$base"
    echo "Bootstrapping Debian 12 into $base"
    debootstrap --variant=minbase bookworm "$base" "$mirror" >>"$log" 2>&1
}

# start_check LABEL USER COMMAND...: starts the command in the throw-away system, checks it is still
# running after a few seconds and that it complained of no missing library or plug-in. The command
# is started through the words of the array `launcher`, if any; the shell command in PROBE, if set,
# runs while the program is up.
launcher=()
start_check() {
    local label=$1 user=$2
    shift 2
    local output=/tmp/start-${label//[^a-zA-Z0-9]/-}
    cat >"$work/tmp/start-check.sh" <<'EOF'
#!/bin/sh
# start-check.sh SECONDS OUTPUT COMMAND...
seconds=$1 output=$2
shift 2
"$@" >"$output.out" 2>"$output.err" &
pid=$!
sleep "$seconds"
if kill -0 "$pid" 2>/dev/null; then
    [ -n "${PROBE:-}" ] && sh -c "$PROBE"
    kill "$pid"
    { wait "$pid"; } 2>/dev/null
    echo "still running after $seconds s" >"$output.state"
else
    wait "$pid"
    echo "ended by itself with status $?" >"$output.state"
    exit 1
fi
EOF
    chmod 755 "$work/tmp/start-check.sh"
    local alive=0
    if [ "$user" = root ]; then
        in_root env QT_DEBUG_PLUGINS=1 PROBE="${PROBE:-}" "${launcher[@]}" \
            /tmp/start-check.sh "$run_seconds" "$output" "$@" || alive=1
    else
        env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/home/"$user" LANG=C.UTF-8 \
            chroot --userspec="$user:$user" "$work" \
            env PATH=/usr/bin:/bin QT_DEBUG_PLUGINS=1 "${launcher[@]}" \
            /tmp/start-check.sh "$run_seconds" "$output" "$@" || alive=1
    fi
    echo "$label: $(cat "$work$output.state" 2>/dev/null)"
    cat "$work$output.err" >>"$log" 2>/dev/null
    if [ "$alive" -eq 0 ]; then
        pass "$label starts and keeps running"
    else
        fail "$label starts and keeps running ($(cat "$work$output.state" 2>/dev/null))"
    fi
    local problems
    # Qt's X11 plug-in probes libXcursor for themed cursors and draws the core X cursors without
    # it; a desktop that has a cursor theme has the library too.
    problems=$(grep -E -i 'could not (load|find) the qt platform plugin|no qt platform plugin|cannot load library|error while loading shared libraries|cannot open shared object|undefined symbol|fontconfig error|cannot find font directory|qt\.svg|failed to start' \
        "$work$output.err" 2>/dev/null | grep -v 'Cannot load library Xcursor:')
    if [ -z "$problems" ]; then
        pass "$label reports no missing library, plug-in or font"
    else
        printf '%s\n' "$problems"
        fail "$label reports no missing library, plug-in or font"
    fi
}

# Every file and link the package ships, as absolute paths.
package_files() { dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' | grep -v '^/\?$'; }

# The package's paths still on the system that it did not find there. With `shared`, a folder that
# a package still installed owns too is not counted: a dependency may have brought it.
left_behind() {
    local path
    package_files | while read -r path; do
        if [ ! -e "$work$path" ] && [ ! -L "$work$path" ]; then
            continue
        fi
        grep -qxF "$path" "$work/tmp/paths-before" && continue
        if [ "${1:-}" = shared ] && [ -d "$work$path" ] && [ ! -L "$work$path" ] &&
            chroot "$work" dpkg-query -S "$path" >/dev/null 2>&1; then
            continue
        fi
        echo "$path"
    done
}

if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root: it bootstraps a system and changes root into it." >&2
    exit 2
fi
if ! command -v debootstrap >/dev/null; then
    echo "debootstrap is missing: apt-get install debootstrap" >&2
    exit 2
fi
deb=${DOSARIUM_DEB:-$(ls -t "$here"/build/dosarium_*.deb 2>/dev/null | head -n 1)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "No package to test: run scripts/package.sh first." >&2
    exit 2
fi
trap clean_up EXIT
: >"$log"
started=$(date +%s)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
echo "Log: $log"

say "Base system"
if ! bootstrap_base; then
    fail "debootstrap of bookworm"
    summary
    exit 1
fi
echo "Copying it to $work"
cp -a "$base" "$work"
cp /etc/resolv.conf "$work/etc/resolv.conf"
cat >"$work/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
mount_system
if ! apt_in_root update || ! apt_in_root dist-upgrade; then
    tail -n 30 "$log"
    fail "apt-get update and dist-upgrade of the base system"
    summary
    exit 1
fi
installed_packages >"$work/tmp/packages-before"

say "Install"
# What of the package's paths the system already had, such as /usr/bin: those stay after the purge.
package_files | while read -r path; do
    if [ -e "$work$path" ] || [ -L "$work$path" ]; then echo "$path"; fi
done >"$work/tmp/paths-before"
cp "$deb" "$work/tmp/"
recommends=--no-install-recommends
[ "${DOSARIUM_RECOMMENDS:-0}" = 1 ] && recommends=
install_started=$(date +%s)
# shellcheck disable=SC2086
if apt_in_root install $recommends "/tmp/$(basename "$deb")"; then
    pass "apt-get install of the package ($(($(date +%s) - install_started)) s)"
else
    tail -n 30 "$log"
    fail "apt-get install of the package"
    summary
    exit 1
fi
added=$(comm -13 "$work/tmp/packages-before" <(installed_packages) | wc -l)
echo "Packages added with it: $added; installed size: $(du -sh "$work/opt/dosarium" | cut -f1)"

say "Installed files"
for command in dosarium dosarium-exercices; do
    target=$(in_root readlink -f "/usr/bin/$command")
    echo "/usr/bin/$command -> $target"
    check "/usr/bin/$command resolves into /opt/dosarium" \
        test "$target" = "/opt/dosarium/$command" -a -x "$work$target"
done
for file in HX4.chm Voirlecours.chm; do
    check "$file beside the program" test -s "$work/opt/dosarium/$file"
done
for pattern in '*.E12' '*.C05' '*.rtf'; do
    count=$(find "$work/opt/dosarium" -maxdepth 1 -name "$pattern" | wc -l)
    echo "$pattern beside the program: $count"
    check "shipped $pattern files beside the program" test "$count" -gt 0
done
# Every exercise sheet comes with its statement.
missing=0
for sheet in "$work"/opt/dosarium/*.E12; do
    [ -s "${sheet%.E12}-enonce.rtf" ] || {
        echo "No statement for $(basename "$sheet")"
        missing=1
    }
done
check "every exercise sheet has its statement" test "$missing" -eq 0
unresolved=$(in_root sh -c 'ldd /opt/dosarium/dosarium /opt/dosarium/dosarium-exercices' |
    grep 'not found')
[ -n "$unresolved" ] && echo "$unresolved"
check "every shared library of the programs is found" test -z "$unresolved"

say "Desktop entry, icons, metadata"
desktop=/usr/share/applications/org.dosarium.Dosarium.desktop
metainfo=/usr/share/metainfo/org.dosarium.Dosarium.metainfo.xml
check "desktop entry installed" test -s "$work$desktop"
check "AppStream metadata installed" test -s "$work$metainfo"
icon=$(sed -n 's/^Icon=//p' "$work$desktop")
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$work$desktop")
check "desktop entry runs a command on the PATH" in_root sh -c "command -v '$exec_command'" >/dev/null
check "desktop entry's icon installed in hicolor (PNG and SVG)" \
    test -s "$work/usr/share/icons/hicolor/48x48/apps/$icon.png" \
    -a -s "$work/usr/share/icons/hicolor/scalable/apps/$icon.svg"
if apt_in_root install --no-install-recommends desktop-file-utils appstream; then
    check "desktop-file-validate" in_root desktop-file-validate "$desktop"
    check "appstreamcli validate" in_root appstreamcli validate --no-net "$metainfo"
    apt_in_root purge desktop-file-utils appstream
    apt_in_root autoremove --purge
else
    fail "installing desktop-file-utils and appstream for the checks"
fi

say "Exercise tool"
cp -a "$here/exercises-data/01-glucose-dissolution" "$work/tmp/"
mkdir -p "$work/tmp/exercise-out"
if in_root dosarium-exercices --sortie /tmp/exercise-out /tmp/01-glucose-dissolution >>"$log" 2>&1; then
    check "dosarium-exercices rebuilds a shipped exercise byte for byte" \
        cmp "$work/tmp/exercise-out/01-glucose-dissolution.E12" \
        "$work/opt/dosarium/01-glucose-dissolution.E12"
else
    fail "dosarium-exercices runs"
fi

say "Start"
start_check "dosarium (offscreen, root)" root env QT_QPA_PLATFORM=offscreen dosarium
check "the program wrote its marker file into its folder" test -f "$work/opt/dosarium/TEMPO.SPC"
in_root useradd --create-home eleve
start_check "dosarium (offscreen, unprivileged user)" eleve env QT_QPA_PLATFORM=offscreen dosarium
if apt_in_root install --no-install-recommends xvfb xauth x11-utils; then
    launcher=(xvfb-run -a -s "-screen 0 1280x1024x24")
    PROBE="xwininfo -root -tree >/tmp/windows" start_check "dosarium (Xvfb)" root dosarium
    launcher=()
    if grep -q '"Dosarium"' "$work/tmp/windows" 2>/dev/null; then
        pass "the workbench window is shown on the X server"
    else
        fail "the workbench window is shown on the X server"
    fi
    apt_in_root purge xvfb xauth x11-utils
    apt_in_root autoremove --purge
else
    fail "installing xvfb for the X start"
fi

say "Remove, reinstall, purge"
# Removing is what users are told to do: the program's folder, marker file included, goes then.
if apt_in_root remove dosarium; then pass "apt-get remove dosarium"; else fail "apt-get remove dosarium"; fi
check "/opt/dosarium removed with the package" test ! -e "$work/opt/dosarium"
# shellcheck disable=SC2086
if apt_in_root install $recommends "/tmp/$(basename "$deb")"; then
    pass "apt-get install of the package again"
else
    fail "apt-get install of the package again"
fi
start_check "dosarium (offscreen, reinstalled)" root env QT_QPA_PLATFORM=offscreen dosarium
check "the marker file is back before the purge" test -f "$work/opt/dosarium/TEMPO.SPC"
if apt_in_root purge dosarium; then pass "apt-get purge dosarium"; else fail "apt-get purge dosarium"; fi
check "/opt/dosarium removed" test ! -e "$work/opt/dosarium"
check "dpkg no longer knows the package" \
    sh -c "! chroot '$work' dpkg-query -W -f='\${Status}' dosarium 2>/dev/null | grep -q ."
left=$(left_behind shared)
[ -n "$left" ] && printf 'Left behind:\n%s\n' "$left"
check "nothing the package shipped is left" test -z "$left"
if apt_in_root autoremove --purge; then pass "apt-get autoremove"; else fail "apt-get autoremove"; fi
left=$(left_behind)
[ -n "$left" ] && printf 'Left behind after the autoremove:\n%s\n' "$left"
check "nothing the package shipped is left after the autoremove" test -z "$left"
remaining=$(comm -3 "$work/tmp/packages-before" <(installed_packages))
[ -n "$remaining" ] && printf 'Packages differing from the base system:\n%s\n' "$remaining"
check "the system is back to its base packages" test -z "$remaining"

echo
echo "Time: $(($(date +%s) - started)) s"
summary
exit "$failed"
