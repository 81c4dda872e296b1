#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever is needed and not installed yet. Safe to run again: it does
# nothing when everything is there.
#   install-deps.sh run    building and running the program (scripts/run.sh)
#   install-deps.sh test   that, and what the tests and benchmarks need (the default)
set -euo pipefail

modus=${1:-test}
case "$modus" in
  run | test) ;;
  *)
    echo "Aufruf: $0 [run|test]" >&2
    exit 2
    ;;
esac

# The program: compiler and build tools, Qt with its German texts, CUPS's library, the fonts
# the pages use, the tools that make the icons and register the worksheet type.
pakete=(
  build-essential cmake ninja-build git
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libcups2-dev
  fonts-liberation shared-mime-info desktop-file-utils librsvg2-bin
)
# The tests: GoogleTest and Google Benchmark, a display and a CUPS server to print to,
# PDF tools, and the checkers of the package (lintian, appstreamcli, man).
if [ "$modus" = test ]; then
  pakete+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth poppler-utils file
    cups-daemon cups-client
    lintian appstream man-db
    locales
  )
fi

fehlend=()
for paket in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
    fehlend+=("$paket")
  fi
done

# The locales a teacher's desktop runs under; the tests check that numbers read and show the
# same under each of them.
gebietsschemata=()
if [ "$modus" = test ]; then
  gebietsschemata=(de_DE.UTF-8 en_US.UTF-8)
fi
fehlende_schemata=()
for schema in "${gebietsschemata[@]}"; do
  kurz="${schema%%.*}.utf8"
  if ! locale -a 2>/dev/null | grep -qx "$kurz"; then
    fehlende_schemata+=("$schema")
  fi
done

if [ ${#fehlend[@]} -eq 0 ] && [ ${#fehlende_schemata[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Fehlende Pakete: ${fehlend[*]}" >&2
  echo "Fehlende Gebietsschemata: ${fehlende_schemata[*]}" >&2
  echo "Bitte als root ausführen (apt-get install, locale-gen)." >&2
  exit 1
fi

if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

if [ ${#fehlende_schemata[@]} -gt 0 ]; then
  echo "Erzeuge die Gebietsschemata: ${fehlende_schemata[*]}"
  for schema in "${fehlende_schemata[@]}"; do
    # Debian's list names them as "de_DE.UTF-8 UTF-8", commented out.
    if grep -q "^# *$schema UTF-8" /etc/locale.gen; then
      sed -i "s/^# *$schema UTF-8/$schema UTF-8/" /etc/locale.gen
    elif ! grep -q "^$schema UTF-8" /etc/locale.gen; then
      echo "$schema UTF-8" >> /etc/locale.gen
    fi
  done
  locale-gen >/dev/null
fi
