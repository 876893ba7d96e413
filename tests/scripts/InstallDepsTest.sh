#!/usr/bin/env bash
# scripts/install-deps.sh against stand-ins for the package tools: nothing
# runs when nothing is missing; another installation holding the package
# manager is waited for; a user who is not root goes through sudo.
set -euo pipefail

script="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
bin="$work/bin"
mkdir -p "$bin"
calls="$work/calls"

# The stand-ins note each call in $calls. MISSING names the packages not
# installed, AS_USER the id, LOCKED_UPDATES how many updates find the package
# lists locked, UPDATE_FAILS another failure of the update.
cat >"$bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
package="${!#}"
for missing in $MISSING; do [ "$missing" = "$package" ] && exit 1; done
printf 'install ok installed'
STUB
cat >"$bin/id" <<'STUB'
#!/usr/bin/env bash
echo "$AS_USER"
STUB
cat >"$bin/sudo" <<'STUB'
#!/usr/bin/env bash
echo "sudo" >>"$CALLS"
exec "$@"
STUB
cat >"$bin/sleep" <<'STUB'
#!/usr/bin/env bash
echo "sleep $*" >>"$CALLS"
STUB
cat >"$bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $* [$DEBIAN_FRONTEND]" >>"$CALLS"
if [[ " $* " == *" update "* ]]; then
  if [ -n "${UPDATE_FAILS:-}" ]; then echo "E: $UPDATE_FAILS" >&2; exit 100; fi
  count=$(grep -c ' update ' "$CALLS")
  if [ "$count" -le "${LOCKED_UPDATES:-0}" ]; then
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 2332 (apt-get)" >&2
    exit 100
  fi
fi
STUB
chmod +x "$bin"/*
export PATH="$bin:$PATH" CALLS="$calls"

run() {
  : >"$calls"
  env "$@" bash "$script" >"$work/said" 2>&1
}

# Nothing missing: no package tool runs, nothing is said.
run MISSING= AS_USER=1000 || fail "nothing missing: failed"
[ ! -s "$calls" ] && [ ! -s "$work/said" ] || fail "nothing missing: $(cat "$calls" "$work/said")"

# As root, the package lists locked twice: the update waits, then the install
# runs; both wait for the dpkg lock themselves.
run MISSING="zip libzip-dev" AS_USER=0 LOCKED_UPDATES=2 || fail "locked lists: failed: $(cat "$work/said")"
expected="apt-get -o DPkg::Lock::Timeout=900 update -qq [noninteractive]
sleep 5
apt-get -o DPkg::Lock::Timeout=900 update -qq [noninteractive]
sleep 5
apt-get -o DPkg::Lock::Timeout=900 update -qq [noninteractive]
apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends libzip-dev zip [noninteractive]"
[ "$(cat "$calls")" = "$expected" ] || fail "locked lists: $(cat "$calls")"
[ "$(grep -c 'Waiting for another installation' "$work/said")" = 1 ] || fail "not told once: $(cat "$work/said")"

# Not root: every call goes through sudo, the environment with it.
run MISSING=zip AS_USER=1000 || fail "as a user: failed: $(cat "$work/said")"
expected="sudo
apt-get -o DPkg::Lock::Timeout=900 update -qq [noninteractive]
sudo
apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends zip [noninteractive]"
[ "$(cat "$calls")" = "$expected" ] || fail "as a user: $(cat "$calls")"

# Any other failure of the update is no lock: it ends the script at once, said.
if run MISSING=zip AS_USER=0 UPDATE_FAILS="The repository is not signed."; then fail "a failed update went on"; fi
[ "$(grep -c '^apt-get' "$calls")" = 1 ] && ! grep -q sleep "$calls" || fail "failed update: $(cat "$calls")"
grep -qF "The repository is not signed." "$work/said" || fail "failure not shown: $(cat "$work/said")"
echo "ok"
