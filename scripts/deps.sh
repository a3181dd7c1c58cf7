#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tavelin need, only
# those that are missing, and the locales its two languages are tried under.
# Sourced by the other scripts.

# What the window program alone needs to build and run: with Qt's translation
# tools and their CMake package, qtbase's own translations, and the locales to
# start it in either language.
tavelin_deps_finestra=(cmake make g++ qt6-base-dev qt6-l10n-tools qt6-tools-dev
                       qt6-translations-l10n fonts-liberation locales)
# Everything else the whole build and its tests need: the command line, the
# tests and benchmarks, the GUI tests' virtual screen, the manual pages and
# the package.
tavelin_deps=("${tavelin_deps_finestra[@]}" libgtest-dev libbenchmark-dev libcli11-dev
              xvfb xdotool imagemagick scdoc dpkg-dev file
              pkg-config libstb-dev libsodium-dev libspng-dev python3-pil gettext
              dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0)
# The checkers that CI runs on the package and its desktop files.
tavelin_deps_verifica=(lintian desktop-file-utils appstream)

# The locales the programs are run under in both languages.
tavelin_locali=(it_IT.UTF-8 en_US.UTF-8)

# Installs the packages named, or the whole build's list when none is named;
# with `locales` among them, generates the locales above that are missing.
tavelin_install_deps() {
  local voluti=("$@") missing=() p
  [ ${#voluti[@]} -eq 0 ] && voluti=("${tavelin_deps[@]}")
  for p in "${voluti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installo i pacchetti mancanti: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  [[ " ${voluti[*]} " == *" locales "* ]] && tavelin_genera_locali "${sudo[@]}"
  return 0
}

# Generates each of tavelin_locali that `locale -a` lacks (which lists
# it_IT.UTF-8 as it_IT.utf8): enabled in /etc/locale.gen, then one locale-gen.
# The command to run as root (sudo or nothing) comes as the arguments.
tavelin_genera_locali() {
  local presenti mancano=() l
  presenti=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
  for l in "${tavelin_locali[@]}"; do
    local nome
    nome=$(echo "$l" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
    grep -qx "$nome" <<<"$presenti" || mancano+=("$l")
  done
  [ ${#mancano[@]} -eq 0 ] && return 0
  echo "Genero le localizzazioni mancanti: ${mancano[*]}"
  for l in "${mancano[@]}"; do
    if grep -q "^# *$l UTF-8\$" /etc/locale.gen 2>/dev/null; then
      "$@" sed -i "s/^# *$l UTF-8\$/$l UTF-8/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8\$" /etc/locale.gen 2>/dev/null; then
      echo "$l UTF-8" | "$@" tee -a /etc/locale.gen >/dev/null
    fi
  done
  "$@" locale-gen >/dev/null
}
