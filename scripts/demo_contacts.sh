#!/usr/bin/env bash
# A whole run timed by contacts, without any hardware: the real console on a
# private X display, its lanes on the simulated device "sim:COM1" (lane 1 on
# DSR, lane 2 on CTS, both taken when the contact closes), the example
# workbook loaded, the hardware start armed with Alt+S, and the contacts
# closed by zeitnahme-kontakt: start, lane 1 after 3 s, lane 2 one second
# later. Shows the time protocol the console wrote after the run and checks
# that the first pair got both times.
#
#   scripts/demo_contacts.sh [path/to/zeitnahme]      (default: build/bin/zeitnahme)
#
# Needs Xvfb and xdotool (apt install xvfb xdotool). Nothing of the user's is
# touched: the program, its files beside it, its settings and its control
# socket all live in a temporary folder that is removed at the end.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${1:-$ROOT/build/bin/zeitnahme}
# In every caption of the main window; a loaded workbook puts its list first
# ("Vorlauf: Kronvik-...").
TITLE="Kronvik-Rozodiroz-Zevezodid3"

step() { printf '== %s\n' "$*"; }
fail() {
    printf 'demo_contacts: FEHLER: %s\n' "$*" >&2
    exit 1
}

command -v Xvfb >/dev/null || fail "Xvfb fehlt (sudo apt install xvfb)."
command -v xdotool >/dev/null || fail "xdotool fehlt (sudo apt install xdotool)."
command -v iconv >/dev/null || fail "iconv fehlt (sudo apt install libc-bin)."
[[ -x $PROGRAM ]] || fail "Programm nicht gefunden: $PROGRAM (erst 'make build', oder den Pfad angeben)."
BIN=$(cd "$(dirname "$PROGRAM")" && pwd)
NAME=$(basename "$PROGRAM")
TOOL=$BIN/zeitnahme-kontakt
[[ -x $TOOL ]] || fail "zeitnahme-kontakt nicht gefunden neben dem Programm: $TOOL"
[[ -f $BIN/Vorlauf.xlsx ]] || fail "Die Beispiel-Arbeitsmappe fehlt: $BIN/Vorlauf.xlsx"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/demo_contacts.XXXXXX")
XVFB_PID=
APP_PID=
cleanup() {
    if [[ -n $APP_PID ]]; then kill "$APP_PID" 2>/dev/null || true; fi
    if [[ -n $XVFB_PID ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The program writes its time protocol beside itself; a copy in the temporary
# folder keeps the build folder as it was.
step "Programm und seine Dateien nach $WORK/prog kopieren"
mkdir -p "$WORK/prog" "$WORK/config/Kronvik" "$WORK/data" "$WORK/tmp"
cp "$PROGRAM" "$WORK/prog/"
# The console reads workbooks through its reader program beside it.
READER=$BIN/zeitnahme-mappe
[[ -x $READER ]] || fail "zeitnahme-mappe nicht gefunden neben dem Programm: $READER"
cp "$READER" "$WORK/prog/"
for f in "$BIN"/*.wav "$BIN"/*.html "$BIN"/Vorlauf.xlsx "$BIN"/Klasse.txt "$BIN"/Protokollvorlage.docx; do
    [[ -f $f ]] && cp "$f" "$WORK/prog/"
done

# Settings as the console keeps them (Qt's INI file in the user's configuration
# folder): COM1 is the simulated device, Port = contact line * 256 + port
# number (line 0 DSR, 1 CTS), contact mode 0 "Ein".
export XDG_CONFIG_HOME=$WORK/config
export XDG_DATA_HOME=$WORK/data
# The control socket lies in the temporary folder: a private one keeps the
# tool away from any other console of this user that is running meanwhile.
export TMPDIR=$WORK/tmp
SETTINGS=$XDG_CONFIG_HOME/Kronvik/$NAME.conf
cat >"$SETTINGS" <<'EOF'
[General]
Port1=1
Port2=257
Alg1=0
Alg2=0

[Schnittstellen]
COM1=sim:COM1
EOF
step "Einstellungen $SETTINGS:"
sed 's/^/   /' "$SETTINGS"

step "Privaten X-Server starten (Xvfb)"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [[ -s $WORK/display ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb ist nicht gestartet: $(cat "$WORK/xvfb.log")"
    sleep 0.1
done
[[ -s $WORK/display ]] || fail "Xvfb meldet keine Anzeige."
DISPLAY=:$(tr -d '[:space:]' <"$WORK/display")
export DISPLAY
echo "   DISPLAY=$DISPLAY"

step "Zeitnahme starten mit Vorlauf.xlsx"
(cd "$WORK/prog" && exec env QT_QPA_PLATFORM=xcb "./$NAME" Vorlauf.xlsx) >"$WORK/program.log" 2>&1 &
APP_PID=$!
WINDOW=
for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || fail "Die Zeitnahme hat sich beendet: $(cat "$WORK/program.log")"
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" --name "$TITLE" 2>/dev/null | head -n 1 || true)
    [[ -n $WINDOW ]] && break
    sleep 0.2
done
[[ -n $WINDOW ]] || fail "Kein Fenster mit '$TITLE' im Titel erschienen."
echo "   Fenster $WINDOW: $(xdotool getwindowname "$WINDOW")"

# The console serves the control socket once its first simulated port is open.
kontakt() { "$TOOL" "$@"; }
for _ in $(seq 50); do
    kontakt COM1 status >/dev/null 2>&1 && break
    sleep 0.1
done
kontakt COM1 status >/dev/null || fail "Die Zeitnahme hat COM1 (sim:COM1) nicht geöffnet."
echo "   $(kontakt COM1 status)"

step "Hardware-Start scharf schalten (Alt+S)"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
sleep 0.3
xdotool key --clearmodifiers alt+s
sleep 0.3

step "Startkontakt: zeitnahme-kontakt COM1 dsr pulse 50"
kontakt COM1 dsr pulse 50
sleep 3
step "Bahn 1: zeitnahme-kontakt COM1 dsr pulse 50"
kontakt COM1 dsr pulse 50
sleep 1
step "Bahn 2: zeitnahme-kontakt COM1 cts pulse 50"
kontakt COM1 cts pulse 50
sleep 1

step "Zeitnahme beenden (Alt+B)"
xdotool windowfocus "$WINDOW" 2>/dev/null || true
xdotool key --clearmodifiers alt+b
for _ in $(seq 50); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$APP_PID" 2>/dev/null; then
    echo "   noch offen nach 5 s, wird beendet"
    kill "$APP_PID"
fi
wait "$APP_PID" 2>/dev/null || true
APP_PID=

PROTOCOL=
for folder in "$WORK/prog" "$XDG_DATA_HOME/Kronvik/$NAME"; do
    [[ -f $folder/$NAME-Zeitenprotokoll.txt ]] && PROTOCOL=$folder/$NAME-Zeitenprotokoll.txt && break
done
[[ -n $PROTOCOL ]] ||
    fail "Kein Zeitenprotokoll geschrieben. Ausgabe der Zeitnahme: $(cat "$WORK/program.log")"
# The file is Windows-1252 with CR LF (UTF-8 with a byte-order mark when a
# name needs it); shown in the terminal's UTF-8.
if [[ $(head -c 3 "$PROTOCOL" | od -An -tx1 | tr -d ' ') == efbbbf ]]; then
    tail -c +4 "$PROTOCOL" | tr -d '\r' >"$WORK/protocol.txt"
else
    iconv -f WINDOWS-1252 -t UTF-8 "$PROTOCOL" | tr -d '\r' >"$WORK/protocol.txt"
fi
step "Zeitenprotokoll ${PROTOCOL#"$WORK"/}:"
sed 's/^/   /' "$WORK/protocol.txt"

# The first pair is team 1 on lane 1 and team 2 on lane 2. Columns: Nr., Name,
# Klasse, Q., then Zeit, Fehler, Gesamt of lane 1 (5-7) and of lane 2 (8-10).
TIME1=$(awk -F'\t' '$1 == "1" { print $5 }' "$WORK/protocol.txt")
TIME2=$(awk -F'\t' '$1 == "2" { print $8 }' "$WORK/protocol.txt")
seconds='^[0-9]+[,.][0-9]+$'
[[ $TIME1 =~ $seconds ]] || fail "Mannschaft 1 hat keine Zeit auf Bahn 1 im Zeitenprotokoll (Lauf nicht gestartet: Alt+S nicht angekommen oder Startkontakt nicht angenommen?)."
[[ $TIME2 =~ $seconds ]] || fail "Mannschaft 2 hat keine Zeit auf Bahn 2 im Zeitenprotokoll."
echo "OK: erstes Paar gestoppt, Bahn 1 nach $TIME1 s, Bahn 2 nach $TIME2 s."
