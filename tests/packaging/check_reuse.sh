#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that every file of the repository states its copyright and licence, in a
# header or in .reuse/dep5, and that each licence named has its text in LICENSES/.
#   check_reuse.sh <source dir>
set -euo pipefail
command -v reuse >/dev/null || { echo "reuse is missing (package reuse)"; exit 1; }
reuse --root "$1" lint
