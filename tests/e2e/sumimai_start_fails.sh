#!/usr/bin/env bash
# A start-up that cannot complete (Picture.jpg missing) tells the user so and
# ends the program with a non-zero exit status.   sumimai_start_fails.sh PATH_TO_SUMIMAI
source "$(dirname "$0")/lib.sh"
sumimai=$1

e2e_start_xvfb
e2e_prepare_workdir
rm "$E2E_WORK/Picture.jpg"
e2e_start "$sumimai"
e2e_wait_window 起動できません 30 >/dev/null
e2e_settled_screenshot sumimai-start-fails >/dev/null
e2e_key_to 起動できません Return
e2e_wait_exit "$E2E_PID" 30
[ "$E2E_STATUS" -ne 0 ] || e2e_fail "Sumimai ended with status 0 after a start-up that could not complete"
echo "sumimai_start_fails: ok (exit status $E2E_STATUS)"
