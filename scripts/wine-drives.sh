# Sourced after wine-env.sh: the drives of the test prefix, one of every kind the monitor knows.
#   A: floppy (removable, A or B)    D: optical              E: USB stick (removable, scripted)
#   F: second fixed drive (scripted) N: network (scripted: can hang or fail)
#   \\fileserver\share: a UNC folder
# Scripted drives are FUSE volumes whose figures the tests set (tests/fixtures/scripted_volume.py);
# where FUSE cannot be mounted they are plain folders and VX_SCRIPTED_VOLUMES is 0.
VX_DRIVES_DIR="$VX_WINE_DIR/drives"
VX_SCRIPTED_DRIVES="usb:VXSTICK fixed:DATA network:NETDRIVE"

vx_unmount_drives() {
    local name
    for name in usb fixed network; do
        if mountpoint -q "$VX_DRIVES_DIR/$name" 2>/dev/null; then
            umount -l "$VX_DRIVES_DIR/$name" 2>/dev/null
        fi
    done
    return 0
}

# Mounts the scripted volumes; true when all of them are mounted.
vx_mount_scripted_volumes() {
    local python=/usr/bin/python3 entry name label tries
    [ -e /dev/fuse ] && "$python" -c "import fusepy" 2>/dev/null || return 1
    for entry in $VX_SCRIPTED_DRIVES; do
        name=${entry%%:*}
        label=${entry#*:}
        "$python" "$VX_ROOT/tests/fixtures/scripted_volume.py" "$VX_DRIVES_DIR/$name" \
            "$VX_DRIVES_DIR/control/$name" "$label" </dev/null >"$VX_DRIVES_DIR/control/$name.log" 2>&1 &
    done
    for entry in $VX_SCRIPTED_DRIVES; do
        name=${entry%%:*}
        tries=0
        until mountpoint -q "$VX_DRIVES_DIR/$name"; do
            tries=$((tries + 1))
            [ $tries -gt 50 ] && return 1
            sleep 0.1
        done
    done
    return 0
}

# Call with the prefix created and no wineserver running; the drive manager reads the types
# when Wine's services start next.
vx_configure_drives() {
    vx_unmount_drives
    rm -rf "$VX_DRIVES_DIR"
    mkdir -p "$VX_DRIVES_DIR"/{floppy,optical,usb,fixed,network,share,plug}
    local name
    for name in usb fixed network; do mkdir -p "$VX_DRIVES_DIR/control/$name"; done
    # Figures in bytes: total, free, available to the user.
    echo "17179869184 3435973837 3435973837" >"$VX_DRIVES_DIR/control/usb/figures"      # 20 % free
    echo "53687091200 42949672960 42949672960" >"$VX_DRIVES_DIR/control/fixed/figures"  # 80 % free
    echo "107374182400 4294967296 4294967296" >"$VX_DRIVES_DIR/control/network/figures"  # 4 % free
    echo "Optical" >"$VX_DRIVES_DIR/optical/.windows-label"
    if vx_mount_scripted_volumes; then
        export VX_SCRIPTED_VOLUMES=1
    else
        vx_unmount_drives
        export VX_SCRIPTED_VOLUMES=0
        echo "FUSE is not available here: the scripted drives are plain folders and the tests that need their figures are skipped"
    fi
    local devices="$WINEPREFIX/dosdevices"
    ln -sfn "$VX_DRIVES_DIR/floppy" "$devices/a:"
    ln -sfn "$VX_DRIVES_DIR/optical" "$devices/d:"
    ln -sfn "$VX_DRIVES_DIR/usb" "$devices/e:"
    ln -sfn "$VX_DRIVES_DIR/fixed" "$devices/f:"
    ln -sfn "$VX_DRIVES_DIR/network" "$devices/n:"
    mkdir -p "$devices/unc/fileserver"
    ln -sfn "$VX_DRIVES_DIR/share" "$devices/unc/fileserver/share"
    local types="$VX_WINE_DIR/drive-types.reg"
    cat >"$types" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"a:"="floppy"
"d:"="cdrom"
"e:"="floppy"
"f:"="hd"
"n:"="network"
REG
    "$WINE" regedit /S "$types" >/dev/null 2>&1
    "$WINESERVER" -w
    # The tests reach the levers through Wine's Z: drive.
    export VX_DRIVES_CONTROL="Z:${VX_DRIVES_DIR//\//\\}\\control"
    export VX_PLUG_FOLDER="$VX_DRIVES_DIR/plug"
}
