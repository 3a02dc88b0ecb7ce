#!/bin/sh
# Installs what building and testing Zentavo2 needs, on Debian 12 as root.
#
#   tools/setup.sh native   host compiler, CMake, Ninja and the libraries of
#                           the native build, its tests, tool and benchmarks
#   tools/setup.sh all      the above, the MinGW-w64 cross compilers, Wine
#                           (32 and 64-bit), LLVM's linker tools, Free Pascal
#
# Anywhere else it installs nothing and names what is missing.
set -eu
want=${1:-all}

packages="cmake ninja-build g++ pkg-config locales libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev"
if [ "$want" = all ]; then
  packages="$packages clang libclang-rt-dev llvm lld fp-compiler g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64"
fi

missing=""
if command -v dpkg-query >/dev/null 2>&1; then
  for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
  done
else
  for command in cmake ninja g++; do command -v "$command" >/dev/null 2>&1 || missing="$missing $command"; done
fi

if [ -n "$missing" ]; then
  if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing:$missing" >&2
    echo "On Debian 12 as root, tools/setup.sh installs: $packages" >&2
    exit 1
  fi
  echo "Installing:$missing"
  case "$missing" in *:i386*)
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
  esac
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# 32-bit Wine needs a kernel that runs 32-bit programs.  Where it does not
# (some virtual machines), qemu's user-mode emulator runs them instead.
if [ "$want" = all ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if [ "$(id -u)" != 0 ]; then
    echo "This kernel does not run 32-bit programs; as root, tools/setup.sh registers qemu-i386 for them." >&2
    exit 1
  fi
  echo "This kernel does not run 32-bit programs: registering qemu-i386 to run them."
  command -v qemu-i386-static >/dev/null 2>&1 ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends qemu-user-static
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ -e /proc/sys/fs/binfmt_misc/zentavo2-i386 ] ||
    printf '%s' ':zentavo2-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > /proc/sys/fs/binfmt_misc/register
  /usr/lib/wine/wine --version >/dev/null
fi
