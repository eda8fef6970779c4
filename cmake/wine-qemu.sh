# Sourced by the Wine scripts: settings for the 32-bit Wine processes, which
# run under qemu-i386.
#
# qemu-i386 (7.2) leaves the guest's 4 GB open to its own host mappings, and
# 32-bit Wine then cannot map the shared user data at its fixed address
# 0x7ffe0000 ("failed to map the shared user data"): each 32-bit process,
# wineboot's included, ends at once. Reserving the whole guest address space
# at start keeps it free. Every Wine process passes this on to the programs
# it starts.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0xffff0000}
