#!/usr/bin/env bash
# Runs the rule tests so that their permission and locale cases bite:
# with a decimal-comma locale available, and as an unprivileged user when
# started as root (root reads and writes files whatever their permissions).
set -euo pipefail
tests="$1"
shift
locales="$(mktemp -d)"
chmod 755 "$locales"
trap 'rm -rf "$locales"' EXIT
if command -v localedef >/dev/null && [ -d /usr/share/i18n/locales ]; then
  localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" >/dev/null 2>&1 || true
  export LOCPATH="$locales"
fi
unprivileged=(setpriv --reuid=65534 --regid=65534 --clear-groups)
# Only when the unprivileged user can reach the build (a checkout under /root can't be).
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && "${unprivileged[@]}" test -x "$tests" 2>/dev/null; then
  exec "${unprivileged[@]}" env HOME=/tmp "$tests" "$@"
fi
exec "$tests" "$@"
