# shellcheck shell=bash
# Shared by the project's scripts: where the work tree is, and how a step reports itself.
# Sourced, never run; the caller has already set `set -euo pipefail`.

ZUDAV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export ZUDAV_ROOT

# A step heading, so that a long log shows where each step of a run begins.
zudav_step() {
    printf '\n==> %s\n' "$*"
}

zudav_note() {
    printf '    %s\n' "$*"
}

zudav_die() {
    printf 'error: %s\n' "$*" >&2
    exit 1
}

# Runs a command, and gives up on it after a bound, polling every tenth of a second until it
# succeeds. Usage: zudav_poll SECONDS COMMAND [ARGS...]
zudav_poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}
