#!/usr/bin/env bash
# Plays resonix with the keyboard alone under the Orca screen reader and checks
# what Orca says: each window's name, each analysis and unit as the arrow keys
# choose it, the selected unit as Tab reaches a unit list, each caption in
# full, the results or the error message as Calculate writes them (again for
# the same inputs, anew for new ones) and when the user reaches them, and the
# About box's link with its address; and that Orca announces no control and
# no window that the focus did not move to. Runs Xvfb, a session bus, the accessibility bus
# and Orca (its speech goes only to its debug log), all stopped at the end.
# Builds the Release program in build/package, which the package check builds
# as well. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/package
program="$PWD/$build/resonix"
if [ -z "${RESONIX_ORCA_CHECK_SESSION:-}" ]; then
  start=$SECONDS
  scripts/setup.sh orca
  werror=OFF
  if [ "${CI:-}" = "true" ]; then werror=ON; fi
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF -DRESONIX_WERROR="$werror" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target resonix >/dev/null
  echo "orca check: built in $((SECONDS - start)) s"
  # The session, in a time limit of its own: a hang names this pass.
  limit=${RESONIX_ORCA_CHECK_LIMIT:-120}
  status=0
  RESONIX_ORCA_CHECK_SESSION=1 timeout --kill-after=10 "$limit" "$0" "$@" || status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "orca check: the Orca session hung and was stopped after $limit s (scripts/orca_check.sh)" >&2
  fi
  [ "$status" -eq 0 ] && echo "orca check passed in $((SECONDS - start)) s"
  exit "$status"
fi

start=$SECONDS
tmp="$(mktemp -d)"
pids=()
stop_all() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  if [ -n "${RESONIX_ORCA_KEEP_LOG:-}" ]; then cp "$tmp/orca.log" "$RESONIX_ORCA_KEEP_LOG" 2>/dev/null || true; cp "$tmp/resonix.log" "$RESONIX_ORCA_KEEP_LOG.resonix" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap stop_all EXIT
trap 'exit 143' TERM INT

# Each process started here is stopped by stop_all, without a word from bash.
started() {
  pids+=("$1")
  disown "$1"
}

# Orca's home: its settings, the silent speech server, its log written line by line.
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_CACHE_HOME="$tmp/home/.cache" XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<'EOF'
{"general": {"firstStart": false, "speechServerFactory": "silent_speech", "speechServerInfo": null,
             "enableSound": false, "enableKeyEcho": false, "enableEchoByCharacter": false,
             "enableEchoByWord": false, "enableBraille": false},
 "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}
EOF
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
    debug.debugLevel = debug.LEVEL_INFO
EOF
log="$tmp/orca.log"
: >"$log"

fail() {
  echo "orca check: $*" >&2
  exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
started $!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
export DISPLAY=":$(head -1 "$tmp/display")"
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/atspi.log" 2>&1 &
started $!
PYTHONPATH="$PWD/scripts/orca" orca --replace --debug-file="$log" >"$tmp/orca.out" 2>&1 &
started $!

# What Orca said after line $1 of its log, one utterance a line.
said_since() {
  tail -n +"$(($1 + 1))" "$log" | awk '
    function flush() {
      if (record ~ / - SPEECH OUTPUT: \047/) {
        sub(/^[^\047]* - SPEECH OUTPUT: \047/, "", record)
        sub(/\047 ?\{.*$/, "", record)
        gsub(/\n/, " ", record)
        print record
      }
      record = ""
    }
    /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\./ { flush(); record = $0; next }
    { record = record "\n" $0 }
    END { flush() }'
}

mark=0
step=""
# One action of the user; what Orca says next is checked against it.
act() {
  step="$1"
  shift
  mark=$(wc -l <"$log")
  "$@"
}
press() { act "after $*" xdotool key --clearmodifiers "$@"; }
type_text() { act "after typing \"$1\"" xdotool type --delay 40 "$1"; }

# Until Orca's log stands still for half a second (at most 5 s).
quiet() {
  local lines=-1 now
  for _ in $(seq 25); do
    now=$(wc -l <"$log")
    [ "$now" -eq "$lines" ] && return
    lines=$now
    sleep 0.2
  done
}

report() {
  echo "orca check: $step, expected Orca to say $1" >&2
  echo "  Orca said:" >&2
  said_since "$mark" | sed 's/^/    /' >&2
  exit 1
}

# Orca says each of these (parts of its utterances), in this order, within 15 s.
hears() {
  local wanted text
  for _ in $(seq 150); do
    text="$(said_since "$mark" | tr '\n' '|')"
    local rest="$text" ok=1
    for wanted in "$@"; do
      if [[ "$rest" == *"$wanted"* ]]; then rest="${rest#*"$wanted"}"; else ok=0; break; fi
    done
    [ "$ok" -eq 1 ] && return
    sleep 0.1
  done
  report "$(printf '"%s" ' "$@")"
}

# Orca says these utterances (patterns, * for any text) and nothing else:
# nothing that the user did not move to.
hears_only() {
  local patterns=("$@") wanted=() pieces=() pattern piece said i
  for pattern in "$@"; do
    IFS='*' read -ra pieces <<<"$pattern"
    for piece in "${pieces[@]}"; do [ -n "$piece" ] && wanted+=("$piece"); done
  done
  hears "${wanted[@]}"
  quiet
  mapfile -t said < <(said_since "$mark")
  [ "${#said[@]}" -eq $# ] || report "only $(printf '"%s" ' "$@")"
  for ((i = 0; i < $#; i++)); do
    # shellcheck disable=SC2053
    [[ "${said[i]}" == ${patterns[i]} ]] || report "only $(printf '"%s" ' "$@")"
  done
}

# Orca is ready when it has said so.
mark=0
step="at Orca's start"
hears "Screen reader on."
quiet

step="at the start"
mark=$(wc -l <"$log")
"$program" >"$tmp/resonix.log" 2>&1 &
resonix=$!
started "$resonix"
hears "SDOF System Natural Frequency,  version 2.1 dialog" "Visit Web Site push button."
quiet
press Tab
hears_only "Exit push button."
press Tab
hears_only "Select Motion." "List with 2 items."

# Rotation: the analyses by arrows, the captions in full, an input error.
press Down
hears "Rotation dialog." "Return push button."
quiet
press Tab
hears_only "Select Analysis." "List with 3 items." "Calculate."
press Down
hears_only "natural frequency."
press Down
hears_only "torsional stiffness."
press Down
hears_only "polar moment of inertia."
press Up
hears_only "torsional stiffness."
press Up
hears_only "natural frequency."
press Tab
hears_only "Polar Moment of Inertia read only text." "Polar Moment of Inertia."
press Tab
hears_only "Torsional stiffness read only text." "Torsional stiffness."
press Tab
hears_only "Polar Moment of Inertia text." " "
type_text 0
quiet
press Tab
hears_only "Torsional stiffness text." " "
type_text 800
quiet
press Tab
hears_only "Input Data." "List with 6 items." "kg m^2 (N m sec^2)"
press Down
hears_only "slugs ft^2."
press Up
hears_only "kg m^2 (N m sec^2)"
press Return
hears_only "notification *: inertia input error."
press Tab
hears_only "Input Data." "List with 6 items." "N m/rad."
press Tab
hears_only "* read only text." "inertia input error."
press Escape
hears "SDOF System Natural Frequency,  version 2.1 dialog" "Select Motion."
quiet

# Translation: the worked example, units chosen by arrows, the results reached.
press End
hears "Translation dialog." "Return push button."
quiet
press Tab
hears_only "Select Analysis." "List with 3 items." "Calculate."
press Down
hears_only "natural frequency."
press Down
hears_only "stiffness."
press Down
hears_only "mass."
press Home
hears_only "natural frequency."
press Tab
hears_only "Mass read only text." "Mass."
press Tab
hears_only "Stiffness read only text." "Stiffness."
press Tab
hears "Mass text."
quiet
type_text 10
quiet
press Tab
hears "Stiffness text."
quiet
type_text 1000
quiet
press Tab
hears_only "Input Data." "List with 3 items." "kg."
press Down
hears_only "slugs."
press Up
hears_only "kg."
press Tab
hears_only "Input Data." "List with 4 items." "N/m."
press Down
hears_only "N/mm."
press Up
hears_only "N/m."
press Return
worked_example="notification Natural Frequency: 10 rad/sec, 1.592 Hz. Static Deflection at 1 G: 98.1 mm, 3.86 in."
hears_only "$worked_example"
# Calculate twice: the same inputs are said again, new ones anew.
press Return
hears_only "$worked_example"
press Down
hears_only "N/mm."
press Return
hears_only "notification Natural Frequency: 316.2 rad/sec, 50.33 Hz. Static Deflection at 1 G: 0.0981 mm, 0.00386 in."
press Up
hears_only "N/m."
press Return
hears_only "$worked_example"
press Tab
hears_only "Natural Frequency read only text." "            10 rad/sec."
press Tab
hears_only "Natural Frequency read only text." "Natural Frequency."
press Tab
hears_only "Static Deflection at 1 G read only text." "          98.1 mm "
press Escape
hears "SDOF System Natural Frequency,  version 2.1 dialog" "Select Motion."
quiet

# Typing at a typist's speed and faster, right after each calculator opens (the
# keys typed ahead as it opens) and right after each analysis is chosen by a
# click: a click into each input and the value typed at once, then Calculate
# by a click. Orca holds every key while it decides whether the key is its
# own, and clicks are not held; every key must still reach the field it was
# typed into before the next click acts, and keys typed ahead while a window
# opens belong to that window. The fields then hold the echoes of exactly what
# was typed (C's printf gives them).
fields_now() { /usr/bin/python3 "$PWD/scripts/orca/typed_fields.py" 2>/dev/null | sort; }
where() { /usr/bin/python3 "$PWD/scripts/orca/where.py" "$@" 2>/dev/null; }
# Keys as xdotool names them.
key_names() { echo "$1" | sed 's/./& /g; s/\./period/g'; }
# holds NAME1 TEXT1 NAME2 TEXT2: once Orca has let every key through, the
# inputs show these echoes.
holds() {
  local wanted now
  wanted="$(LC_ALL=C printf '%s\t"%14.5g"\n%s\t"%14.5g"\n' "$1" "$2" "$3" "$4" | sort)"
  for _ in $(seq 50); do
    now="$(fields_now)"
    [ "$now" = "$wanted" ] && return
    sleep 0.1
  done
  echo "orca check: $step, expected the inputs to hold what was typed:" >&2
  echo "$wanted" | sed 's/^/    /' >&2
  echo "  they hold:" >&2
  echo "$now" | sed 's/^/    /' >&2
  exit 1
}
# types_in SPEED OPEN-KEY CALCULATOR (ANALYSIS INPUT1 INPUT2)...: opens the
# calculator and types into it at once, then chooses each further analysis
# with the mouse and types at once.
types_in() {
  local speed=$1 open=$2 calculator=$3
  shift 3
  local first=1 one two calculate input1 input2 item
  # Where the controls are: the window opens in the same place each time.
  xdotool key "$open"
  sleep 1
  xdotool key Tab Down
  for _ in $(seq 50); do calculate="$(where "push button" Calculate)" && break; sleep 0.1; done
  input1="$(where text "$2")" input2="$(where text "$3")"
  [ -n "$calculate" ] && [ -n "$input1" ] && [ -n "$input2" ] || fail "$calculator does not show its inputs and Calculate"
  declare -A items
  for item in "$1" "$4" "$7"; do items[$item]="$(where "list item" "$item")"; done
  xdotool key Escape
  quiet
  while [ $# -gt 0 ]; do
    one="$((RANDOM % 900 + 10)).$((RANDOM % 10))"
    two="$((RANDOM % 90000 + 100))"
    step="typing $one and $two at one key per $speed ms in $calculator, each after a click into its input, then Calculate by a click,"
    local typing=(mousemove $input1 click 1 key --delay "$speed" $(key_names "$one")
                  mousemove $input2 click 1 key --delay "$speed" $(key_names "$two") mousemove $calculate click 1)
    if [ "$first" -eq 1 ]; then
      # Typed ahead as the window opens, before it shows: keys alone.
      step="typing $one and $two at one key per $speed ms in $calculator, Tab between them and Return to calculate, right after it opened"
      # shellcheck disable=SC2046
      xdotool key --delay "$speed" "$open" Tab Down Tab Tab Tab $(key_names "$one") Tab $(key_names "$two") Return
      first=0
    else
      step="$step right after choosing \"$1\""
      xdotool mousemove ${items[$1]} click 1 "${typing[@]}"
    fi
    holds "$2" "$one" "$3" "$two"
    shift 3
  done
  xdotool key Escape
  quiet
}
mark=$(wc -l <"$log")
for speed in 8 66; do
  types_in "$speed" Down Rotation "natural frequency" "Polar Moment of Inertia" "Torsional stiffness" \
    "torsional stiffness" "Natural Frequency" "Polar Moment of Inertia" \
    "polar moment of inertia" "Natural Frequency" "Torsional Stiffness"
  types_in "$speed" End Translation "natural frequency" Mass Stiffness stiffness "Natural Frequency" Mass \
    mass "Natural Frequency" Stiffness
done

# The About box and its link.
press Tab
hears_only "Visit Web Site push button."
press Return
hears "About resonix dialog" "Return push button."
quiet
press Tab
hears "Click here to visit the resonix web site for news." "https://resonix.example.org/"
quiet
press Escape
hears "SDOF System Natural Frequency,  version 2.1 dialog"
quiet
press Escape
for _ in $(seq 50); do kill -0 "$resonix" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$resonix" 2>/dev/null; then fail "resonix did not end on Escape in its main window"; fi

echo "orca check: the Orca session passed in $((SECONDS - start)) s"
