#!/bin/sh
# Installs axe-core from the npm registry into the build folder for the
# accessibility audit; nothing of it is kept in the source tree.
set -e
prefix="$1/npm"
[ -f "$prefix/node_modules/axe-core/axe.min.js" ] && exit 0
mkdir -p "$prefix"
npm install --prefix "$prefix" --no-audit --no-fund --no-save --loglevel=error axe-core@4
