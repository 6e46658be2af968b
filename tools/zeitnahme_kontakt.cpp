// Closes and opens the contacts of a console's simulated serial devices
// through its control socket, so the console can be tried without hardware.

#include "comms/simulated/contact_control.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QStringList>
#include <cstdio>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitError = 1;
constexpr int kExitNoConsole = 2;

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

QString Usage() {
    return QStringLiteral(
               "Aufruf: zeitnahme-kontakt [--socket NAME] <Name> <Befehl...>\n"
               "\n"
               "Schaltet die Kontakte eines simulierten seriellen Geräts einer laufenden Zeitnahme.\n"
               "<Name> ist das simulierte Gerät, auf das ein Anschluss der Zeitnahme zeigt (z. B. COM1).\n"
               "\n"
               "Befehle:\n"
               "  <Name> <dsr|cts|ri|dcd> <on|off>          Leitung an- oder ausschalten\n"
               "  <Name> <Leitung> pulse [ms]               kurz umschalten und zurück (100 ms;\n"
               "                                            0 = beide Flanken auf einmal)\n"
               "  <Name> <Leitung> burst <Anzahl> [ms]      mehrere Pulse, alle 50 ms einer\n"
               "  <Name> <Leitung> bounce [Anzahl]          prellender Kontakt: 5 schnelle Wechsel,\n"
               "                                            1-3 ms auseinander, zuletzt an\n"
               "  <Name> unplug | plug                      Adapter abziehen / wieder einstecken\n"
               "  <Name> status                             Zustand der Leitungen zeigen\n"
               "\n"
               "Beispiele:\n"
               "  zeitnahme-kontakt COM1 dsr on\n"
               "  zeitnahme-kontakt COM1 cts pulse 50\n"
               "  zeitnahme-kontakt COM1 dsr bounce\n"
               "\n"
               "--socket NAME   Steuerungs-Socket der Zeitnahme (Vorgabe: %1)\n"
               "\n"
               "Rückgabe: 0 bei Erfolg, 1 bei einem Fehler, 2 wenn keine Zeitnahme zuhört.")
        .arg(zn::DefaultContactSocketName());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString socketName = zn::DefaultContactSocketName();
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        Print(stdout, Usage());
        return kExitOk;
    }
    if (!args.isEmpty() && args.first() == QStringLiteral("--socket")) {
        if (args.size() < 2) {
            Print(stderr, QStringLiteral("Fehler: nach --socket fehlt der Name."));
            return kExitError;
        }
        socketName = args[1];
        args = args.mid(2);
    }
    const QString request = args.join(u' ');
    // Checked here too, so a typing slip is told even with no console running.
    const zn::ContactParseResult parsed = zn::ParseContactCommand(request);
    if (!parsed.ok) {
        Print(stderr, QStringLiteral("Fehler: ") + parsed.error);
        Print(stderr, QStringLiteral("Hilfe: zeitnahme-kontakt --help"));
        return kExitError;
    }

    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(2000)) {
        Print(stderr, QStringLiteral("Keine Zeitnahme hört auf „%1“. Starten Sie die Zeitnahme mit einem "
                                     "Anschluss, der dem simulierten Gerät zugeordnet ist.")
                          .arg(socketName));
        return kExitNoConsole;
    }
    socket.write(request.toUtf8() + '\n');
    // A burst can take minutes; the answer comes when it is done.
    while (!socket.canReadLine() && socket.waitForReadyRead(-1)) {
    }
    if (!socket.canReadLine()) {
        Print(stderr, QStringLiteral("Fehler: Die Zeitnahme hat die Verbindung ohne Antwort beendet."));
        return kExitError;
    }
    const QString answer = QString::fromUtf8(socket.readLine()).trimmed();
    const bool failed = answer.startsWith(QStringLiteral("Fehler"));
    Print(failed ? stderr : stdout, answer);
    return failed ? kExitError : kExitOk;
}
