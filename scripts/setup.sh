#!/usr/bin/env bash
# Installs what the build and the tests need, only when something is
# missing, so a second run costs nothing.
set -euo pipefail

# clang and its runtimes (libFuzzer, the sanitizers) build the sanitize preset;
# Xorg with the dummy driver and xrandr give the tests a display of two monitors;
# Openbox is the window manager they run the program under too; the fonts
# and locales let Wine show and start the program in every language.
packages=(cmake ninja-build g++ googletest python3 clang libclang-rt-dev
          g++-mingw-w64-x86-64-posix wine wine64
          xvfb xdotool xclip x11-apps fonts-dejavu-core fonts-wqy-microhei locales
          xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils openbox)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

# The locales the end-to-end tests start Wine in (LANG), made where missing.
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
for l in de_DE ja_JP ar_EG he_IL; do
    locale -a 2>/dev/null | grep -qi "^$l.utf-\?8$" || $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
