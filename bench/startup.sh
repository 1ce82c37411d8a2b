#!/usr/bin/env bash
# Start-up to the main window shown, on an empty data folder and on a database
# of 100,000 payment items, beside a baseline measured in the same run: the
# same process where start-up stops right after the toolkit's initialisation
# (the data folder holds a file that is no database).
#   startup.sh DRIVER [RUNS]
set -euo pipefail
driver=$(realpath "$1")
runs=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/empty.script"

mkdir "$work/baseline" "$work/empty" "$work/big"
head -c 4096 /dev/urandom > "$work/baseline/Kasavel.db"
sqlite3 "$work/big/Kasavel.db" <<'SQL'
CREATE TABLE Transakcii ( ID INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, DatumNaPlacanje CHAR(8),
  DatumPeriodOd CHAR(8), DatumPeriodDo CHAR(8), IznosAvans INTEGER, IznosBruto INTEGER NOT NULL,
  IznosOdbitoci INTEGER, IznosDanok INTEGER, IznosNeto INTEGER, IznosDDV INTEGER, BrojResenieDo TEXT,
  DatumResenieDo CHAR(8), Komentar TEXT, IsplakjaciZiroSmetkiID INTEGER NOT NULL,
  PrimaciZiroSmetkiID INTEGER NOT NULL, TipoviPrihodiID INTEGER NOT NULL, PotprihodiID INTEGER,
  TipoviKalkulaciiID INTEGER NOT NULL, TipoviPlacanjaID INTEGER NOT NULL);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
INSERT INTO Transakcii (DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto, IznosOdbitoci,
  IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar, IsplakjaciZiroSmetkiID,
  PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, TipoviPlacanjaID)
SELECT '', '', '', 0, 1000 + i, 100, 90, 810 + i, 0, '', '        ', 'Хонорар за месец ' || (i % 12 + 1),
  1, i, 28, 49, 1, 1 FROM n;
SQL

# Median wall time of RUNS starts, in milliseconds.
measure() {
  local folder=$1 times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$driver" --data "$folder" "$work/empty.script" > /dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)] / 1000}'
}

base=$(measure "$work/baseline")
empty=$(measure "$work/empty")
big=$(measure "$work/big")
printf 'start-up, median of %d runs\n' "$runs"
printf '  baseline (toolkit only)        %8s ms\n' "$base"
ratio() { awk -v a="$1" -v b="$base" 'BEGIN {printf "%.2f", a / b}'; }
printf '  empty data folder              %8s ms  (%sx baseline)\n' "$empty" "$(ratio "$empty")"
printf '  100,000 payment items          %8s ms  (%sx baseline)\n' "$big" "$(ratio "$big")"
