#!/usr/bin/env bash
# Checks how scripts/run.sh offers the demo workspace. The script runs in a
# copy of the checkout's layout where installing, building and the program
# itself are stand-ins: the program only reports the folder it was started
# in and the data files it found there.
#   run_script_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

root="$scratch/checkout"
mkdir -p "$root/scripts" "$root/examples" "$root/build/release" "$scratch/bin"
cp "$source_dir/scripts/run.sh" "$root/scripts/run.sh"
cp -r "$source_dir/examples/demo" "$root/examples/demo"
printf '#!/bin/sh\nexit 0\n' >"$root/scripts/install-deps.sh"
printf '#!/bin/sh\nexit 0\n' >"$scratch/bin/cmake"
cat >"$root/build/release/lendora" <<'SH'
#!/bin/sh
echo "program started in $(pwd) with $(ls | grep -ci '\.lnd$') data files"
SH
chmod +x "$root/scripts/"*.sh "$scratch/bin/cmake" "$root/build/release/lendora"
demo_count=$(ls "$root/examples/demo" | grep -c '\.lnd$')
[ "$demo_count" -gt 0 ] || { echo "no demo files in $source_dir/examples/demo"; exit 1; }

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
# Runs the script with a pipe on its input that never delivers anything, as
# in a job that leaves its input open: a question would wait until the
# timeout kills it.
mkfifo "$scratch/silent"
exec 3<>"$scratch/silent"
run() {
    PATH="$scratch/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout 20 \
        "$root/scripts/run.sh" "$@" <"$scratch/silent" >"$scratch/out" 2>&1
}
# Runs the script on a terminal that answers the question with $1.
run_on_terminal() {
    local answer=$1
    shift
    printf '%s\n' "$answer" | PATH="$scratch/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout 20 \
        script -qec "$(printf '%q ' "$root/scripts/run.sh" "$@")" /dev/null >"$scratch/out" 2>&1
}
expect_output() {
    grep -qF -- "$1" "$scratch/out" || fail "$2: no \"$1\" in: $(cat "$scratch/out")"
}
expect_no_output() {
    if grep -qF -- "$1" "$scratch/out"; then fail "$2: \"$1\" in: $(cat "$scratch/out")"; fi
}
# The folder holds exactly the demo files, byte for byte.
expect_demo() {
    local folder=$1 what=$2 name
    [ "$(ls "$folder" | grep -c '\.lnd$')" -eq "$demo_count" ] || fail "$what: not the demo files"
    for name in "$root"/examples/demo/*.lnd; do
        cmp -s "$name" "$folder/$(basename "$name")" || fail "$what: $(basename "$name") differs"
    done
}
expect_empty() {
    [ -z "$(ls -A "$1")" ] || fail "$2: the folder is not empty: $(ls -A "$1")"
}
question="Start with the demo workspace? [y/N]"

# --demo into a new folder copies the demo and starts there.
run --demo "$scratch/new" || fail "--demo into a new folder exits with $?"
expect_demo "$scratch/new" "--demo into a new folder"
expect_output "program started in $scratch/new with $demo_count data files" "--demo"
expect_no_output "$question" "--demo"

# --demo never overwrites a user's data.
mkdir "$scratch/mine"
printf '1,"Mine","P","B","KickOff"\r\n' >"$scratch/mine/PRJ.LND"
cp "$scratch/mine/PRJ.LND" "$scratch/prj-before"
run --demo "$scratch/mine" || fail "--demo into a folder with data exits with $?"
cmp -s "$scratch/mine/PRJ.LND" "$scratch/prj-before" || fail "--demo changed the user's file"
[ "$(ls "$scratch/mine")" = "PRJ.LND" ] || fail "--demo added files to a user's folder"
expect_output "already holds Lendora data" "--demo into a folder with data"
expect_output "program started in $scratch/mine with 1 data files" "--demo into a folder with data"

# Without a terminal the empty default workspace starts empty, without a question.
run || fail "the default workspace exits with $?"
expect_empty "$root/workspace" "no terminal"
expect_no_output "$question" "no terminal"
expect_output "program started in $root/workspace with 0 data files" "no terminal"

# A named folder is never asked about.
run "$scratch/named" || fail "a named folder exits with $?"
expect_empty "$scratch/named" "a named folder"

if ! command -v script >/dev/null; then
    echo "script(1) is missing: the terminal cases are not run"
elif ! script -qec true /dev/null >/dev/null 2>&1; then
    echo "no pseudo-terminal can be made here (no /dev/pts): the terminal cases are not run"
else
    # On a terminal the empty default workspace asks; No (or just Enter) keeps it empty.
    for answer in "" n N no; do
        run_on_terminal "$answer" || fail "answer '$answer' exits with $?"
        expect_output "$question" "answer '$answer'"
        expect_empty "$root/workspace" "answer '$answer'"
    done
    # Yes copies the demo.
    run_on_terminal y || fail "answer y exits with $?"
    expect_output "$question" "answer y"
    expect_demo "$root/workspace" "answer y"
    expect_output "program started in $root/workspace with $demo_count data files" "answer y"
    # Once the workspace holds data it is not asked about again.
    run_on_terminal y || fail "second run exits with $?"
    expect_no_output "$question" "a workspace with data"
    # A named empty folder on a terminal is not asked about either.
    run_on_terminal y "$scratch/named" || fail "named folder on a terminal exits with $?"
    expect_no_output "$question" "a named folder on a terminal"
    expect_empty "$scratch/named" "a named folder on a terminal"
fi

# Unknown options and extra arguments are refused before anything is built.
if run --bogus; then fail "--bogus is accepted"; fi
if run a b; then fail "two folders are accepted"; fi
run --help || fail "--help exits with $?"
expect_output "run.sh --demo [FOLDER]" "--help"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
