#!/usr/bin/env bash
# Copies what the Linux probes read from this machine into a folder, so that
# the program (or a test) can run on it elsewhere:
#   tests/probes/capture_probe_tree.sh /tmp/machine-tree
#   ORVOCHECK_SYSFS_ROOT=/tmp/machine-tree/sys ORVOCHECK_PROCFS_ROOT=/tmp/machine-tree/proc ./OrvoCheck
# Only attribute files are read: no configuration space, no device nodes, so
# a sleeping GPU stays asleep. Run as root to include the SMBIOS table.
set -euo pipefail
mkdir -p "${1:?usage: $0 OUTPUT_DIR}"
out=$(cd "$1" && pwd)
sys=${ORVOCHECK_SYSFS_ROOT:-/sys}
proc=${ORVOCHECK_PROCFS_ROOT:-/proc}
mkdir -p "$out/sys/bus/pci/devices" "$out/proc"

copy() {  # copy SOURCE DEST when SOURCE is readable
  if [ -r "$1" ]; then mkdir -p "$(dirname "$2")" && cat "$1" >"$2"; fi
}

for dev in "$sys"/bus/pci/devices/*; do
  [ -e "$dev" ] || continue
  name=$(basename "$dev")
  dst="$out/sys/bus/pci/devices/$name"
  mkdir -p "$dst"
  for attr in vendor device class subsystem_vendor subsystem_device revision irq \
              mem_info_vram_total; do
    copy "$dev/$attr" "$dst/$attr"
  done
  if [ -L "$dev/driver" ]; then
    driver=$(basename "$(readlink "$dev/driver")")
    mkdir -p "$out/sys/bus/pci/drivers/$driver"
    ln -sfn "../../drivers/$driver" "$dst/driver"
    if [ -r "$dev/driver/module/version" ]; then
      copy "$dev/driver/module/version" "$out/sys/module/$driver/version"
      ln -sfn "../../../../module/$driver" "$out/sys/bus/pci/drivers/$driver/module"
    fi
  fi
done

# Video outputs and USB root hubs: their links as the kernel lays them out
# (class/drm, bus/usb/devices) and the attribute files the links lead to.
sys_real=$(realpath "$sys")
link_copy() {  # link_copy LINK: the link itself, at its place in the capture
  local rel=${1#"$sys"/}
  mkdir -p "$out/sys/$(dirname "$rel")"
  ln -sfn "$(readlink "$1")" "$out/sys/$rel"
}
real_rel() { local r; r=$(realpath "$1"); echo "${r#"$sys_real"/}"; }
for entry in "$sys"/class/drm/card*; do
  [ -L "$entry" ] || continue
  link_copy "$entry"
  dir=$(real_rel "$entry")
  case $(basename "$entry") in
    card*-*) copy "$entry/status" "$out/sys/$dir/status" ;;
    *) [ -L "$entry/device" ] || continue
       link_copy "$sys/$dir/device"
       pci=$(real_rel "$entry/device")
       for attr in vendor device; do copy "$sys/$pci/$attr" "$out/sys/$pci/$attr"; done ;;
  esac
done
for hub in "$sys"/bus/usb/devices/usb*; do
  [ -L "$hub" ] || continue
  link_copy "$hub"
  dir=$(real_rel "$hub")
  for attr in speed maxchild; do copy "$sys/$dir/$attr" "$out/sys/$dir/$attr"; done
  for attr in vendor device class; do
    copy "$sys/$(dirname "$dir")/$attr" "$out/sys/$(dirname "$dir")/$attr"
  done
done

mem="$sys/devices/system/memory"
copy "$mem/block_size_bytes" "$out/sys/devices/system/memory/block_size_bytes"
# Thousands of blocks on a large machine: one copy for all of them.
if compgen -G "$mem/memory*/state" >/dev/null; then
  mkdir -p "$out/sys/devices/system/memory"
  (cd "$mem" && cp --parents memory*/state "$out/sys/devices/system/memory/")
fi
copy "$sys/firmware/dmi/tables/DMI" "$out/sys/firmware/dmi/tables/DMI"
copy "$proc/meminfo" "$out/proc/meminfo"
copy "$proc/cpuinfo" "$out/proc/cpuinfo"
echo "captured into $out"
