#!/usr/bin/env bash
# Makes the image files of this folder with binutils (objcopy) and srecord
# (srec_cat), and the expected image bytes of each readable file with
# srec_cat reading it back. Run it here; the results are committed.
set -euo pipefail
cd "$(dirname "$0")"

# Two payloads with a recognisable pattern.
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 7 + 3) % 256 for i in range(300)))' > payload-a.bin
python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 13 + 5) % 256 for i in range(37)))' > payload-b.bin

# Intel HEX -----------------------------------------------------------------
# objcopy: 16-byte records, a start address record (03) before the end record.
objcopy -I binary -O ihex --change-addresses 0x8000 payload-a.bin driver-objcopy.hex
# srec_cat: two pieces with a gap in front and between them, 32-byte records
# cut short at the end of each piece, 16-bit addresses only.
srec_cat payload-a.bin -binary -offset 0x8010 payload-b.bin -binary -offset 0x8200 \
  -o driver-gaps.hex -intel -address-length=2 -output_block_size=32
# srec_cat's default output starts with an extended linear address record of 0.
srec_cat payload-b.bin -binary -offset 0x8000 -o driver-srec-cat.hex -intel
# Panel firmware at address 0, 24-byte records.
srec_cat payload-a.bin -binary -o firmware.hex -intel -address-length=2 -output_block_size=24

# Motorola S-records --------------------------------------------------------
# objcopy: S0 header, S2 records from 0x10000, S8 end record.
objcopy -I binary -O srec --change-addresses 0x10000 payload-a.bin mux-firmware.srec
# The same with comment lines and a blank line between the records.
awk 'NR == 3 { print "; comment line"; print "" } { print }' mux-firmware.srec > mux-firmware-comments.srec
# srec_cat: S3 records with gaps from 0x210000, 40-byte records.
srec_cat payload-a.bin -binary -offset 0x210004 payload-b.bin -binary -offset 0x210180 \
  -o mux-driver-gaps.srec -motorola -address-length=4 -output_block_size=40
# S1 records (16-bit addresses) from 0x100, with Windows line ends.
srec_cat payload-b.bin -binary -offset 0x100 -o - -motorola -address-length=2 | sed 's/$/\r/' > s1-records.srec

# Expected image bytes, read back by srec_cat and filled with 0xFF from the
# start address on.
srec_cat driver-gaps.hex -intel -fill 0xFF 0x8000 0x8225 -offset -0x8000 -o driver-gaps.bin -binary
srec_cat mux-driver-gaps.srec -motorola -fill 0xFF 0x210000 0x2101A5 -offset -0x210000 \
  -o mux-driver-gaps.bin -binary
srec_cat s1-records.srec -motorola -fill 0xFF 0 0x125 -o s1-records.bin -binary

# Broken files --------------------------------------------------------------
# objcopy ends its lines with CR LF; the broken files are made from copies
# with LF line ends so that each edit hits the character it means to.
tr -d '\r' < driver-objcopy.hex > driver-lf.tmp
tr -d '\r' < mux-firmware.srec > mux-firmware-lf.tmp
# The second record's checksum changed.
awk 'NR == 2 { $0 = substr($0, 1, length($0) - 2) "00" } { print }' driver-lf.tmp > bad-checksum.hex
# No end record.
grep -v '^:00000001FF' driver-lf.tmp > missing-end.hex
# A blank line before the end record.
awk '/^:00000001FF/ { print "" } { print }' driver-lf.tmp > blank-line.hex
# Records 2 and 3 swapped: the third record lies below the expected address.
awk 'NR == 2 { held = $0; next } NR == 3 { print; print held; next } { print }' driver-lf.tmp > descending.hex
# An odd number of digits.
awk 'NR == 2 { $0 = substr($0, 1, length($0) - 1) } { print }' driver-lf.tmp > odd-length.hex
# A lower-case 's' on the first data record.
awk 'NR == 2 { $0 = "s" substr($0, 2) } { print }' mux-firmware-lf.tmp > lowercase-s.srec
# Multiplexer firmware whose first record is at 0x10100.
objcopy -I binary -O srec --change-addresses 0x10100 payload-a.bin mux-firmware-at-10100.srec
# The third record's checksum changed.
awk 'NR == 3 { $0 = substr($0, 1, length($0) - 2) "00" } { print }' mux-firmware-lf.tmp > bad-checksum.srec
# Records 3 and 4 swapped.
awk 'NR == 3 { held = $0; next } NR == 4 { print; print held; next } { print }' mux-driver-gaps.srec > descending.srec
# An S4 record.
awk 'NR == 2 { print "S4050000000FA" } { print }' mux-driver-gaps.srec > s4-record.srec

rm driver-lf.tmp mux-firmware-lf.tmp

sha256sum payload-a.bin payload-b.bin driver-gaps.bin mux-driver-gaps.bin s1-records.bin > SHA256SUMS
