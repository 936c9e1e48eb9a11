# --operator: zelvit-operator-sim on fixed loopback ports with the demo card
# store (sim/operator/demo-cards.txt). A demo build points the operator hosts
# at http://127.0.0.1 and the ports at these:
#   ZELVIT_OPERATOR_BALANCE_PORT (18090), ZELVIT_OPERATOR_CALLBACK_PORT (18080),
#   ZELVIT_OPERATOR_GATEWAY_PORT (18686), ZELVIT_OPERATOR_PORTAL_PORT (18687),
#   ZELVIT_OPERATOR_CONTROL_PORT (18099); ZELVIT_OPERATOR_CARDS: another store.
# Its request lines go to $(zelvit_env_log operator).
zelvit_env_operator() {
  local sim=$ZELVIT_BIN_DIR/zelvit-operator-sim
  if [ ! -x "$sim" ]; then
    echo "zelvit-env: $sim is not built" >&2
    return 1
  fi
  local log
  log=$(zelvit_env_log operator)
  zelvit_env_start operator "$sim" \
    --balance-port "${ZELVIT_OPERATOR_BALANCE_PORT:-18090}" \
    --callback-port "${ZELVIT_OPERATOR_CALLBACK_PORT:-18080}" \
    --gateway-port "${ZELVIT_OPERATOR_GATEWAY_PORT:-18686}" \
    --portal-port "${ZELVIT_OPERATOR_PORTAL_PORT:-18687}" \
    --control-port "${ZELVIT_OPERATOR_CONTROL_PORT:-18099}" \
    --cards "${ZELVIT_OPERATOR_CARDS:-$ZELVIT_SOURCE_DIR/sim/operator/demo-cards.txt}"
  # The first line names the ports once all of them listen.
  local i
  for i in $(seq 1 300); do
    grep -q '"event":"listening"' "$log" 2>/dev/null && return 0
    kill -0 "$ZELVIT_ENV_LAST_PID" 2>/dev/null || break
    sleep 0.01
  done
  echo "zelvit-env: zelvit-operator-sim did not come up (see $log)" >&2
  return 1
}
