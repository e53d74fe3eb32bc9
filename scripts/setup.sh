#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing and we are root.
# Run by `make run` and `make test`; a second run finds everything and does nothing.
set -eu
pkgs="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
      libsqlite3-dev libpng-dev libjpeg-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation ccache poppler-utils"
# The country file the shipped prefix files are built from.
pkgs="$pkgs hamradio-files"
# Qt's German texts for its own file and print dialogs.
pkgs="$pkgs qt6-translations-l10n"
# The ADIF readers the export tests read their files back with, beside the build. Tests
# that need them are skipped where node or the packages are missing.
node_dir="${ZOR_NODE_DIR:-build/node}"
if command -v npm >/dev/null 2>&1 && [ ! -d "$node_dir/node_modules/tcadif" -o ! -d "$node_dir/node_modules/adif-parser-ts" ]; then
  mkdir -p "$node_dir"
  npm install --prefix "$node_dir" --no-audit --no-fund --silent adif-parser-ts tcadif >/dev/null 2>&1 ||
    echo "The ADIF readers adif-parser-ts and tcadif could not be installed; their tests are skipped." >&2
fi
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "Missing Debian packages:$missing" >&2
  echo "Install them with: sudo apt-get install$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq || true
apt-get install -y -qq --no-install-recommends $missing
