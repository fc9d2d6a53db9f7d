# Test beds: other Debian systems, each a root folder made once with debootstrap under
# build/beds/NAME and reused, in which a command runs with this project at the same path.
# Sourced by the scripts that test under another Wine; needs root (through sudo otherwise).
#
#   bed_ensure NAME SUITE ARCH "PACKAGES" [FOREIGN_ARCH]   make the bed unless it is current
#   bed_run NAME COMMAND...                                run a command inside it
#
# Every bed_run enters a private mount namespace (unshare -m), so the mounts it makes (/proc,
# /dev, /tmp, the project) vanish with its last process and never outlive it on the host: a bed
# can always be deleted with rm -rf without reaching through a mount into the project.
# /tmp is the host's own, so X sockets, Xvfb displays and the tests' temporary folders are the
# same on both sides.

bed_root="${root:?lib.sh first}/build/beds"
bed_sudo=""
[ "$(id -u)" = 0 ] || bed_sudo="sudo -E"

bed_dir() { echo "$bed_root/$1"; }

# The recipe a bed was made from, to know when it must be made anew.
bed_recipe() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

bed_ensure() {
  local name="$1" suite="$2" arch="$3" packages="$4" foreign="${5:-}"
  local dir recipe
  dir=$(bed_dir "$name")
  recipe=$(bed_recipe "$suite" "$arch" "$packages" "$foreign" 2)
  [ "$(cat "$dir/.bed-recipe" 2>/dev/null)" = "$recipe" ] && return 0

  command -v debootstrap >/dev/null || {
    $bed_sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      $bed_sudo apt-get install -y -qq debootstrap >/dev/null
  } || return 1
  echo "making the test bed $name (Debian $suite, $arch) in $dir"
  $bed_sudo rm -rf "$dir"
  mkdir -p "$bed_root/cache-$suite-$arch" || return 1
  # --cache-dir keeps the downloaded packages, so a bed made anew downloads nothing.
  if ! $bed_sudo debootstrap --arch="$arch" --variant=minbase \
    --cache-dir="$bed_root/cache-$suite-$arch" "$suite" "$dir" http://deb.debian.org/debian \
    >"$bed_root/$name-debootstrap.log" 2>&1; then
    echo "debootstrap of $suite failed; see $bed_root/$name-debootstrap.log" >&2
    return 1
  fi
  {
    echo "deb http://deb.debian.org/debian $suite main"
    echo "deb http://deb.debian.org/debian $suite-updates main"
    echo "deb http://deb.debian.org/debian-security $suite-security main"
  } | $bed_sudo tee "$dir/etc/apt/sources.list" >/dev/null
  # No daemons start while packages install.
  printf '#!/bin/sh\nexit 101\n' | $bed_sudo tee "$dir/usr/sbin/policy-rc.d" >/dev/null
  $bed_sudo chmod +x "$dir/usr/sbin/policy-rc.d"
  [ -z "$foreign" ] || bed_run "$name" dpkg --add-architecture "$foreign" || return 1
  # Installed as a user installs them: recommended packages included.
  if ! bed_run "$name" sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq $packages" >"$bed_root/$name-install.log" 2>&1; then
    echo "installing into the test bed $name failed; see $bed_root/$name-install.log" >&2
    return 1
  fi
  bed_run "$name" apt-get clean
  echo "$recipe" | $bed_sudo tee "$dir/.bed-recipe" >/dev/null
}

bed_run() {
  local dir
  dir=$(bed_dir "$1")
  shift
  [ -d "$dir/usr" ] || {
    echo "no test bed in $dir" >&2
    return 1
  }
  # The command and its arguments pass through the environment, so nothing is quoted twice.
  BED_DIR="$dir" BED_PROJECT="$root" $bed_sudo unshare --mount --propagation private \
    sh -c '
      set -e
      mount -t proc proc "$BED_DIR/proc"
      mount --rbind /dev "$BED_DIR/dev"
      mount --bind /tmp "$BED_DIR/tmp"
      mkdir -p "$BED_DIR$BED_PROJECT"
      mount --bind "$BED_PROJECT" "$BED_DIR$BED_PROJECT"
      cp -L /etc/resolv.conf "$BED_DIR/etc/resolv.conf" 2>/dev/null || true
      exec chroot "$BED_DIR" /bin/sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$PWD" "$@"
    ' bed "$@"
}
