# --real-sip: the real SIP stack on the private session bus: mission-control,
# Debian's SIP connection manager telepathy-rakia (bus name "...sofiasip"),
# the call UI's handler, and SIPp as the operator's registrar and callee
# (scenario tests/realpeer/registrar-callee.xml) on a loopback address of its
# own, port 5060, where rakia sends an IP-literal SIP domain's requests.
# The registrar knows one card: ZELVIT_SIP_USER (default 1000200030) with the
# SIP password ZELVIT_SIP_PASSWORD (default 8sEcret1); others get 403.
#
# Exports ZELVIT_SIP_PEER (the address: the SIP domain to use; a preset
# ZELVIT_SIP_PEER is kept) and ZELVIT_SIPP_MESSAGES (SIPp's trace of every
# message sent and received).

# zelvit_realsip_address: a loopback address whose port 5060 is free, so that
# runs side by side never share a registrar.
zelvit_realsip_address() {
  local address i
  for i in $(seq 1 20); do
    address=127.$((RANDOM % 250 + 2)).$((RANDOM % 250 + 1)).$((RANDOM % 250 + 1))
    if [ -z "$(ss -Hlun "src $address:5060 or src 0.0.0.0:5060" 2>/dev/null)" ]; then
      echo "$address"
      return 0
    fi
  done
  return 1
}

zelvit_env_real_sip() {
  local rakia=/usr/lib/telepathy/telepathy-rakia mc=/usr/lib/telepathy/mission-control-5
  local callui=$ZELVIT_BIN_DIR/zelvit-tp-callui exe
  for exe in "$rakia" "$mc" "$callui" "$(command -v sipp)"; do
    [ -x "$exe" ] || { echo "zelvit-env: ${exe:-sipp} is missing" >&2; return 1; }
  done
  zelvit_env_ensure_bus session || return 1

  local services name
  services=$(zelvit_env_services_dir session)
  for name in AccountManager ChannelDispatcher MissionControl5; do
    zelvit_tp_service_file "$services" "org.freedesktop.Telepathy.$name" "$mc"
  done
  # Activated by mission-control when an account goes online; it stops with the bus.
  zelvit_tp_service_file "$services" org.freedesktop.Telepathy.ConnectionManager.sofiasip "$rakia"
  ZELVIT_TP_RING_ACCOUNT=0 zelvit_tp_seed_accounts

  if [ -z "${ZELVIT_SIP_PEER:-}" ]; then
    ZELVIT_SIP_PEER=$(zelvit_realsip_address) || { echo "zelvit-env: no free loopback SIP address" >&2; return 1; }
  elif [ -n "$(ss -Hlun "src $ZELVIT_SIP_PEER:5060" 2>/dev/null)" ]; then
    echo "zelvit-env: $ZELVIT_SIP_PEER:5060 is taken" >&2
    return 1
  fi
  ZELVIT_SIPP_MESSAGES=$ZELVIT_ENV_ROOT/log/sipp-messages.log
  export ZELVIT_SIP_PEER ZELVIT_SIPP_MESSAGES
  local scenario=$ZELVIT_ENV_ROOT/registrar-callee.xml
  sed -e "s/@SIP_USER@/${ZELVIT_SIP_USER:-1000200030}/" -e "s/@SIP_PASSWORD@/${ZELVIT_SIP_PASSWORD:-8sEcret1}/" \
    "$ZELVIT_SOURCE_DIR/tests/realpeer/registrar-callee.xml" >"$scenario"
  zelvit_env_start sipp sipp -sf "$scenario" \
    -i "$ZELVIT_SIP_PEER" -p 5060 -t u1 -nostdin -trace_msg -message_file "$ZELVIT_SIPP_MESSAGES"
  zelvit_env_start telepathy-callui "$callui"
  zelvit_env_wait_name session org.freedesktop.Telepathy.Client.ZelvitCallUi || return 1
  zelvit_env_start mission-control "$mc"
  zelvit_env_wait_name session org.freedesktop.Telepathy.AccountManager || return 1
  local i
  for i in $(seq 1 300); do
    [ -n "$(ss -Hlun "src $ZELVIT_SIP_PEER:5060" 2>/dev/null)" ] && return 0
    sleep 0.01
  done
  echo "zelvit-env: SIPp is not listening on $ZELVIT_SIP_PEER:5060" >&2
  return 1
}
