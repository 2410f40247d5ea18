# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the set-up scripts: installs those of the given Debian packages that are missing.
installer_mangler() {
    local mangler=() p sudo=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mangler+=("$p")
    done
    ((${#mangler[@]})) || return 0
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${mangler[@]}"
}
