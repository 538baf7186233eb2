#!/usr/bin/env bash
# The Debian package as a user gets it: its fields and files, then installed
# with apt-get, the command-line tool started from /usr/bin on a fresh user
# folder, the desktop entry validated; removed again at the end, so the
# machine is left as it was.
#   tests/package/check-package.sh build/norvalis_2.0-1_amd64.deb
set -euo pipefail

deb=$(realpath "$1")
fail() { echo "pacchetto: $*" >&2; exit 1; }

# What the package must hold, and nothing else (no tests, benchmarks,
# libraries or data).
expected_files="./usr/bin/norvalis
./usr/bin/norvalis-cli
./usr/share/applications/norvalis.desktop
./usr/share/icons/hicolor/scalable/apps/norvalis.svg
./usr/share/norvalis/Avviso.mp3
./usr/share/norvalis/Guida.pdf"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "$expected_files" ] || fail "contenuto inatteso:
$files"
[ "$(dpkg-deb -f "$deb" Package)" = norvalis ] || fail "nome del pacchetto"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architettura"
[[ "$(dpkg-deb -f "$deb" Version)" == 2.0-* ]] || fail "versione $(dpkg-deb -f "$deb" Version)"
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "campo $field vuoto"
done
depends=$(dpkg-deb -f "$deb" Depends)
# From the programs' libraries (dpkg-shlibdeps) and what they load at run time.
for needed in libc6 libqt6core6 libqt6widgets6 libqt6multimedia6 libquazip1-qt6 libqt6svg6 \
        gstreamer1.0-plugins-good qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends senza $needed: $depends"
done

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! sudo -n true 2>/dev/null; then
        echo "Prova d'installazione del pacchetto saltata: servono i permessi di root o sudo senza password."
        exit 0
    fi
    sudo=(sudo -n)
fi
if dpkg-query -W -f='${db:Status-Status}' norvalis 2>/dev/null | grep -qx installed; then
    echo "Prova d'installazione del pacchetto saltata: norvalis è già installato su questa macchina."
    exit 0
fi

home=$(mktemp -d)
cleanup() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive dpkg --purge norvalis >/dev/null 2>&1 || true
    rm -rf "$home"
}
trap cleanup EXIT
if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
        >"$home/apt.log" 2>&1; then
    cat "$home/apt.log" >&2
    fail "apt-get install non riuscito"
fi
rm "$home/apt.log"

for program in /usr/bin/norvalis /usr/bin/norvalis-cli; do
    ! ldd "$program" | grep -q 'not found' || fail "$program: librerie mancanti"
done
# The tool from its installed place, on a user without any Norvalis folder:
# the help touches nothing, the first command makes the user's data folder
# with the first-access password file.
help=$(cd "$home" && env -u NORVALIS_DATA_DIR -u XDG_DATA_HOME HOME="$home" /usr/bin/norvalis-cli --help) \
    || fail "norvalis-cli --help"
[[ "$help" == "Uso: norvalis-cli"* ]] || fail "norvalis-cli --help: $help"
[ ! -e "$home/.local" ] || fail "norvalis-cli --help ha scritto in $home"
(cd "$home" && env -u NORVALIS_DATA_DIR -u XDG_DATA_HOME HOME="$home" /usr/bin/norvalis-cli search members) \
    || fail "norvalis-cli search members"
for file in unins000.dll Tesserati.pro; do
    [ -f "$home/.local/share/Norvalis/$file" ] || fail "manca $file nella cartella dei dati dell'utente"
done
[ ! -e /usr/bin/Tesserati.pro ] || fail "dati scritti in /usr/bin"
desktop-file-validate /usr/share/applications/norvalis.desktop || fail "voce del menu non valida"

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive dpkg --purge norvalis >/dev/null || fail "rimozione non riuscita"
[ ! -e /usr/bin/norvalis ] || fail "/usr/bin/norvalis resta dopo la rimozione"
echo "Pacchetto $(basename "$deb"): contenuto, installazione, norvalis-cli e voce del menu verificati."
