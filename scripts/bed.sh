# Test beds: other Debian systems, each a root folder made once with debootstrap under
# build/beds/NAME and reused, in which a command runs with this project at the same path.
# Sourced by the scripts that test under another Wine; needs root (through sudo otherwise).
#
#   bed_ensure NAME SUITE ARCH "PACKAGES" ["TOOLS"]
#                                           make the bed unless it is current
#   bed_run NAME COMMAND...                 run a command inside it
#   bed_exec NAME COMMAND...                the same in place of this shell
#   bed_emulate_i386 NAME                   let 32-bit x86 programs run (below)
#   bed_enterable                           whether this machine lets a command enter a bed
#
# Every bed_run enters a private mount namespace (unshare -m), so the mounts it makes (/proc,
# /dev, /tmp, the project) vanish with its last process and never outlive it on the host: a bed
# can always be deleted with rm -rf without reaching through a mount into the project.
# /tmp is the host's own, with what is mounted under it, so X sockets, Xvfb displays and the
# tests' temporary folders are the same on both sides. The packages come with their recommended
# ones, as a user installs them, the tools the tests use inside without theirs (a compiler, for
# one, which nothing here uses), and the locales the tests pin (en_US, ru_RU) are generated.

bed_root="${root:?lib.sh first}/build/beds"
bed_sudo=""
[ "$(id -u)" = 0 ] || bed_sudo="sudo -E"

bed_dir() { echo "$bed_root/$1"; }

# The recipe a bed was made from, to know when it must be made anew.
bed_recipe() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

bed_ensure() {
  local name="$1" suite="$2" arch="$3" packages="$4" tools="${5:-}"
  local dir recipe
  dir=$(bed_dir "$name")
  recipe=$(bed_recipe "$suite" "$arch" "$packages" "$tools" 6)
  [ "$(cat "$dir/.bed-recipe" 2>/dev/null)" = "$recipe" ] && return 0

  command -v debootstrap >/dev/null || {
    $bed_sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      $bed_sudo apt-get install -y -qq debootstrap >/dev/null
  } || return 1
  echo "making the test bed $name (Debian $suite, $arch) in $dir"
  $bed_sudo rm -rf "$dir" "$bed_root/$name-install.log"
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
  # dpkg flushes no file to the disk (a bed left half made is made anew: its recipe is written
  # last) and unpacks no documentation, which nothing here reads.
  printf '%s\n' force-unsafe-io path-exclude=/usr/share/doc/* path-exclude=/usr/share/man/* \
    path-exclude=/usr/share/info/* | $bed_sudo tee "$dir/etc/dpkg/dpkg.cfg.d/tarvel" >/dev/null
  # No daemons start while packages install.
  printf '#!/bin/sh\nexit 101\n' | $bed_sudo tee "$dir/usr/sbin/policy-rc.d" >/dev/null
  $bed_sudo chmod +x "$dir/usr/sbin/policy-rc.d"
  bed_install "$name" "locales $packages" || return 1
  [ -z "$tools" ] || bed_install "$name" "--no-install-recommends $tools" || return 1
  printf 'en_US.UTF-8 UTF-8\nru_RU.UTF-8 UTF-8\n' | $bed_sudo tee "$dir/etc/locale.gen" >/dev/null
  bed_run "$name" locale-gen >/dev/null || return 1
  bed_run "$name" apt-get clean
  echo "$recipe" | $bed_sudo tee "$dir/.bed-recipe" >/dev/null
}

# A mirror caught while it syncs serves an index that does not match its release file, for a
# while: apt-get update is tried three times, then the packages come from the indexes it got.
bed_install() { # bed_install NAME "PACKAGES": apt-get install inside the bed, logged
  if ! bed_run "$1" sh -c "for try in 1 2 3; do apt-get update -qq && break; sleep 20; done
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $2" >>"$bed_root/$1-install.log" 2>&1; then
    echo "installing into the test bed $1 failed; see $bed_root/$1-install.log" >&2
    return 1
  fi
}

# 32-bit x86 programs run on a processor emulated by the bed's qemu-i386-static, registered with
# the kernel's binfmt_misc for i386 ELF files (machine-wide; the F flag makes the kernel open the
# emulator now, so it serves inside any root). A bed for i386 needs it while it is made. Run
# before each use: a registration ends with the machine. Says in one line why, where the machine
# refuses it.
bed_emulate_i386() {
  local misc=/proc/sys/fs/binfmt_misc qemu
  qemu="$(bed_dir "$1")/usr/bin/qemu-i386-static"
  [ -e "$misc/register" ] || $bed_sudo mount -t binfmt_misc binfmt_misc "$misc" 2>/dev/null || {
    echo "32-bit programs cannot run here: this machine does not let binfmt_misc be mounted" >&2
    return 1
  }
  grep -qx enabled "$misc/qemu-i386" 2>/dev/null && return 0
  [ -x "$qemu" ] || { echo "no $qemu" >&2 && return 1; }
  # The ELF header of an i386 executable or shared object, as Debian's qemu-user-static registers it.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' |
    $bed_sudo tee "$misc/register" >/dev/null 2>&1 || {
    echo "32-bit programs cannot run here: the kernel refused to register $qemu for i386 programs (binfmt_misc)" >&2
    return 1
  }
}

# A private mount namespace needs a root that is a mount point: in a plain chroot into a folder
# it is not, and unshare stops ("cannot change root filesystem propagation"). Mounts made without
# the private namespace could reach the host's through a shared parent mount and outlive the
# command, so such a machine makes no bed: says in one line why.
bed_enterable() {
  local why
  why=$($bed_sudo unshare --mount --propagation private true 2>&1) && return 0
  if ! mountpoint -q /; then
    echo "test beds cannot be entered here: / is not a mount point (a chroot into a plain folder? bind-mount it onto itself first)" >&2
  else
    echo "test beds cannot be entered here: no private mount namespace (${why:-unshare failed})" >&2
  fi
  return 1
}

bed_run() { (bed_exec "$@"); }

bed_exec() {
  local dir
  dir=$(bed_dir "$1")
  shift
  [ -d "$dir/usr" ] || {
    echo "no test bed in $dir" >&2
    return 1
  }
  # The command and its arguments pass through the environment, so nothing is quoted twice.
  BED_DIR="$dir" BED_PROJECT="$root" exec $bed_sudo unshare --mount --propagation private \
    sh -c '
      set -e
      mount -t proc proc "$BED_DIR/proc"
      mount --rbind /dev "$BED_DIR/dev"
      mount --rbind /tmp "$BED_DIR/tmp"
      mkdir -p "$BED_DIR$BED_PROJECT"
      mount --bind "$BED_PROJECT" "$BED_DIR$BED_PROJECT"
      cp -L /etc/resolv.conf "$BED_DIR/etc/resolv.conf" 2>/dev/null || true
      exec chroot "$BED_DIR" /bin/sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$PWD" "$@"
    ' bed "$@"
}
