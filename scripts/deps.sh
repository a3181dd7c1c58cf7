#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tavelin need, only
# those that are missing. Sourced by the other scripts.

# What the window program alone needs to build and run.
tavelin_deps_finestra=(cmake make g++ qt6-base-dev qt6-translations-l10n fonts-liberation)
# Everything else the whole build and its tests need: the command line, the
# tests and benchmarks, the GUI tests' virtual screen, the manual pages and
# the package.
tavelin_deps=("${tavelin_deps_finestra[@]}" libgtest-dev libbenchmark-dev libcli11-dev
              xvfb xdotool imagemagick scdoc dpkg-dev file
              pkg-config libstb-dev libsodium-dev libspng-dev python3-pil
              dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0)
# The checkers that CI runs on the package and its desktop files.
tavelin_deps_verifica=(lintian desktop-file-utils appstream)

# Installs the packages named, or the whole build's list when none is named.
tavelin_install_deps() {
  local voluti=("$@") missing=() p
  [ ${#voluti[@]} -eq 0 ] && voluti=("${tavelin_deps[@]}")
  for p in "${voluti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installo i pacchetti mancanti: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}
