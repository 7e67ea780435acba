#!/usr/bin/env bash
# The scripts of scripts/ (and .ci/run) in a copy of the tree where apt, cmake,
# ctest, the program and the demo server are stand-ins that log how they were
# called, so each case runs in a moment and builds nothing.
#
#   ScriptsTest.sh <source tree> <case>
set -euo pipefail
source_root=$1
case_name=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/tree
log=$work/log
mkdir -p "$root/scripts" "$root/.ci" "$work/bin" "$work/here" "$log"
cp "$source_root"/scripts/{run,test,bench,install-deps} "$root/scripts/"
cp "$source_root/.ci/run" "$root/.ci/run"

# Every package counts as installed; the purpose asked for is logged.
stub() {
  printf '#!/usr/bin/env bash\n%s\n' "$2" >"$1"
  chmod +x "$1"
}
stub "$root/scripts/install-deps" "echo \"\$*\" >>'$log/install-deps'"
stub "$work/bin/cmake" "echo \"\$*\" >>'$log/cmake'"
stub "$work/bin/ctest" "echo \"\$*\" >>'$log/ctest'"
build=$work/build
mkdir -p "$build/app" "$build/tools"
stub "$build/app/korvane-trelio" "pwd >'$log/program-folder'; exit \${STUB_STATUS:-0}"
stub "$build/tools/korvane-trelio-demo-server" "echo 'Listening on 127.0.0.1:4321'; exec sleep 60"

export PATH=$work/bin:$PATH KT_BUILD_DIR=$build KT_DEMO_DIR=$work/demo
export DISPLAY=:99 XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data
unset CMAKE_BUILD_PARALLEL_LEVEL

fail() {
  echo "FAILED: $*" >&2
  for f in "$log"/*; do echo "--- $(basename "$f")"; cat "$f"; done >&2
  exit 1
}
expect_status() {  # wanted, command...
  local wanted=$1 status=0
  shift
  "$@" >"$work/out" 2>&1 || status=$?
  [ "$status" = "$wanted" ] || { cat "$work/out" >&2; fail "$* ended with $status, not $wanted"; }
}
# No build step may name a job count other than the one asked for.
expect_jobs() {  # log file, job count or "" for none
  local line
  while read -r line; do
    case "$line" in
      *" -j "*) [ -n "$2" ] && [[ "$line" == *" -j $2 "* || "$line" == *" -j $2" ]] ||
        fail "$(basename "$1") called with '$line'" ;;
    esac
  done <"$1"
}

case "$case_name" in
  RealRunsInTheFolderItIsStartedIn)
    (cd "$work/here" && expect_status 0 "$root/scripts/run" --real)
    [ "$(cat "$log/program-folder")" = "$work/here" ] ||
      fail "the program ran in $(cat "$log/program-folder")"
    ;;
  StatusIsTheProgramsStatus)
    for status in 0 3; do
      STUB_STATUS=$status expect_status "$status" "$root/scripts/run"
      STUB_STATUS=$status expect_status "$status" "$root/scripts/run" --real
    done
    ;;
  RunBuildsOnlyWhatRunningNeeds)
    expect_status 0 "$root/scripts/run" --real
    [ "$(cat "$log/install-deps")" = run ] || fail "install-deps $(cat "$log/install-deps")"
    grep -q -- '--build .* --target korvane-trelio korvane-trelio-demo-server$' "$log/cmake" ||
      fail "not only the program and the demo server built"
    grep -q -- '-DKT_BUILD_TESTS=OFF -DKT_BUILD_BENCH=OFF' "$log/cmake" ||
      fail "a first configure with the tests"
    # A build folder that is configured already keeps its options.
    : >"$log/cmake"
    touch "$build/CMakeCache.txt"
    expect_status 0 "$root/scripts/run" --real
    ! grep -q -- '-DKT_BUILD' "$log/cmake" || fail "the options of a configured build changed"
    ;;
  TestAndBenchInstallWhatTheyNeed)
    expect_status 0 "$root/scripts/test"
    expect_status 0 "$root/scripts/bench"
    [ "$(cat "$log/install-deps")" = "test
test" ] || fail "install-deps $(cat "$log/install-deps")"
    grep -q -- '-DKT_BUILD_TESTS=ON -DKT_BUILD_BENCH=ON' "$log/cmake" || fail "tests not configured"
    ;;
  BuildJobsFollowTheParallelLevel)
    for script in "scripts/run --real" scripts/test scripts/bench .ci/run; do
      expect_status 0 $root/$script
    done
    expect_jobs "$log/cmake" ""
    export CMAKE_BUILD_PARALLEL_LEVEL=2
    : >"$log/cmake"
    : >"$log/ctest"
    for script in "scripts/run --real" scripts/test scripts/bench .ci/run; do
      expect_status 0 $root/$script
    done
    # cmake --build reads CMAKE_BUILD_PARALLEL_LEVEL itself; ctest is told.
    expect_jobs "$log/cmake" ""
    expect_jobs "$log/ctest" 2
    [ "$(grep -c -- '-j 2' "$log/ctest")" = 4 ] || fail "ctest not told the job count"
    ;;
  *)
    echo "no case $case_name" >&2
    exit 2
    ;;
esac
