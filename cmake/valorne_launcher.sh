#!/bin/sh
# Starts the installed game: the campaign's title menu in the game folder.
here="$(dirname "$(readlink -f "$0")")"
exec "$here/@VALORNE_BIN_TO_GAME@/menudata.rx" "$@"
