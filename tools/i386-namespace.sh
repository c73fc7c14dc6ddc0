#!/usr/bin/env bash
# Runs a command with 32-bit x86 programs handed to a user-mode emulator, for
# machines whose kernel does not execute them. The hand-over is a binfmt_misc
# entry in a private user and mount namespace (Linux 6.7 and later give such a
# namespace a binfmt_misc instance of its own), so nothing outside this command
# sees it and nothing is installed. Flag F opens the emulator now, so the entry
# works wherever the command later looks.
# Usage: i386-namespace.sh EMULATOR COMMAND [ARGS...]
# Runs itself again inside the namespace with KELGUI_IN_I386_NAMESPACE set.
set -euo pipefail
emulator=$1
shift
if [[ -z ${KELGUI_IN_I386_NAMESPACE:-} ]]; then
  KELGUI_IN_I386_NAMESPACE=1 exec unshare --user --map-root-user --mount \
    bash "${BASH_SOURCE[0]}" "$emulator" "$@"
fi
misc=/proc/sys/fs/binfmt_misc
mount -t binfmt_misc binfmt_misc "$misc"
# ELF, 32-bit, little-endian, executable or shared object, machine 3 (i386).
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
printf ':kelgui-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$emulator" >"$misc/register"
unset KELGUI_IN_I386_NAMESPACE
exec "$@"
