#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -eu
packages="g++ cmake ninja-build pkg-config libsdl2-dev libgtest-dev libgmock-dev libbenchmark-dev"
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
