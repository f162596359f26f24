#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the AppStream metainfo offline; warnings fail as errors do, because software
# centres drop or misfile components that have them.
#   validate_metainfo.sh <file.metainfo.xml> <app-id> <version> <NEWS>
set -euo pipefail
metainfo=$1
app_id=$2
version=$3
news=$4

command -v appstreamcli >/dev/null || { echo "appstreamcli is missing (package appstream)"; exit 1; }

status=0
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || status=1
echo "$report"
if grep -qE '^[EW]:' <<<"$report"; then
    status=1
fi

if [ "$(basename "$metainfo")" != "$app_id.metainfo.xml" ]; then
    echo "FAIL: the metainfo file is $(basename "$metainfo"), not $app_id.metainfo.xml"
    status=1
fi
# The validator cannot see the other files, so the names that tie them together are checked here.
grep -q "<id>$app_id</id>" "$metainfo" || { echo "FAIL: <id> is not $app_id"; status=1; }
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || { echo "FAIL: the launchable is not $app_id.desktop"; status=1; }
grep -q "<binary>Orbelle</binary>" "$metainfo" || { echo "FAIL: <provides> does not name the binary Orbelle"; status=1; }
# The newest release comes first; software centres show it as the current version.
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="\([^"]*\)"/\1/')
if [ "$newest" != "$version" ]; then
    echo "FAIL: the newest release is '$newest', but the program is version $version"
    status=1
fi

# Software centres and the Debian changelog (made from NEWS) must tell of one release.
newest_date=$(grep -o '<release [^>]*date="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*date="\([^"]*\)"/\1/')
news_release=$(grep -m 1 -E '^Orbelle [0-9.]+ \([0-9-]+\)$' "$news" || true)
if [ "$news_release" != "Orbelle $newest ($newest_date)" ]; then
    echo "FAIL: NEWS starts with '$news_release', the metainfo with release $newest of $newest_date"
    status=1
fi
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
    || { echo "FAIL: the project licence is not GPL-3.0-or-later"; status=1; }

[ $status -eq 0 ] && echo "metainfo $(basename "$metainfo") is valid"
exit $status
