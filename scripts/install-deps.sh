#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the program need and is not
# installed yet. Safe to run again: it does nothing when everything is there.
set -euo pipefail

pakete=(
  build-essential cmake ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  fonts-liberation xvfb xauth poppler-utils
  cups-daemon cups-client libcups2-dev
  shared-mime-info desktop-file-utils librsvg2-bin file
)

fehlend=()
for paket in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
    fehlend+=("$paket")
  fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Fehlende Pakete: ${fehlend[*]}" >&2
  echo "Bitte als root ausführen (apt-get install)." >&2
  exit 1
fi

echo "Installiere: ${fehlend[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
