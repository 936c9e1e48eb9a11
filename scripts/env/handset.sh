# --handset: a private system bus with zelvit-handset-sim on it (connectivity
# daemon, cellular network service, notifications, control interface).
# Initial state: ZELVIT_HANDSET_INTERNET=1|0, ZELVIT_HANDSET_REGISTERED=1|0
# (both 1 by default).
zelvit_env_handset() {
  local sim=$ZELVIT_BIN_DIR/zelvit-handset-sim
  if [ ! -x "$sim" ]; then
    echo "zelvit-env: $sim is not built" >&2
    return 1
  fi
  local internet=${ZELVIT_HANDSET_INTERNET:-1} registered=${ZELVIT_HANDSET_REGISTERED:-1}
  case "$internet$registered" in
    [01][01]) ;;
    *) echo "zelvit-env: ZELVIT_HANDSET_INTERNET and ZELVIT_HANDSET_REGISTERED take 0 or 1" >&2
       return 1 ;;
  esac
  zelvit_env_ensure_bus system || return 1
  zelvit_env_start handset "$sim" --internet="$internet" --registered="$registered"
  # The control name is taken last: once it is there, the whole handset is.
  zelvit_env_wait_name system org.zelvit.HandsetSim
}
