#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tavelin need, only
# those that are missing. Sourced by the other scripts.
tavelin_deps=(cmake make g++ libgtest-dev libbenchmark-dev libcli11-dev
              qt6-base-dev qt6-translations-l10n fonts-liberation xvfb
              xdotool imagemagick pkg-config libstb-dev libsodium-dev python3-pil)

tavelin_install_deps() {
  local missing=() p
  for p in "${tavelin_deps[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installo i pacchetti mancanti: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}
