# Test beds that are virtual machines: a bed for a processor this machine's kernel does not run
# (a root made like any bed, scripts/bed.sh), booted from its own kernel under qemu-system on an
# emulated processor, where every program of the bed, its threads included, runs under the
# guest's own kernel. Sourced after scripts/bed.sh.
#
#   vm_ensure NAME SUITE ARCH "PACKAGES" ["TOOLS"]
#                                          make the bed, its kernel and its disk unless current
#   vm_run NAME COMMAND...                 boot it, run the command in it, power it off (one
#                                          guest at a time)
#
# qemu itself lives in a bed of its own (vm_monitor), so the host gets no package for it. Its
# user-mode emulator also runs the guest root's programs while the root is made; the guest runs
# them under its own kernel. The guest sees its disk (a copy of the bed's root, made anew with
# the bed, on which it keeps what it makes once, the Wine prefixes) and the project at the same
# path, shared with the host through 9p: what the command writes there, the host finds.

vm_monitor=qemu
vm_kernel=linux-image-686

vm_ensure() {
  local name="$1" dir disk recipe size
  bed_ensure "$vm_monitor" bookworm amd64 \
    "--no-install-recommends qemu-system-x86 qemu-user-static e2fsprogs" &&
    bed_emulate_i386 "$vm_monitor" && bed_ensure "$@" || return 1
  dir=$(bed_dir "$name")
  disk="$dir.disk"
  recipe=$(bed_recipe "$@" "$vm_kernel" "$(cat "$root/scripts/vm-init")")
  [ -f "$disk" ] && [ "$(cat "$disk.recipe" 2>/dev/null)" = "$recipe" ] && return 0

  if [ ! -e "$dir/vmlinuz" ]; then
    echo "installing the kernel of the virtual machine $name"
    # Its first root holds only the drivers of qemu's disk: the default, every module the
    # kernel has, takes half an hour to pack under user-mode emulation. The settings are in
    # place before the tool that packs it comes (files of no package, which it reads).
    $bed_sudo mkdir -p "$dir/etc/initramfs-tools/conf.d" "$dir/usr/share/initramfs-tools/modules.d"
    printf 'MODULES=list\nCOMPRESS=gzip\n' | $bed_sudo tee "$dir/etc/initramfs-tools/conf.d/tarvel" >/dev/null
    printf 'virtio_pci\nvirtio_blk\next4\n' |
      $bed_sudo tee "$dir/usr/share/initramfs-tools/modules.d/tarvel" >/dev/null
    # Of its modules only those of the guest's disk, share and file systems are unpacked: the
    # thousands of others took minutes to unpack and index under user-mode emulation.
    printf '%s\n' 'path-exclude=/lib/modules/*/kernel/*' \
      'path-include=/lib/modules/*/kernel/'{fs,lib,crypto,net/9p,drivers/virtio,drivers/block}'/*' |
      $bed_sudo tee "$dir/etc/dpkg/dpkg.cfg.d/tarvel-kernel" >/dev/null
    bed_install "$name" "--no-install-recommends initramfs-tools $vm_kernel" || return 1
    bed_run "$name" apt-get clean
  fi
  $bed_sudo install -m 755 "$root/scripts/vm-init" "$dir/sbin/tarvel-init"
  # scripts/lib.sh knows by this that its commands already run inside the bed.
  echo "$name" | $bed_sudo tee "$dir/etc/tarvel-bed" >/dev/null

  echo "making the disk of the virtual machine $name"
  # Room for the Wine prefixes (scripts/lib.sh); the file takes only what is written.
  size=$(($($bed_sudo du -sm "$dir" | cut -f1) + 4096))
  $bed_sudo rm -f "$disk"
  bed_run "$vm_monitor" mkfs.ext4 -q -F -L "$name" -d "$dir" "$disk" "${size}M" || return 1
  echo "$recipe" | $bed_sudo tee "$disk.recipe" >/dev/null
}

# The command runs in the current folder with the TARVEL_ variables of this shell; its output is
# the guest's serial console. Returns its exit status, or 1 when the guest ended without one.
# One guest at a time boots a disk (two would write one file system), and none while the bed is
# made: each holds the lock that ensure_bed holds while it makes the bed.
vm_run() {
  (flock 9 && vm_boot "$@") 9>"$bed_root/$1.lock"
}

vm_boot() {
  local name="$1" dir run disk status var
  shift
  dir=$(bed_dir "$name")
  run="$dir.run" disk="$dir.disk"
  $bed_sudo mkdir -p "$run" && $bed_sudo rm -f "$run/status" || return 1
  {
    printf 'cd %q || exit 1\n' "$PWD"
    for var in ${!TARVEL_@}; do printf 'export %s=%q\n' "$var" "${!var}"; done
    printf '%q ' exec "$@"
    echo
  } | $bed_sudo tee "$run/command" >/dev/null
  # Each processor of this machine emulates one of the guest's. The hour is a bound for a guest
  # that hangs, well beyond the longest run measured.
  bed_run "$vm_monitor" timeout 3600 qemu-system-i386 -accel tcg,thread=multi -cpu ${TARVEL_VM_CPU:-max,-smap} \
    -smp "$(nproc)" -m 3072 -display none -serial stdio -monitor none -nic none -no-reboot \
    -kernel "$dir/vmlinuz" -initrd "$dir/initrd.img" \
    -drive "file=$disk,format=raw,if=virtio" \
    -virtfs "local,path=$root,mount_tag=project,security_model=none" \
    -append "root=/dev/vda console=ttyS0 quiet panic=1 init=/sbin/tarvel-init tarvel.project=$root tarvel.run=$run" \
    </dev/null
  status=$(cat "$run/status" 2>/dev/null) || {
    echo "the virtual machine $name ended without finishing its command" >&2
    return 1
  }
  return "$status"
}
