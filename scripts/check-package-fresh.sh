#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 system, the way a user does, and removes it
# again: a minimal bookworm root made with debootstrap in a temporary folder, then, inside it,
# "apt-get install ./kalvora_*.deb", a run of the installed programs, and "apt-get purge".
# Needs root, the package debootstrap and access to a Debian mirror; takes a few minutes and
# a few hundred megabytes in /tmp, removed at the end. The machine itself is not changed.
#
#   sudo bash scripts/check-package-fresh.sh [PACKAGE.deb]
#
# Without an argument it builds the package with scripts/package.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
mirror="${KALVORA_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

if [ "$(id -u)" -ne 0 ]; then
    echo "check-package-fresh: needs root (debootstrap and chroot)" >&2
    exit 1
fi
command -v debootstrap >/dev/null 2>&1 || {
    echo "check-package-fresh: needs debootstrap (apt-get install debootstrap)" >&2
    exit 1
}
deb="${1:-$(bash scripts/package.sh | tail -n 1)}"

root="$(mktemp -d /tmp/kalvora-fresh.XXXXXX)"
chmod 755 "$root" # apt's download user must be able to enter it
cleanup() {
    umount "$root/dev/pts" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

echo "== debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 || {
    tail -n 20 "$root.log"
    exit 1
}
rm -f "$root.log"
mount -t proc proc "$root/proc"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
cp "$deb" "$root/root/"

echo "== apt-get install ./$(basename "$deb")"
chroot "$root" /bin/bash -euo pipefail -c "
    export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
    apt-get update -qq
    cd /root && apt-get install -y -qq ./$(basename "$deb") >/dev/null
    echo '== installed programs'
    cd /tmp
    line=\"\$(kalvora-cli price '####################')\"
    printf '  %s\n' \"\$line\"
    case \"\$line\" in '####################'\$'\t'*) ;; *) echo 'FAIL: kalvora-cli price'; exit 1 ;; esac
    if [ -x /usr/bin/kalvora ]; then
        # The desktop program's libraries and Qt plugins are all there: it starts without a
        # display and is stopped after a few seconds.
        set +e
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp timeout 5 kalvora >/dev/null 2>&1
        status=\$?
        set -e
        if [ \$status -ne 0 ] && [ \$status -ne 124 ]; then echo \"FAIL: kalvora exits \$status\"; exit 1; fi
        echo '  kalvora starts'
    fi
    echo '== file type, icons'
    grep -q 'application/x-kalvora-configuration:\*\.klv' /usr/share/mime/globs2
    echo '  *.klv is application/x-kalvora-configuration'
    echo '== apt-get purge kalvora'
    apt-get purge -y -qq kalvora >/dev/null
    left=\"\$(find / -xdev -iname '*kalvora*' -not -path '/root/*' -not -path '/var/lib/dpkg/*' \
        -not -path '/var/cache/*' -not -path '/var/log/*' 2>/dev/null || true)\"
    if [ -n \"\$left\" ]; then echo \"FAIL: left after purge: \$left\"; exit 1; fi
    if grep -q kalvora /usr/share/mime/globs2; then echo 'FAIL: .klv still registered'; exit 1; fi
    echo '  nothing left'
"
echo "check-package-fresh: passed — $deb"
