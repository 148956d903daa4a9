#!/bin/sh
# Installs the Debian packages the build and the tests need. Does nothing when
# they are all present already, so it is safe to run before every build.
set -eu

PACKAGES="build-essential cmake pkg-config python3 \
liblua5.4-dev liblua5.3-dev nlohmann-json3-dev libsndfile1-dev \
libgtest-dev googletest libbenchmark-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "setup: installing$missing"
SUDO=""
if [ "$(id -u)" != "0" ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
