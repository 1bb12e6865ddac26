# Sourced by the workbench's scripts that start other programs: their
# standard descriptors, their children, their lock and their end.
#
# Descriptors 0-2 are open once this is sourced: a closed one is opened on
# /dev/null, so that no file the script or a child opens later takes its
# number (a program's standard error is never a lock, a picture or an X
# connection).
#
#   child COMMAND [ARG...]
#       runs COMMAND, waits for it and returns its status. It runs in the
#       background, so that a signal sent to this script alone is handled at
#       once, but keeps the standard input and gets INT and QUIT as the
#       script got them (a background command of a script starts with both
#       ignored). Where setpriv is found, COMMAND gets SIGTERM if the script
#       dies first, however it dies.
#   child_group COMMAND [ARG...]
#       child, with COMMAND leading a process group of its own (setsid), so
#       that ending it ends everything it started, whatever COMMAND does on
#       the signal (CTest leaves its tests running, cmake its compilers).
#       Not for a command that may ask at the terminal.
#   start_child COMMAND [ARG...]
#       child without waiting; the pid is in child_pid.
#   end_child PID
#       SIGTERM, then SIGKILL if PID still runs 5 s later (to its whole
#       group, for one started by child_group); reaps it.
#   print_help <<TEXT
#       TEXT on standard output, then exit 0; exit 1 with a message when it
#       cannot be written.
#   temp_paths+=(PATH)
#       PATH is removed (rm -rf) when the script ends; `keep PATH` undoes it.
#   hold_lock FILE TEXT
#       takes the lock on FILE (flock) and writes "pid PID: TEXT" into it.
#       A lock whose holder is gone (no process of the pid written in FILE
#       has FILE open) is broken: the file is replaced. Returns 1, with the
#       holder's line in lock_holder, while the holder runs; 2 if FILE
#       cannot be opened. FILE is removed when the script ends; the lock
#       descriptor is lock_fd.
#   start_virtual_display [XVFB_OPTION...]
#       starts a private Xvfb and exports DISPLAY and XAUTHORITY for it.
#
# However the script ends, its children still running get SIGTERM, the
# latest first (SIGKILL after 5 s), and temp_paths are removed. Ended by HUP,
# INT, TERM or QUIT, the script then ends by the same signal (QUIT, which
# bash never dies of, as status 131), so that its caller sees which one.

[[ -e /dev/fd/0 ]] || exec 0</dev/null
[[ -e /dev/fd/1 ]] || exec 1>/dev/null
[[ -e /dev/fd/2 ]] || exec 2>/dev/null

children=()
groups=()
temp_paths=()
me=${0##*/}
# COMMAND's parent: setpriv ties COMMAND's life to this script's.
parent_tie=()
command -v setpriv >/dev/null && parent_tie=(setpriv --pdeathsig TERM --)

start_child() {
  ( trap - INT QUIT; exec "${parent_tie[@]}" "$@" ) <&0 &
  child_pid=$!
  children+=("$child_pid")
}

child() {
  local status=0
  start_child "$@"
  wait "$child_pid" || status=$?
  forget_child "$child_pid"
  return "$status"
}

child_group() {
  local status=0
  start_child setsid "$@"
  groups+=("$child_pid")
  wait "$child_pid" || status=$?
  forget_child "$child_pid"
  return "$status"
}

forget_child() {
  local i
  for i in "${!children[@]}"; do [[ ${children[i]} != "$1" ]] || unset 'children[i]'; done
  for i in "${!groups[@]}"; do [[ ${groups[i]} != "$1" ]] || unset 'groups[i]'; done
}

keep() {
  local i
  for i in "${!temp_paths[@]}"; do [[ ${temp_paths[i]} != "$1" ]] || unset 'temp_paths[i]'; done
}

end_child() {
  local tries target=$1
  [[ " ${groups[*]} " != *" $1 "* ]] || target=-$1
  if kill -TERM -- "$target" 2>/dev/null; then
    for ((tries = 0; tries < 50; tries++)); do
      kill -0 "$1" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL -- "$target" 2>/dev/null
  fi
  wait "$1" 2>/dev/null
  forget_child "$1"
}

end_all() {
  local pids=() i path
  for i in "${!children[@]}"; do pids=("${children[i]}" "${pids[@]}"); done
  for i in "${pids[@]}"; do end_child "$i"; done
  for path in "${temp_paths[@]}"; do rm -rf -- "$path"; done
  temp_paths=()
}

# on_signal NAME STATUS
on_signal() {
  set +e
  trap '' HUP INT TERM QUIT
  end_all
  trap - EXIT "$1"
  kill -s "$1" "$$"
  exit "$2"
}
trap 'on_signal HUP 129' HUP
trap 'on_signal INT 130' INT
trap 'on_signal QUIT 131' QUIT
trap 'on_signal TERM 143' TERM
trap 'set +e; end_all' EXIT

print_help() {
  if ! cat 2>/dev/null; then
    echo "Greska: upis na standardni izlaz nije uspeo." >&2
    exit 1
  fi
  exit 0
}

hold_lock() {
  local file=$1 text=$2 tries guard folder
  for ((tries = 0; tries < 10; tries++)); do
    { exec {lock_fd}<>"$file"; } 2>/dev/null || return 2
    if flock -n "$lock_fd"; then
      # Removed or replaced since it was opened (its run has just ended):
      # the lock is on the file now there.
      if [[ /dev/fd/$lock_fd -ef $file ]]; then
        printf 'pid %d: %s\n' "$$" "$text" >"$file"
        if [[ $file == /* ]]; then temp_paths+=("$file"); else temp_paths+=("$PWD/$file"); fi
        return 0
      fi
    else
      lock_holder=
      IFS= read -r lock_holder <&"$lock_fd" || true
      [[ $lock_holder =~ ^pid\ ([0-9]+):\ [[:print:]]+$ ]] || { lock_holder=nepoznato; return 1; }
      holder_alive "${BASH_REMATCH[1]}" "$file" && return 1
      # A process the holder left behind (one that inherited its
      # descriptor) keeps the lock: the file is replaced, once, by whichever
      # run gets the folder's lock first.
      [[ $file == */* ]] && folder=${file%/*} || folder=.
      if { exec {guard}<"${folder:-/}"; } 2>/dev/null; then
        flock -w 10 "$guard" && [[ /dev/fd/$lock_fd -ef $file ]] && rm -f -- "$file"
        exec {guard}<&-
      fi
    fi
    exec {lock_fd}<&-
  done
  lock_holder=nepoznato
  return 1
}

# holder_alive PID FILE: whether process PID has FILE open (taken as so when
# its descriptors cannot be read: another user's process).
holder_alive() {
  local fd
  [[ -d /proc/$1 ]] || return 1
  [[ -x /proc/$1/fd ]] || return 0
  for fd in "/proc/$1/fd"/*; do [[ ! $fd -ef $2 ]] || return 0; done
  return 1
}

start_virtual_display() {
  local work cookie display='' tries server tool
  for tool in Xvfb xauth; do
    command -v "$tool" >/dev/null || { echo "$me: nedostaje alat '$tool'" >&2; return 1; }
  done
  if ! work=$(mktemp -d -- "${TMPDIR:-/tmp}/virtual-display.XXXXXX" 2>/dev/null); then
    echo "$me: ne mogu da napravim privremeni direktorijum u '${TMPDIR:-/tmp}' (TMPDIR)" >&2
    return 1
  fi
  [[ $work == /* ]] || work=$PWD/$work
  temp_paths+=("$work")
  # The server takes every cookie of its file, whatever display it names;
  # the clients find theirs under the display's number, added once known.
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  : >"$work/auth"
  xauth -q -f "$work/auth" add :0 . "$cookie" 2>"$work/server.log"
  # -displayfd: Xvfb takes a free display itself and writes its number
  # once it accepts connections.
  start_child Xvfb -displayfd 3 -auth "$work/auth" -nolisten tcp "$@" \
    3>"$work/display" </dev/null >/dev/null 2>>"$work/server.log"
  server=$child_pid
  for ((tries = 0; tries < 300; tries++)); do
    IFS= read -r display <"$work/display" && break
    display=
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! $display =~ ^[0-9]+$ ]] || ! xauth -q -f "$work/auth" add ":$display" . "$cookie" 2>>"$work/server.log"; then
    end_child "$server"
    echo "$me: virtuelni X server se nije pokrenuo:" >&2
    cat -- "$work/server.log" >&2
    return 1
  fi
  export DISPLAY=:$display XAUTHORITY=$work/auth
}
