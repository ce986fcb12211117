#!/usr/bin/env bash
# The platform boundary: only src/platform/ may include SDL or an operating-
# system header; the rest of src/ uses the C++ standard library and
# platform/platform.h. Fails, naming each file and line, when another part of
# src/ includes one. (tools/ and tests/ may include what they need.)
#
#   scripts/check_boundary.sh [SOURCE_ROOT]     (default: this repository)
set -eu
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# POSIX, Linux, Windows, DirectX and SDL headers, matched on the path as it
# is written in the #include (<...> or "...").
os_headers='unistd\.h|strings\.h|dirent\.h|fcntl\.h|pthread\.h|signal\.h|dlfcn\.h|termios\.h|poll\.h|sched\.h'
os_headers+='|semaphore\.h|spawn\.h|syslog\.h|pwd\.h|grp\.h|netdb\.h|ifaddrs\.h|glob\.h|fnmatch\.h|libgen\.h'
os_headers+='|link\.h|elf\.h|execinfo\.h|malloc\.h|alloca\.h|features\.h|endian\.h|byteswap\.h|mntent\.h|utmp\.h'
os_headers+='|sys/.*|linux/.*|asm/.*|bits/.*|netinet/.*|arpa/.*|net/.*|X11/.*|GL/.*|EGL/.*|pulse/.*|alsa/.*'
os_headers+='|windows\.h|winsock2?\.h|ws2tcpip\.h|windef\.h|winbase\.h|winuser\.h|mmsystem\.h|shlobj\.h|tchar\.h'
os_headers+='|io\.h|direct\.h|conio\.h|ddraw\.h|d3d[0-9a-z]*\.h|dsound\.h|dinput\.h|dplay\.h|dxerr[0-9]*\.h'
os_headers+='|SDL[0-9]?/.*|SDL[_a-z0-9]*\.h'
pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($os_headers)[>\"]"

# Every source file of src/ outside the top-level src/platform/.
mapfile -d '' files < <(find src -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \
                          -o -name '*.inl' \) ! -path 'src/platform/*' -print0 | sort -z)
found=""
[ ${#files[@]} -eq 0 ] || found=$(grep -nHE "$pattern" "${files[@]}" || true)

if [ -n "$found" ]; then
  echo "check_boundary: only src/platform/ may include SDL or operating-system headers:"
  printf '%s\n' "$found" | sed 's/^/  /'
  echo "check_boundary: move the code behind a function of src/platform/platform.h"
  exit 1
fi
echo "check_boundary: ok"
