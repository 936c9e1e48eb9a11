# --telepathy: the handset's telephony on the private session bus: the real
# mission-control-5 as account manager and channel dispatcher, the stand-in
# connection managers "ring" and "sofiasip" (zelvit-tp-cm), the call UI's
# handler (zelvit-tp-callui) and a cellular account at
# /org/freedesktop/Telepathy/Account/ring/tel/ring, online before the command runs.
#
# Variants, from the environment:
#   ZELVIT_TP_RING_ACCOUNT=0   no cellular account at all
#   ZELVIT_TP_RING_OFFLINE=1   the cellular account exists but is disabled: it has no connection

zelvit_tp_service_file() {
  local dir=$1 name=$2 exec=$3
  printf '[D-BUS Service]\nName=%s\nExec=%s\n' "$name" "$exec" >"$dir/$name.service"
}

zelvit_tp_seed_accounts() {
  local file=$XDG_DATA_HOME/telepathy/mission-control/accounts.cfg
  mkdir -p -m 0700 "$(dirname "$file")"
  : >"$file"
  [ "${ZELVIT_TP_RING_ACCOUNT:-1}" = 0 ] && return 0
  local enabled=true
  [ "${ZELVIT_TP_RING_OFFLINE:-0}" = 1 ] && enabled=false
  # As on the handset: dispatched to the call UI even when requested on the connection.
  cat >>"$file" <<CFG
[ring/tel/ring]
manager=ring
protocol=tel
DisplayName=Cellular
param-account=+79160000000
Enabled=$enabled
ConnectAutomatically=true
AutomaticPresence=2;available;;
always_dispatch=true

CFG
}

# zelvit_tp_wait_online PATH: until the account's ConnectionStatus is Connected (0).
zelvit_tp_wait_online() {
  local path=$1 i
  for i in $(seq 1 500); do
    if dbus-send --session --print-reply --dest=org.freedesktop.Telepathy.AccountManager "$path" \
         org.freedesktop.DBus.Properties.Get string:org.freedesktop.Telepathy.Account \
         string:ConnectionStatus 2>/dev/null | grep -q 'uint32 0'; then
      return 0
    fi
    sleep 0.01
  done
  echo "zelvit-env: $path did not come online" >&2
  return 1
}

zelvit_env_telepathy() {
  local cm=$ZELVIT_BIN_DIR/zelvit-tp-cm callui=$ZELVIT_BIN_DIR/zelvit-tp-callui
  local mc=/usr/lib/telepathy/mission-control-5
  local exe
  for exe in "$cm" "$callui" "$mc"; do
    [ -x "$exe" ] || { echo "zelvit-env: $exe is missing" >&2; return 1; }
  done
  zelvit_env_ensure_bus session || return 1

  local services managers
  services=$(zelvit_env_services_dir session)
  managers=$ZELVIT_ENV_ROOT/share/telepathy/managers
  mkdir -p "$managers"
  cp "$ZELVIT_SOURCE_DIR/sim/telepathy/ring.manager" "$ZELVIT_SOURCE_DIR/sim/telepathy/sofiasip.manager" "$managers/"
  local name
  for name in AccountManager ChannelDispatcher MissionControl5; do
    zelvit_tp_service_file "$services" "org.freedesktop.Telepathy.$name" "$mc"
  done
  for name in ring sofiasip; do
    zelvit_tp_service_file "$services" "org.freedesktop.Telepathy.ConnectionManager.$name" "$cm"
  done
  zelvit_tp_seed_accounts

  # Started here rather than by activation, so that teardown knows each process id.
  zelvit_env_start telepathy-cm "$cm" ${ZELVIT_TP_SIP_CALL1:+--sip-call1}
  zelvit_env_start telepathy-callui "$callui"
  zelvit_env_wait_name session org.freedesktop.Telepathy.ConnectionManager.sofiasip || return 1
  zelvit_env_wait_name session org.freedesktop.Telepathy.Client.ZelvitCallUi || return 1
  zelvit_env_start mission-control "$mc"
  zelvit_env_wait_name session org.freedesktop.Telepathy.AccountManager || return 1

  if [ "${ZELVIT_TP_RING_ACCOUNT:-1}" != 0 ] && [ "${ZELVIT_TP_RING_OFFLINE:-0}" != 1 ]; then
    zelvit_tp_wait_online /org/freedesktop/Telepathy/Account/ring/tel/ring || return 1
  fi
}
