#!/usr/bin/env bash
# pakbuild packs a folder of mixed files; paktool lists the pak and gives back
# every file byte for byte, with the automatic choice, plain storage and each
# compressor forced in turn, and for a list file of the same folder. Damaged
# paks stop paktool with the pak layer's message and a non-zero exit.
set -eu
pakbuild=$1
paktool=$2
dir=$3
rm -rf "$dir" && mkdir -p "$dir/src/Text/deep" "$dir/src/bin" && cd "$dir"
src=$dir/src

for i in $(seq 1 300); do echo "line $i of the league table, club $((i * 7 % 24))"; done > src/Text/table.txt
head -c 20000 /dev/urandom > src/bin/noise.bin
head -c 70000 /dev/zero > src/bin/zeros.bin
yes 'ABABABAB' | head -c 5000 > src/Text/deep/Runs.txt || true
printf 'a' > src/one.txt
: > src/empty.dat
printf 'not game data' > src/.hidden
files="Text/table.txt bin/noise.bin bin/zeros.bin Text/deep/Runs.txt one.txt empty.dat"
names="BIN\\NOISE.BIN BIN\\ZEROS.BIN EMPTY.DAT ONE.TXT TEXT\\DEEP\\RUNS.TXT TEXT\\TABLE.TXT"

fail() { echo "FAILED: $*"; exit 1; }

# check_pak BASE STORAGE: paktool lists the six names (with STORAGE in the
# last column unless empty) and gives each file back.
check_pak() {
  "$paktool" list "$1" > "$dir/list.txt" || fail "paktool list $1"
  [ "$(tail -n +2 "$dir/list.txt" | awk '{print $1}' | tr '\n' ' ')" = "$names " ] || { cat "$dir/list.txt"; fail "names of $1"; }
  if [ -n "$2" ]; then
    [ "$(tail -n +2 "$dir/list.txt" | awk '{print $4}' | sort -u)" = "$2" ] || { cat "$dir/list.txt"; fail "storage of $1"; }
  fi
  for f in $files; do
    "$paktool" cat "$1" "$f" > "$dir/got" || fail "paktool cat $1 $f"
    cmp -s "$dir/got" "$src/$f" || fail "$f from $1 differs"
  done
}

check_pak_of() {  # STORE STORAGE
  "$pakbuild" src "out_$1" --compressor "$1" > /dev/null || fail "pakbuild --compressor $1"
  check_pak "out_$1" "$2"
}
check_pak_of auto ""
check_pak_of none plain
check_pak_of 0 predictor
check_pak_of 1 huffman
check_pak_of 2 mtf-huffman
check_pak_of 3 lz
check_pak_of 4 zero-run
check_pak_of 5 run-length
# The automatic choice stores noise plain and squeezes the zeros.
"$paktool" list out_auto > list.txt
grep -qE '^BIN\\NOISE.BIN +20000 +20000  plain$' list.txt || { cat list.txt; fail "noise stored plain"; }
grep -qE '^BIN\\ZEROS.BIN +70000 +[0-9]{2} ' list.txt || { cat list.txt; fail "zeros compressed"; }

# The same folder as a list file: loose files, read from the source folder.
"$pakbuild" src "$dir/loose" --list > /dev/null
(cd src && check_pak ../loose loose) || fail "list file"

# Damaged paks: the message of the pak layer and exit code 1.
expect_error() {  # MESSAGE COMMAND...
  local message=$1
  shift
  set +e
  "$@" > out.txt 2>&1
  local code=$?
  set -e
  [ $code -ne 0 ] || { cat out.txt; fail "exit code 0 for: $*"; }
  grep -qF -- "$message" out.txt || { cat out.txt; fail "no '$message' from: $*"; }
}
damaged() {  # NAME: a copy of the LZ pak to damage
  cp out_3.pki "$1.pki" && cp out_3.pkd "$1.pkd"
}
poke() {  # FILE OFFSET BYTE
  printf "\\x$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

damaged short_index && head -c 10 out_3.pki > short_index.pki
expect_error "AddIndex(): invalid index file header in 'short_index.pki'" "$paktool" list short_index
damaged cut_name && head -c $(($(stat -c %s out_3.pki) - 3)) out_3.pki > cut_name.pki
expect_error "AddIndex(): name of entry 5 runs past the end of the file in 'cut_name.pki'" "$paktool" list cut_name
damaged big_count && poke big_count.pki 9 ff
expect_error "AddIndex(): entry table (65286 entries of 20 bytes at 20) runs past the end" "$paktool" list big_count
damaged short_data && head -c 100 out_3.pkd > short_data.pkd
expect_error "is past the end of the data file (100 bytes) in 'short_data.pki'" "$paktool" list short_data
expect_error "Error: PakOpenFile(): file 'NONE.TXT' not found" "$paktool" cat out_3 none.txt
# The first block in the data file is BIN\NOISE.BIN's (20000 bytes).
damaged unpacked_size && poke unpacked_size.pkd 13 00
expect_error "Error: DecompressDataFile(): real decompress data size did not match header! (wanted 32, but got 33)" \
  "$paktool" cat unpacked_size bin/noise.bin
damaged compressed_size && poke compressed_size.pkd 11 01
expect_error "DecompressDataFile(): header does not match compressed data size" "$paktool" cat compressed_size bin/noise.bin
damaged compressor && poke compressor.pkd 4 09
expect_error "DecompressDataFile(): unknown compression type" "$paktool" cat compressor bin/noise.bin
damaged no_id && poke no_id.pkd 0 58
expect_error "DecompressDataFile(): no ID field on compressed data" "$paktool" cat no_id bin/noise.bin
expect_error "Error: PakFileAdd(): no index or list file found" "$paktool" list nothing_here
echo "pak tools: ok"
