#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Runs the history's database tests against a PostgreSQL server of their own: pg_virtualenv
# makes a throw-away cluster, runs the tests with PGHOST, PGPORT, PGUSER and PGPASSWORD set,
# and removes the cluster again.
#   postgres.sh PIKORA_HISTORY_TESTS
set -euo pipefail

if ! command -v pg_virtualenv >/dev/null; then
    echo "postgres: pg_virtualenv is missing (Debian package postgresql-common)" >&2
    exit 1
fi
export PIKORA_HISTORY_TESTS=$1
# shellcheck disable=SC2016 # expanded inside the virtual environment
pg_virtualenv bash -c '
    set -euo pipefail
    createdb pikora
    export PIKORA_TEST_POSTGRES_URL="postgresql://$PGUSER:$PGPASSWORD@$PGHOST:$PGPORT/pikora"
    "$PIKORA_HISTORY_TESTS" --gtest_filter="*Postgres*"
'
