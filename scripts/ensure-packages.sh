#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
# Sourced or run by the other scripts; needs root (or sudo) to install.
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "ZUM needs these Debian packages: ${missing[*]}" >&2
    echo "Run this script as root, or install them with: apt-get install ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi
echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y -q "${missing[@]}"; then
  $SUDO apt-get update -q
  if ! $SUDO apt-get install -y -q "${missing[@]}"; then
    echo "Could not install ${missing[*]} with apt-get; check the network and the apt sources, then run again." >&2
    exit 1
  fi
fi
