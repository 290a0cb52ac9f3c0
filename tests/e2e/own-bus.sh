# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by the tests that read the game through AT-SPI: runs the test
# again under a session bus of its own and a runtime folder of its own. The
# accessibility bus puts its socket in that folder; without one, every test's
# bus would take ~/.cache/at-spi/bus, and tests run side by side would find
# each other's bus, or a socket already gone.
if [ -z "${WILDCREST_OWN_BUS:-}" ]; then
  own_runtime=$(mktemp -d)
  env WILDCREST_OWN_BUS=1 XDG_RUNTIME_DIR="$own_runtime" dbus-run-session -- "$0" "$@"
  own_status=$?
  rm -rf "$own_runtime"
  exit "$own_status"
fi
