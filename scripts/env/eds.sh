# --eds: Evolution Data Server on the private session bus, its built-in address
# book seeded by zelvit-seed-contacts.
# --eds-stalled: the address-book services are activatable but never answer.
#   ZELVIT_CONTACTS_COUNT=N     N generated contacts
#   ZELVIT_CONTACTS_FILE=PATH   contacts from a file (default: the sample file)
#   ZELVIT_CONTACTS_FILE=none   an empty, working address book
# The daemons start by activation on our bus only, so they inherit the
# temporary home and are stopped with the bus's process group.

# zelvit_env_eds_services [EXEC]: service files for the registry and address-book
# daemons in our bus's service directory, Name and Exec taken from the
# installed ones (no hand-over to the machine's systemd user session), or with
# every Exec replaced by EXEC.
zelvit_env_eds_services() {
  zelvit_env_ensure_bus session || return 1
  local services real
  services=$(zelvit_env_services_dir session)
  for real in /usr/share/dbus-1/services/org.gnome.evolution.dataserver.Sources*.service \
              /usr/share/dbus-1/services/org.gnome.evolution.dataserver.AddressBook*.service; do
    if [ ! -f "$real" ]; then
      echo "zelvit-env: Evolution Data Server is not installed ($real)" >&2
      return 1
    fi
    if [ $# -gt 0 ]; then
      { echo '[D-BUS Service]'; grep '^Name=' "$real"; echo "Exec=$1"; } >"$services/$(basename "$real")"
    else
      grep -E '^(\[D-BUS Service\]|Name=|Exec=)' "$real" >"$services/$(basename "$real")"
    fi
  done
}

zelvit_env_eds_stalled() {
  zelvit_env_eds_services "/bin/sleep 600"
}

zelvit_env_eds() {
  zelvit_env_eds_services || return 1

  local seed=$ZELVIT_BIN_DIR/zelvit-seed-contacts
  if [ ! -x "$seed" ]; then
    echo "zelvit-env: $seed is missing (build the zelvit-seed-contacts target)" >&2
    return 1
  fi
  local args=()
  if [ -n "${ZELVIT_CONTACTS_COUNT:-}" ]; then
    args=(--count "$ZELVIT_CONTACTS_COUNT")
  elif [ "${ZELVIT_CONTACTS_FILE:-}" != none ]; then
    args=(--file "${ZELVIT_CONTACTS_FILE:-$ZELVIT_SOURCE_DIR/sim/addressbook/sample-contacts.txt}")
  fi
  local log
  log=$(zelvit_env_log eds-seed)
  if ! timeout 60 "$seed" "${args[@]}" >>"$log" 2>&1; then
    echo "zelvit-env: seeding the address book failed:" >&2
    cat "$log" >&2
    return 1
  fi
  [ "${ZELVIT_ENV_VERBOSE:-0}" = 1 ] && cat "$log" >&2
  return 0
}
