// Records the crash-test sequence into the journal in the given folder until it
// is killed; says on stdout what it queued and what the journal committed.
//   journal_crash_child <folder> <run>

#include "journal/crash_child/crash_sequence.h"
#include "journal/journal.h"

#include <QCoreApplication>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

void Say(const char* what, long long value) {
    std::printf("%s %lld\n", what, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int run = QByteArray(argv[2]).toInt();

    zn::EventJournal journal;
    const zn::JournalOpening opening = journal.Open(zn::EventJournal::FileFor(folder, QDate(2026, 12, 7)));
    Say("FOUND", static_cast<int>(opening.found));
    if (opening.found == zn::JournalFound::Unclean)
        Say("RECOVERED", static_cast<long long>(opening.readable.size()));

    // Bursts of 1-4 events, as a stop, its correction and the next pair follow
    // closely; QUEUED before Record bounds what the journal may hold.
    for (int n = 1; n < 1000000;) {
        std::vector<std::pair<int, qint64>> tickets;
        for (int k = 0, burst = 1 + n % 4; k < burst; ++k, ++n) {
            Say("QUEUED", n);
            tickets.emplace_back(n, journal.Record(zn::crash::Event(run, n)));
        }
        for (const auto& [seq, ticket] : tickets) {
            if (!journal.WaitCommitted(ticket, 5000)) {
                Say("TIMEOUT", seq);
                return 3;
            }
            Say("RECORDED", seq);
        }
    }
    return 0;
}
