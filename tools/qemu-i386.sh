#!/usr/bin/env bash
# Prints the path of a user-mode i386 emulator that runs 32-bit Wine: version 8
# or later (older ones ignore MAP_FIXED_NOREPLACE, and Wine stops with "failed to
# map the shared user data"). Takes the system's when it is new enough, else a
# copy kept in DIR, else fetches the qemu-user package of the distribution's
# backports suite into DIR with a private package list (the archive's address
# comes from the machine's own apt sources; nothing is added to the system's
# sources and nothing is installed) and keeps only its static qemu-i386.
# On failure says why on stderr and exits 1.
# Usage: qemu-i386.sh DIR
set -euo pipefail
dir=$1

new_enough() { # emulator
  local version
  version=$("$1" --version 2>/dev/null | sed -n '1s/.*version \([0-9]*\)\..*/\1/p')
  [[ -n $version && $version -ge 8 ]]
}

for candidate in "$(command -v qemu-i386-static || true)" "$(command -v qemu-i386 || true)" \
  "$dir/qemu-i386"; do
  if [[ -n $candidate && -x $candidate ]] && new_enough "$candidate"; then
    echo "$candidate"
    exit 0
  fi
done

fail() {
  echo "qemu-i386: $1" >&2
  exit 1
}
# shellcheck disable=SC1091
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[[ -n $codename ]] || fail "no distribution code name in /etc/os-release"
# The distribution's main archive and its key, from the machine's own sources
# (deb822 files first, then one-line entries).
archive= keyring=
for sources in /etc/apt/sources.list.d/*.sources; do
  [[ -f $sources ]] || continue
  archive=$(awk -v suite="$codename" '
    /^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite) hit = 1 }
    /^Signed-By:/ { key = $2 }
    /^$/ { if (hit && uri) { print uri " " key; exit } uri = ""; key = ""; hit = 0 }
    END { if (hit && uri) print uri " " key }' "$sources")
  [[ -n $archive ]] && break
done
if [[ -z $archive ]]; then
  archive=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk -v suite="$codename" '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i == suite) { print $(i - 1); exit } }')
fi
[[ -n $archive ]] || fail "no archive for $codename in the apt sources"
read -r uri keyring <<<"$archive"
[[ -n $keyring ]] || keyring=/usr/share/keyrings/debian-archive-keyring.gpg

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$dir"
echo "deb [signed-by=$keyring] $uri $codename-backports main" >"$work/sources.list"
apt_options=(-q -o "Dir::Etc::sourcelist=$work/sources.list" -o Dir::Etc::sourceparts=-
  -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update >"$work/log" 2>&1 || fail "the backports list did not load: $(tail -1 "$work/log")"
(cd "$work" && apt-get "${apt_options[@]}" download qemu-user >>"$work/log" 2>&1) ||
  fail "qemu-user could not be fetched from $codename-backports: $(tail -1 "$work/log")"
dpkg-deb --fsys-tarfile "$work"/qemu-user_*.deb | tar -x -C "$work" ./usr/bin/qemu-i386 ||
  fail "the qemu-user package has no qemu-i386"
install -m 755 "$work/usr/bin/qemu-i386" "$dir/qemu-i386"
new_enough "$dir/qemu-i386" || fail "$codename-backports has no qemu-i386 8 or later"
echo "qemu-i386: fetched $("$dir/qemu-i386" --version | head -1) into $dir" >&2
echo "$dir/qemu-i386"
