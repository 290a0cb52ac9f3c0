#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings dialog on real screens of 1024 x 768 and 1280 x 1024: the
# dialog's own check of its rows (every field at its natural height, the form
# scrolling where the screen is short, Save and Cancel kept in place) runs in
# a real X window; and Esc leaves `wildcrest --settings` with status 0.
set -uo pipefail

game=${1:?usage: dialog-on-x.sh path/to/wildcrest path/to/wildcrest_settings_tests}
tests=${2:?usage: dialog-on-x.sh path/to/wildcrest path/to/wildcrest_settings_tests}
source "$(dirname "$0")/bare-x.sh"
unset QT_QPA_PLATFORM
export LANGUAGE=en XDG_CONFIG_HOME="$work/config"

for xvfb_screen in 1024x768 1280x1024; do
  start_xvfb
  QT_QPA_PLATFORM=xcb "$tests" --gtest_filter='SettingsDialog.OnAShortScreen*' >"$work/dialog.log" 2>&1 ||
    fail "on $xvfb_screen: $(grep -E 'Failure|Expected|Which is|dialog_test' "$work/dialog.log" | head -20)"
  echo "on $xvfb_screen: every field at its natural height, the buttons in place"
  stop_xvfb
done

window_name="Wildcrest settings"
start_game dialog "$game" --settings
xdotool key --window "$win" Escape
expect_ended_with_0 "Esc in the settings dialog"
echo "1 passed, 0 failed"
