#!/usr/bin/env bash
# Builds the Debian package (make package) and checks it without installing it
# system-wide: its file list and dependencies, the desktop entry, the AppStream
# metadata and lintian; then unpacks it into a temporary root and starts the
# program from there offscreen, with a home folder of its own, to see that it
# finds its data files in the unpacked share/zeitnahme and writes into the
# user's data folder, never beside the binary.
set -euo pipefail
cd "$(dirname "$0")/.."

PKG_BUILD=${PKG_BUILD:-build-pkg}
make package PKG_BUILD="$PKG_BUILD"

version=$(sed -n 's/^project(zeitnahme VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="$PKG_BUILD/zeitnahme_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FEHLT: $deb" >&2; exit 1; }
echo "Paket: $deb"

failures=0
passed=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }
# check "what" command...: counts the command's success, names its failure.
check() {
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else fail "$what"; fi
}

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./#/#')
for path in /usr/bin/zeitnahme /usr/bin/zeitnahme-kontakt /usr/bin/zeitnahme-mappe \
  /usr/share/zeitnahme/START.wav /usr/share/zeitnahme/STOPP.wav /usr/share/zeitnahme/FERTIG.wav \
  /usr/share/zeitnahme/Fehlstart.wav /usr/share/zeitnahme/zeitnahme.html \
  /usr/share/zeitnahme/zeitnahme-info.html /usr/share/zeitnahme/zeitnahme_en.html \
  /usr/share/zeitnahme/zeitnahme-info_en.html /usr/share/zeitnahme/zeitnahme_en.qm \
  /usr/share/zeitnahme/zeitnahme_cs.qm /usr/share/zeitnahme/zeitnahme_pl.qm /usr/share/zeitnahme/examples/Vorlauf.xlsx \
  /usr/share/zeitnahme/examples/Klasse.txt /usr/share/applications/zeitnahme.desktop \
  /usr/share/icons/hicolor/scalable/apps/zeitnahme.svg /usr/share/icons/hicolor/48x48/apps/zeitnahme.png \
  /usr/share/icons/hicolor/256x256/apps/zeitnahme.png /usr/share/metainfo/de.kronvik.zeitnahme.metainfo.xml \
  /usr/share/man/man1/zeitnahme.1.gz /usr/share/man/man1/zeitnahme-mappe.1.gz /usr/share/doc/zeitnahme/copyright; do
  check "nicht im Paket: $path" grep -qxF "$path" <<<"$contents"
done

info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
echo "Depends: $depends"
check "Depends nennt keine Qt-Bibliothek" grep -q 'libqt6' <<<"$depends"
check "Depends ohne Qt-Übersetzungen (deutsche Qt-Dialoge)" grep -q 'qt6-translations-l10n' <<<"$depends"
check "Beschreibung nennt die Gruppe dialout nicht" grep -q 'dialout' <<<"$info"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$(realpath "$work")/root
dpkg-deb -x "$deb" "$root"

check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/zeitnahme.desktop"
check "appstreamcli" appstreamcli validate --no-net "$root/usr/share/metainfo/de.kronvik.zeitnahme.metainfo.xml"
check "lintian meldet Fehler" lintian --fail-on error "$deb"

# The program has no quit flag: it runs for a few seconds and is stopped.
home="$work/home"
mkdir -p "$home" "$work/cwd" "$work/runtime"
chmod 700 "$work/runtime"
set +e
(cd "$work/cwd" && env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
  ZEITNAHME_REPORT_FILES=1 timeout 8 "$root/usr/bin/zeitnahme") >"$work/run.log" 2>&1
rc=$?
set -e
[ "$rc" -eq 124 ] || cat "$work/run.log" >&2
check "Programm endete vorzeitig (Status $rc)" [ "$rc" -eq 124 ]
share="$root/usr/share/zeitnahme"
for name in START.wav STOPP.wav FERTIG.wav Fehlstart.wav zeitnahme.html zeitnahme-info.html zeitnahme_en.html \
  Klasse.txt Protokollvorlage.docx; do
  check "nicht gefunden: $name" grep -qE "Datei: $name -> $share/$name\$" "$work/run.log"
done
check "Beispiele nicht gefunden" grep -qE "Datei: Beispiele -> $share/examples\$" "$work/run.log"

# A Czech system: the console speaks Czech, Qt's dialogs too.
set +e
(cd "$work/cwd" && env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
  LANG=cs_CZ.UTF-8 timeout 5 "$root/usr/bin/zeitnahme") >"$work/run_cs.log" 2>&1
set -e
check "tschechische Übersetzung nicht geladen" grep -qE "Übersetzung: zeitnahme_cs.qm -> $share/zeitnahme_cs.qm\$" \
  "$work/run_cs.log"
check "tschechische Qt-Übersetzung nicht geladen" grep -q "Übersetzung: qtbase_cs.qm" "$work/run_cs.log"

userdata="$home/.local/share/Kronvik/zeitnahme"
check "kein Journal in $userdata" compgen -G "$userdata/zeitnahme-*.journal"
echo "Benutzerdaten: $(ls -A "$userdata" 2>/dev/null | tr '\n' ' ')"
beside=$(ls -A "$root/usr/bin" | tr '\n' ' ')
check "neben dem Programm: $beside" [ "$beside" = "zeitnahme zeitnahme-kontakt zeitnahme-mappe " ]

# The console reads every workbook through the reader program beside it.
check "Leseprogramm liest das Beispiel nicht" \
  grep -qF "1 2 1: Nr." <("$root/usr/bin/zeitnahme-mappe" "$share/examples/Vorlauf.xlsx")

[ "$failures" -eq 0 ] || grep -v 'Datei:' "$work/run.log" | head -20 >&2 || true
echo "Paketprüfung: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
