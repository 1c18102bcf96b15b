#!/usr/bin/env bash
# Tries the README's two commands as a new user would, on a fresh minimal
# Debian: a `debootstrap --variant=minbase` root with only make and git, into
# which the commit under test is cloned. There `make run` (no display: the
# virtual-display screenshot) and then `make test` must pass, and nothing they
# start may outlive them; then the package built there must install and run
# there (scripts/check-package.sh).
#
#   scripts/fresh-machine.sh bookworm|trixie
#   scripts/fresh-machine.sh --base bookworm|trixie   only make the cached base
#
# Needs root (it asks sudo otherwise) and Debian's package registry, which it
# reads from apt's own sources. The root lives in a private mount and process
# namespace: its mounts go when the run ends, however it ends, and the root is
# removed. The debootstrapped base is kept as a tarball between runs
# ($PORONKA_FRESH_CACHE, default /var/cache/poronka-fresh; a week at most).
#
# PORONKA_FRESH_CTEST: ctest arguments for `make test` in the root (its
# CTEST_ARGS; default: every test). CI chooses a subset there; see .ci/run.
# PORONKA_WITHOUT_DESKTOPS=1: the root goes without the `desktops` set of
# scripts/install-deps.sh, and without the tests that need it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

base_only=""
if [ "${1:-}" = --base ]; then base_only=1; shift; fi
suite=${1:-}
case $suite in
  bookworm | trixie) ;;
  *) echo "usage: $0 [--base] bookworm|trixie" >&2; exit 2 ;;
esac
if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env=PORONKA_FRESH_CACHE,PORONKA_FRESH_CTEST,PORONKA_WITHOUT_DESKTOPS "$0" "$@"; fi

say() { printf '[fresh %s %s] %s\n' "$suite" "$(date +%T)" "$*"; }
fail() { say "FAIL: $*" >&2; exit 1; }
now() { date +%s; }

# Debian's registry as apt knows it: the first archive (not security) source,
# in deb822 form or one-line form.
mirror() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
      { uri = ""; types = ""
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^URIs:/) { sub(/^URIs:[ \t]*/, "", $i); split($i, u, " "); uri = u[1] }
          if ($i ~ /^Types:/) types = $i
        }
        if (types ~ /deb( |$)/ && uri != "" && uri !~ /security/) print uri }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) {
      if ($i !~ /security/) print $i; break } }' "$f"
  done
}
MIRROR=$(mirror)
MIRROR=${MIRROR%%$'\n'*}
[ -n "$MIRROR" ] || fail "no Debian archive in apt's sources"

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >/dev/null ||
    { apt-get update >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >/dev/null; }
fi

commit=$(git -C "$top" rev-parse HEAD)
[ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] ||
  say "note: uncommitted changes are not tried, only $commit"

cache=${PORONKA_FRESH_CACHE:-/var/cache/poronka-fresh}
tarball="$cache/$suite-minbase.tar.gz"
work=$(mktemp -d /var/tmp/poronka-fresh.XXXXXX)
root="$work/root"
cleanup() {
  local status=$?
  # The namespace has ended, and its mounts with it; never delete through a
  # mount that is still there.
  if grep -q " $root" /proc/self/mounts; then
    say "mounts are still there under $root: left in place" >&2
    exit 1
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

start=$(now)
mkdir -p "$cache" "$root"
if [ -f "$tarball" ] && [ -n "$(find "$tarball" -mtime -7)" ]; then
  [ -z "$base_only" ] || { say "base root cached: $tarball"; exit 0; }
  say "base root from $tarball"
  tar -C "$root" -xzf "$tarball"
else
  say "debootstrap --variant=minbase $suite from $MIRROR"
  debootstrap --variant=minbase --include=make,git "$suite" "$root" "$MIRROR" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 20 "$work/debootstrap.log" >&2; fail "debootstrap"; }
  tar -C "$root" -czf "$tarball.new" . && mv "$tarball.new" "$tarball"
fi
say "base root ready in $(($(now) - start)) s"
[ -z "$base_only" ] || exit 0

git clone --quiet --no-hardlinks "$top" "$root/root/poronka"
git -C "$root/root/poronka" checkout --quiet --detach "$commit"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# xvfb-run -a looks for a free display by its lock file in /tmp, from 99 up.
# The root's /tmp is its own, but X's abstract sockets are shared with this
# machine: keep the root's displays clear of this machine's, now and later.
for n in $(seq 99 149) $(sed -n 's|.*@/tmp/.X11-unix/X\([0-9]*\)$|\1|p' /proc/net/unix); do
  touch "$root/tmp/.X$n-lock"
done

# Process 1 of a private process and mount namespace: mounts what the root
# needs and makes it the namespace's root, as a machine's own would be (a
# chroot would refuse user namespaces to the tests).
cat >"$work/enter.sh" <<'ENTER'
#!/bin/bash
set -euo pipefail
root=$1
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs shm "$root/dev/shm"
mount -t tmpfs run "$root/run"
cd "$root"
mkdir -p .host
pivot_root . .host
umount -l /.host
rmdir /.host
shift
exec /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash /fresh-steps.sh "$@"
ENTER

# The steps, as process 1 inside the root.
cat >"$root/fresh-steps.sh" <<'STEPS'
set -uo pipefail
suite=$1
export CTEST_ARGS=$2
[ "$3" != 1 ] || export PORONKA_WITHOUT_DESKTOPS=1
say() { printf '[fresh %s %s] %s\n' "$suite" "$(date +%T)" "$*"; }
packages() { dpkg-query -W -f='${Status}\n' | grep -c 'install ok installed'; }
# What a run left behind: every process of the namespace but this script
# (process 1) and the shell that asks.
leftovers() {
  local me=$BASHPID d stat
  for d in /proc/[0-9]*; do
    [ "${d#/proc/}" != 1 ] && [ "${d#/proc/}" != "$me" ] || continue
    { read -r stat <"$d/stat"; } 2>/dev/null || continue
    stat=${stat##*) }
    stat=${stat#* }
    [ "${stat%% *}" != "$me" ] || continue
    echo "${d#/proc/} $(tr '\0' ' ' <"$d/cmdline" 2>/dev/null)"
  done
}

status=0
step() {  # name command...
  local name=$1 before after t0 t1 left
  shift
  before=$(packages)
  t0=$(date +%s)
  say "== $name"
  # The whole output goes to a log; what matters is shown: its end, and all
  # of it on a failure.
  if (cd /root/poronka && "$@") >/fresh-step.log 2>&1; then
    t1=$(date +%s)
    after=$(packages)
    tail -n 25 /fresh-step.log
    say "$name: passed in $((t1 - t0)) s, $((after - before)) packages installed"
  else
    tail -n 300 /fresh-step.log
    say "$name: FAILED after $(($(date +%s) - t0)) s"
    status=1
  fi
  left=$(leftovers)
  if [ -n "$left" ]; then
    say "$name left processes behind:"
    echo "$left"
    status=1
  fi
}
step "make run" make run
[ $status -eq 0 ] || exit $status
step "make test" make test
[ $status -eq 0 ] || exit $status
# The package, built here, installs and runs here.
step "make package, installed and started" scripts/check-package.sh
exit $status
STEPS

say "running the two commands in the root (commit ${commit:0:12})"
unshare --mount --pid --fork --mount-proc --propagation private \
  bash "$work/enter.sh" "$root" "$suite" "${PORONKA_FRESH_CTEST:-}" "${PORONKA_WITHOUT_DESKTOPS:-}"
say "all passed in $(($(now) - start)) s"
