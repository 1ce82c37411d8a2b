#!/usr/bin/env bash
# Runs every benchmark; numbers are ratios against baselines of the same run.
set -euo pipefail
build=${1:-build}
bash "$(dirname "$0")/startup.sh" "$build/kasavel-drive"
if [ -x "$build/bench/kasavel-bench" ]; then "$build/bench/kasavel-bench"; fi
if [ -x "$build/bench/kasavel-items-bench" ]; then "$build/bench/kasavel-items-bench"; fi
if [ -x "$build/bench/kasavel-transfer-bench" ]; then "$build/bench/kasavel-transfer-bench"; fi
if [ -x "$build/bench/kasavel-gridreport-bench" ]; then "$build/bench/kasavel-gridreport-bench"; fi
if [ -x "$build/bench/kasavel-orders-bench" ]; then "$build/bench/kasavel-orders-bench"; fi
if [ -x "$build/bench/kasavel-payments-bench" ]; then "$build/bench/kasavel-payments-bench"; fi
if [ -x "$build/bench/kasavel-trezor-bench" ]; then "$build/bench/kasavel-trezor-bench"; fi
if [ -x "$build/bench/kasavel-status-bench" ]; then "$build/bench/kasavel-status-bench"; fi
