# Sourced by a pass that names its steps (scripts/windows_check.sh,
# scripts/web_check.sh):
#
#   . scripts/named_steps.sh "NAME" BUILD-DIR LIMIT SCRIPT "$@"
#
# runs SCRIPT again inside `timeout LIMIT`, so that a pass that hangs is
# stopped and named with the step it was in, and in that inner run gives it
# step (names the step that starts) and fail (ends the pass).
named_steps_pass=$1 named_steps_build=$2
named_steps_limit=$3 named_steps_self=$4
shift 4
mkdir -p "$named_steps_build"
named_steps_inner="RESONIX_INNER_$(basename "$named_steps_self" .sh)"
if [ -z "${!named_steps_inner:-}" ]; then
  status=0
  env "$named_steps_inner=1" timeout --kill-after=20 "$named_steps_limit" "$named_steps_self" "$@" || status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "$named_steps_pass: HUNG: scripts/$(basename "$named_steps_self") was stopped after $named_steps_limit s," \
      "in the step: $(cat "$named_steps_build/check-step" 2>/dev/null || echo unknown)" >&2
  fi
  exit "$status"
fi

start=$SECONDS
step() {
  echo "$*" >"$named_steps_build/check-step"
  echo "== $named_steps_pass: $* ($((SECONDS - start)) s)"
}
fail() {
  echo "$named_steps_pass: FAILED: $*" >&2
  exit 1
}
