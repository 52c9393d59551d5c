#!/bin/sh
# The start script against stand-in programs.   Usage: check-start.sh <korvelin-start>
set -eu
start=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A program that crashes at once: started, then started again five times, then given up.
mkdir -p "$work/seed"
cat >"$work/seed/Korvelin" <<'PROGRAM'
#!/bin/sh
pwd >>runs
echo "crashing"
exit 139
PROGRAM
chmod +x "$work/seed/Korvelin"
status=0
KORVELIN_HOME="$work/home" KORVELIN_SEED="$work/seed" KORVELIN_LOG="tee -a $work/log" \
    sh "$start" >/dev/null || status=$?
[ $status -ne 0 ] || fail "gave up with status 0"
[ -f "$work/home/runs" ] || fail "the program did not run in its folder"
[ "$(wc -l <"$work/home/runs")" -eq 6 ] || fail "$(wc -l <"$work/home/runs") starts, expected 6"
[ "$(sort -u "$work/home/runs")" = "$work/home" ] || fail "not run in $work/home"
grep -q '^crashing$' "$work/log" || fail "the program's output is not logged"
grep -q 'status 139' "$work/log" || fail "the exit status is not logged"
grep -q 'stopped after 6 starts' "$work/log" || fail "giving up is not logged"

# A program already in its folder (an upgraded one) is started as it is, not the seed's.
cat >"$work/home/Korvelin" <<'PROGRAM'
#!/bin/sh
echo upgraded >>runs
exit 1
PROGRAM
rm "$work/home/runs"
KORVELIN_HOME="$work/home" KORVELIN_SEED="$work/seed" KORVELIN_LOG="cat" sh "$start" >/dev/null || true
[ "$(sort -u "$work/home/runs")" = upgraded ] || fail "the upgraded program was replaced"
echo "korvelin-start: 6 starts, then stopped"
