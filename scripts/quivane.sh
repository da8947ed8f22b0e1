#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program or runs every test.
#   scripts/quivane.sh run [design.qvd]   build the program alone and start it, optionally on a design file
#   scripts/quivane.sh test               build and run every test
#   scripts/quivane.sh test --sanitize    the same with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
paquets=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation fonts-dejavu-core
         qt6-translations-l10n poppler-utils)

installe_manquants() {
  local manquants=()
  for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${manquants[@]}"
  else
    echo "Missing packages; install them first with:"
    echo "  sudo apt-get install -y ${manquants[*]}"
    exit 1
  fi
}

# Configures and builds in the given folder; with `cible` set, that target alone.
construit() {
  local dossier=$1; shift
  cmake -S "$racine" -B "$dossier" "$@" >/dev/null
  cmake --build "$dossier" --parallel "$(nproc)" ${cible:+--target "$cible"}
}

commande=${1:-}
[ $# -gt 0 ] && shift
case "$commande" in
  run)
    installe_manquants
    # The program alone: the tests and measurements are built by the test command.
    cible=quivane construit "$racine/build"
    exec "$racine/build/quivane" "$@"
    ;;
  test)
    installe_manquants
    if [ "${1:-}" = "--sanitize" ]; then
      dossier="$racine/build-sanitize"
      # Light optimisation and line tables only: the checks stay, and the build costs less.
      construit "$dossier" -DQUIVANE_SANITIZE=ON -DQUIVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
    else
      dossier="$racine/build"
      construit "$dossier"
    fi
    temporaire=$(mktemp -d)
    trap 'rm -rf "$temporaire"' EXIT
    export QT_QPA_PLATFORM=offscreen QUIVANE_DOSSIER="$temporaire"
    ctest --test-dir "$dossier" --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    echo "usage: scripts/quivane.sh run [design.qvd] | test [--sanitize]" >&2
    exit 2
    ;;
esac
