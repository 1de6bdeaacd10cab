# Sourced by tools/check-fresh and tools/verify: a brand-new minimal Debian root
# of the suite in $suite (bookworm, Debian 12, unless the caller sets another;
# debootstrap --variant=minbase, plus git), made once in build/fresh/base-SUITE
# and copied afresh to build/fresh/root for every run; downloaded packages are
# kept in build/fresh/apt-archives-SUITE.
#
# The run takes a lock (one run at a time), then goes on in a mount and PID
# namespace of its own: the root's mounts are never seen by the host, and when
# the run ends, however it ends (SIGKILL included), every process in it is
# killed and its mounts go with it.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fresh=$repo/build/fresh
root=$fresh/root suite=bookworm

log() { printf '[%s] %s\n' "${0##*/}" "$*" >&2; }

[ "$(id -u)" -eq 0 ] || { log "run as root: debootstrap, mount and chroot need it"; exit 2; }

if [ -z "${VELMORA_FRESH_NAMESPACE:-}" ]; then
  mkdir -p "$fresh"
  exec 9>>"$fresh/lock"
  flock -n 9 || { log "another tools/verify or tools/check-fresh is using $fresh: run this again when it has ended"; exit 2; }
  # --kill-child: unshare's own death (it keeps this script's PID) kills the namespace's first process.
  VELMORA_FRESH_NAMESPACE=1 exec unshare --mount --propagation private --pid --fork --mount-proc \
    --kill-child "$0" "$@"
fi

host_install() {  # host_install COMMAND PACKAGE: installs PACKAGE here when COMMAND is missing
  command -v "$1" >/dev/null || { log "installing $2"; apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$2" >/dev/null; }
}

# Removes DIR, never through a mount: refuses when anything is mounted at or
# below it (left by a run of an older version of this script).
remove_tree() {
  if awk -v dir="$1" '$5 == dir || index($5, dir "/") == 1 { found = 1 } END { exit !found }' \
    /proc/self/mountinfo; then
    log "something is mounted at or below $1: unmount it first (umount -R $1), then run this again"
    exit 1
  fi
  rm -rf --one-file-system "$1"
}

# The Debian mirror this machine's apt uses for the suite, so that the root
# downloads from the same place.
host_mirror() {
  local file uri
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    uri=$(awk -v suite="$suite" '
      /^URIs:/ { uris = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite) found = 1 }
      /^$/ { if (found && uris) { print uris; printed = 1; exit } uris = ""; found = 0 }
      END { if (!printed && found && uris) print uris }' "$file")
    [ -n "$uri" ] && { echo "$uri"; return; }
  done
  uri=$(awk -v suite="$suite" '$1 == "deb" && $3 == suite { print $2; exit }' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true)
  echo "${uri:-http://deb.debian.org/debian}"
}

mount_in_root() {  # mount_in_root TARGET mount-arguments...
  local target=$root$1
  shift
  mkdir -p "$target"
  mount "$@" "$target"
}

# Makes build/fresh/root afresh, with COMMIT (default: the committed HEAD) in /root/velmora.
fresh_root() {
  local commit=${1:-$(git -C "$repo" rev-parse HEAD)}
  base=$fresh/base-$suite archives=$fresh/apt-archives-$suite
  host_install debootstrap debootstrap
  if [ ! -f "$base/.complete" ]; then
    mirror=$(host_mirror)
    log "building a minimal $suite root in $base from $mirror (once)"
    remove_tree "$base"
    debootstrap --variant=minbase --include=git "$suite" "$base" "$mirror" \
      >"$fresh/debootstrap-$suite.log" 2>&1 || { log "debootstrap failed, see $fresh/debootstrap-$suite.log"; exit 1; }
    touch "$base/.complete"
  fi
  trap 'exit 130' INT TERM

  log "copying the bare root to $root"
  remove_tree "$root"
  cp -a "$base" "$root"

  # The machine's own apt sources (when it runs the same suite), so apt in the
  # root sees the same mirror and updates; otherwise the one debootstrap used.
  if grep -q "^VERSION_CODENAME=$suite$" /etc/os-release; then
    rm -f "$root/etc/apt/sources.list"
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
      if [ -f "$f" ]; then cp "$f" "$root$f"; fi
    done
    for d in /etc/apt/trusted.gpg.d /etc/apt/keyrings; do
      if [ -d "$d" ]; then mkdir -p "$root$d" && cp -a "$d/." "$root$d/"; fi
    done
  fi
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"

  log "cloning commit ${commit:0:12} (without uncommitted changes) into /root/velmora"
  git clone -q --no-checkout "$repo" "$root/root/velmora"
  git -C "$root/root/velmora" fetch -q "$repo" "$commit"  # also a commit that no branch holds
  git -C "$root/root/velmora" checkout -q --detach "$commit"

  # The root a mount of its own, as a machine's / is.
  mount_in_root / --bind "$root"
  mount_in_root /proc -t proc proc
  mount_in_root /sys -t sysfs sysfs
  mount_in_root /dev --bind /dev
  mount_in_root /dev/pts --bind /dev/pts
  mount_in_root /dev/shm -t tmpfs -o mode=1777 shm
  mkdir -p "$archives"
  mount_in_root /var/cache/apt/archives --bind "$archives"
  # X servers listen on abstract sockets too, which a chroot shares with the
  # host: the root sees the host's socket files as well, so that an X server
  # there and one outside never hold the same display number.
  mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
  mount_in_root /tmp/.X11-unix --bind /tmp/.X11-unix
}

run_in_root() {  # run_in_root COMMAND...: in /root/velmora in the root, as root; returns its status
  local start=$SECONDS status=0
  log "running $* in the root"
  # In the background, so that Ctrl+C or a TERM reaches the traps at once.
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/velmora && "$@"' "${0##*/}" "$@" &
  wait $! || status=$?
  log "$* exited with $status after $((SECONDS - start)) s"
  return "$status"
}
