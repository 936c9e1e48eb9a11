# Shared pieces of scripts/zelvit-env: the temporary home, private D-Bus
# buses, and the list of processes to stop at the end.

zelvit_env_pids=()

zelvit_env_init() {
  if [ -n "${ZELVIT_ENV_DIR:-}" ]; then
    ZELVIT_ENV_ROOT=$ZELVIT_ENV_DIR
    ZELVIT_ENV_KEEP=1
    mkdir -p "$ZELVIT_ENV_ROOT"
    # The handset's storage and the programs' logs may carry the card's secrets.
    chmod 0700 "$ZELVIT_ENV_ROOT"
  else
    ZELVIT_ENV_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/zelvit-env.XXXXXX")
    ZELVIT_ENV_KEEP=0
  fi
  export ZELVIT_ENV_ROOT
  export HOME=$ZELVIT_ENV_ROOT/home
  export XDG_DATA_HOME=$HOME/.local/share
  export XDG_CONFIG_HOME=$HOME/.config
  export XDG_CACHE_HOME=$HOME/.cache
  export XDG_RUNTIME_DIR=$ZELVIT_ENV_ROOT/runtime
  export XDG_DATA_DIRS=$ZELVIT_ENV_ROOT/share:/usr/local/share:/usr/share
  export GSETTINGS_BACKEND=memory
  export GSETTINGS_SCHEMA_DIR=/usr/share/glib-2.0/schemas
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$ZELVIT_ENV_ROOT/share" "$ZELVIT_ENV_ROOT/log"
  mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
  # Never fall back to the machine's own buses.
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$ZELVIT_ENV_ROOT/no-system-bus
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$ZELVIT_ENV_ROOT/no-session-bus
}

# zelvit_env_track PID: stop this process (and its process group) at the end.
zelvit_env_track() {
  zelvit_env_pids+=("$1")
}

# zelvit_env_log NAME: where a started program's output goes.
zelvit_env_log() {
  echo "$ZELVIT_ENV_ROOT/log/$1.log"
}

# zelvit_env_start NAME command...: start a program in its own process group,
# output to its log (and to stderr with ZELVIT_ENV_VERBOSE=1).
zelvit_env_start() {
  local name=$1; shift
  local log
  log=$(zelvit_env_log "$name")
  if [ "${ZELVIT_ENV_VERBOSE:-0}" = 1 ]; then
    setsid "$@" > >(tee -a "$log" >&2) 2>&1 &
  else
    setsid "$@" >>"$log" 2>&1 &
  fi
  zelvit_env_track $!
  ZELVIT_ENV_LAST_PID=$!
}

# zelvit_env_bus KIND (system|session): a private dbus-daemon with an
# allow-all policy and only our own service directory. Exports its address.
zelvit_env_bus() {
  local kind=$1
  local dir=$ZELVIT_ENV_ROOT/$kind-bus
  mkdir -p "$dir/services"
  cat >"$dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$dir/socket</listen>
  <servicedir>$dir/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  local address=unix:path=$dir/socket
  if [ "$kind" = system ]; then
    export DBUS_SYSTEM_BUS_ADDRESS=$address
  else
    export DBUS_SESSION_BUS_ADDRESS=$address
  fi
  zelvit_env_start "$kind-bus" dbus-daemon --config-file="$dir/bus.conf" --nofork --nopidfile
  local i
  for i in $(seq 1 200); do
    [ -S "$dir/socket" ] && return 0
    sleep 0.01
  done
  echo "zelvit-env: $kind bus did not start" >&2
  return 1
}

# zelvit_env_services_dir KIND: the bus's directory for activatable services.
zelvit_env_services_dir() {
  echo "$ZELVIT_ENV_ROOT/$1-bus/services"
}

# zelvit_env_wait_name KIND NAME [TRIES]: wait until a bus name has an owner.
zelvit_env_wait_name() {
  local kind=$1 name=$2 tries=${3:-300}
  local address
  if [ "$kind" = system ]; then address=$DBUS_SYSTEM_BUS_ADDRESS; else address=$DBUS_SESSION_BUS_ADDRESS; fi
  local i
  for i in $(seq 1 "$tries"); do
    if dbus-send --bus="$address" --print-reply --dest=org.freedesktop.DBus / \
         org.freedesktop.DBus.NameHasOwner string:"$name" 2>/dev/null | grep -q 'boolean true'; then
      return 0
    fi
    sleep 0.01
  done
  echo "zelvit-env: $name did not appear on the $kind bus" >&2
  return 1
}

zelvit_env_teardown() {
  local pid
  # Newest first: clients before the buses they sit on.
  for ((i=${#zelvit_env_pids[@]}-1; i>=0; i--)); do
    pid=${zelvit_env_pids[$i]}
    kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null
  done
  for pid in "${zelvit_env_pids[@]}"; do
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.01
    done
    kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  # Services activated by a bus run in the bus's process group, stopped above.
  if [ "$ZELVIT_ENV_KEEP" = 0 ]; then
    rm -rf "$ZELVIT_ENV_ROOT"
  fi
}

zelvit_env_system_bus() { zelvit_env_ensure_bus system; }
zelvit_env_session_bus() { zelvit_env_ensure_bus session; }

# zelvit_env_ensure_bus KIND: start the private bus of that kind unless a
# module already did (several modules share the session bus).
zelvit_env_ensure_bus() {
  [ -S "$ZELVIT_ENV_ROOT/$1-bus/socket" ] || zelvit_env_bus "$1"
}
