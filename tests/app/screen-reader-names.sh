#!/usr/bin/env bash
# Runs screen-reader-names.py in a D-Bus session of its own, with a Python that has pyatspi.
# Exits 77 (skipped) with a message where the tools are missing; scripts/install-deps.sh
# installs them.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
skip() {
    echo "SKIP: $*"
    exit 77
}
[ $# -eq 2 ] || { echo "usage: $0 KALVORA KALVORA_CLI" >&2; exit 2; }
command -v dbus-run-session >/dev/null 2>&1 || skip "dbus-run-session is not installed (Debian package dbus-bin)"
command -v dbus-send >/dev/null 2>&1 || skip "dbus-send is not installed (Debian package dbus-bin)"
python=""
# Debian's pyatspi belongs to the system's Python, which another python3 on the PATH may hide.
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python="$candidate"
        break
    fi
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"
exec dbus-run-session -- "$python" "$here/screen-reader-names.py" "$1" "$2"
