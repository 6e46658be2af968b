#include "live/live_http.h"

#include "core/app_title.h"
#include "core/result_page_writer.h"
#include "core/stages.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

// Q_INIT_RESOURCE has to run outside any namespace.
static void InitLiveQrc() {
    Q_INIT_RESOURCE(live);
}

namespace zn {

Q_LOGGING_CATEGORY(lcLive, "zn.live", QtWarningMsg)

void LiveSource::Set(const BoardState& state) {
    auto copy = std::make_shared<const BoardState>(state);
    const std::lock_guard lock(mutex_);
    state_ = std::move(copy);
}

std::shared_ptr<const BoardState> LiveSource::State() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

namespace {

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray kText = QByteArrayLiteral("text/plain; charset=utf-8");

// The page's fixed texts, each standing whole between a tag's > and <.
const char* const kPageTexts[] = {
    QT_TRANSLATE_NOOP("LivePage", "Zeitnahme – live"),
    QT_TRANSLATE_NOOP("LivePage", "Keine Verbindung zur Zeitnahme"),
    //: Shown big on the spectators' page when a team started too early
    QT_TRANSLATE_NOOP("LivePage", "Fehlstart"),
    //: Heading of lane 1's box on the spectators' page
    QT_TRANSLATE_NOOP("LivePage", "Bahn 1"),
    //: Heading of lane 2's box on the spectators' page
    QT_TRANSLATE_NOOP("LivePage", "Bahn 2"),
    //: Column head: the run time
    QT_TRANSLATE_NOOP("LivePage", "Zeit"),
    //: Column head: the penalty seconds
    QT_TRANSLATE_NOOP("LivePage", "Fehler"),
    //: Column head: run time plus penalty seconds
    QT_TRANSLATE_NOOP("LivePage", "Gesamt"),
    //: Heading: the lanes of the run that finished last
    QT_TRANSLATE_NOOP("LivePage", "Letzter Lauf"),
    //: Heading of the ranking's first places
    QT_TRANSLATE_NOOP("LivePage", "Ergebnis"),
    //: Link to the page with the whole result list
    QT_TRANSLATE_NOOP("LivePage", "Ganze Ergebnisliste"),
};

// Texts the page's script puts in front of a figure or a name, each standing
// as a string literal of its own.
const char* const kScriptTexts[] = {
    //: Followed by the lane number
    QT_TRANSLATE_NOOP("LivePage", "Bahn "),
    //: Followed by the penalty seconds of the last run
    QT_TRANSLATE_NOOP("LivePage", "Fehler "),
    //: Followed by the total time (run time plus penalty) of the last run
    QT_TRANSLATE_NOOP("LivePage", "Gesamt "),
    //: Followed by the day's best time and its team
    QT_TRANSLATE_NOOP("LivePage", "Bestzeit: "),
};

QByteArray GermanPage() {
    static const QByteArray page = [] {
        InitLiveQrc();
        QFile file(QStringLiteral(":/live/live_page.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return page;
}

// A text as a script's string literal, quotes included; "</" cannot end the
// script early.
QByteArray ScriptString(const QString& text) {
    QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    json = json.mid(1, json.size() - 2);
    return json.replace("</", "<\\/");
}

// The page in the console's language: its language tag, the fixed texts and
// the script's texts. Untranslated texts stay as they are.
QByteArray PageBytes() {
    QByteArray page = GermanPage();
    const QLocale locale;
    if (locale.language() != QLocale::C && locale.language() != QLocale::German)
        page.replace("<html lang=\"de\">",
                     "<html lang=\"" + QLocale::languageToCode(locale.language()).toUtf8() + "\">");
    for (const char* text : kPageTexts) {
        const QString shown = QCoreApplication::translate("LivePage", text);
        if (shown == QString::fromUtf8(text)) continue;
        page.replace('>' + QByteArray(text) + '<', '>' + shown.toHtmlEscaped().toUtf8() + '<');
    }
    for (const char* text : kScriptTexts) {
        const QString shown = QCoreApplication::translate("LivePage", text);
        if (shown == QString::fromUtf8(text)) continue;
        page.replace(ScriptString(QString::fromUtf8(text)), ScriptString(shown));
    }
    return page;
}

// The result list the board shows, as the HTML export writes it.
QByteArray ResultBytes(const BoardState& state) {
    const ListRows& rows = state.Rows(ShownResultList(state));
    ResultPageInput page;
    page.applicationTitle = ApplicationTitle();
    page.listTitle = state.listTitle;
    // Named like the console's list: "Vorlauf Gesamt-Ergebnis".
    const int stage = StageOfTag(state.stageTag);
    const int kind = ShownResultList(state);
    const QString entry = EntryCaption(StageTag(stage, kind));
    page.listCaption = stage >= 1 && stage <= kStageCount && !entry.isEmpty()
                           ? StageNames[static_cast<size_t>(stage - 1)] + u' ' + entry
                           : QStringLiteral("Ergebnis");
    page.rows = rows;
    for (const QStringList& row : rows)
        page.colCount = std::max(page.colCount, static_cast<int>(row.size()));
    page.separator = state.separator;
    return ResultPageBytes(page);
}

LiveAnswer Text(int status, const QString& text) {
    return {status, kText, text.toUtf8() + '\n', {}};
}

} // namespace

LiveAnswer LiveRoute(const QByteArray& method, const QByteArray& path, const LiveSource& source) {
    if (method != "GET" && method != "HEAD") {
        LiveAnswer a =
            Text(405, QCoreApplication::translate("LivePage", "Diese Seite kann nur gelesen werden."));
        a.headers.append(std::pair<QByteArray, QByteArray>("Allow", "GET, HEAD"));
        return a;
    }
    if (path == "/") {
        // The page's own script and styles only; it asks nothing of other sites.
        return {200,
                kHtml,
                PageBytes(),
                {{"Content-Security-Policy", "default-src 'self'; script-src 'unsafe-inline'; style-src "
                                             "'unsafe-inline'; img-src 'self' data:"}}};
    }
    if (path == "/state.json") {
        const std::shared_ptr<const BoardState> state = source.State();
        return {200, "application/json", BoardJson(*state, source.Now()), {{"Cache-Control", "no-store"}}};
    }
    if (path == "/ergebnis") {
        const std::shared_ptr<const BoardState> state = source.State();
        // No script may run on a page made of list texts.
        return {200,
                "text/html; charset=windows-1252",
                ResultBytes(*state),
                {{"Cache-Control", "no-store"},
                 {"Content-Security-Policy", "default-src 'none'; style-src "
                                             "'unsafe-inline'"}}};
    }
    return Text(404, QCoreApplication::translate("LivePage",
                                                 "Diese Seite gibt es nicht. Die Anzeige steht unter „/“."));
}

LiveAnswer LiveRefusal(int status, const QString& text) {
    return Text(status, text);
}

std::optional<LiveRequestHead> ParseRequestHead(QByteArrayView head) {
    QList<QByteArrayView> lines;
    for (qsizetype from = 0; from <= head.size();) {
        qsizetype end = head.indexOf('\n', from);
        if (end < 0) end = head.size();
        QByteArrayView line = head.sliced(from, end - from);
        if (line.endsWith('\r')) line.chop(1);
        lines.append(line);
        from = end + 1;
    }
    // "GET /state.json HTTP/1.1": three parts, one space apart.
    const QByteArrayView first = lines.value(0);
    const qsizetype space1 = first.indexOf(' ');
    const qsizetype space2 = space1 < 0 ? -1 : first.indexOf(' ', space1 + 1);
    if (space1 <= 0 || space2 <= space1 + 1 || first.indexOf(' ', space2 + 1) >= 0) return std::nullopt;
    LiveRequestHead r;
    r.method = first.first(space1).toByteArray();
    for (char c : r.method)
        if (c < 'A' || c > 'Z') return std::nullopt;
    const QByteArrayView target = first.sliced(space1 + 1, space2 - space1 - 1);
    for (char c : target)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f) return std::nullopt;
    const QByteArrayView version = first.sliced(space2 + 1);
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return std::nullopt;
    const qsizetype query = target.indexOf('?');
    r.path = (query < 0 ? target : target.first(query)).toByteArray();

    bool close = false;
    bool keepAlive = false;
    bool lengthSeen = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        if (line.isEmpty()) continue;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) return std::nullopt;
        const QByteArray name = line.first(colon).toByteArray().toLower();
        if (name.contains(' ') || name.contains('\t')) return std::nullopt;
        const QByteArray value = line.sliced(colon + 1).toByteArray().trimmed();
        if (name == "connection") {
            for (const QByteArray& token : value.toLower().split(',')) {
                const QByteArray t = token.trimmed();
                close = close || t == "close";
                keepAlive = keepAlive || t == "keep-alive";
                r.upgrade = r.upgrade || t == "upgrade";
            }
        } else if (name == "upgrade") {
            r.upgrade = true;
        } else if (name == "transfer-encoding") {
            r.contentLength = -1;
        } else if (name == "content-length") {
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            // Two lengths that differ leave the body's end unknown.
            if (!ok || length < 0 || (lengthSeen && length != r.contentLength && r.contentLength >= 0))
                return std::nullopt;
            if (r.contentLength >= 0) r.contentLength = length;
            lengthSeen = true;
        }
    }
    r.keepAlive = version == "HTTP/1.1" ? !close : keepAlive && !close;
    return r;
}

QByteArray LiveResponseBytes(const LiveAnswer& a, bool head, bool keepAlive) {
    const char* reason = "OK";
    switch (a.status) {
    case 400:
        reason = "Bad Request";
        break;
    case 404:
        reason = "Not Found";
        break;
    case 405:
        reason = "Method Not Allowed";
        break;
    case 413:
        reason = "Content Too Large";
        break;
    case 503:
        reason = "Service Unavailable";
        break;
    default:
        break;
    }
    QByteArray out;
    out.reserve(a.body.size() + 512);
    out += "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + reason + "\r\n";
    out += "Content-Type: " + a.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
    out += "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    for (const auto& [key, value] : a.headers)
        out += key + ": " + value + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    if (!head) out += a.body;
    return out;
}

} // namespace zn
