#include "app/main_window.h"

#include "comms/com_port.h"
#include "comms/serial_devices.h"
#include "controls/bit_btn_with_color.h"
#include "controls/digit.h"
#include "controls/label_3d.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/code_page.h"
#include "core/console_language.h"
#include "core/data_files.h"
#include "core/main_layout.h"
#include "core/tag.h"
#include "print/form_pp.h"
#include "print/print_preview.h"
#include "settings/dlg_yes_no.h"
#include "zn_version.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QPrinter>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace zn {

namespace {

const QString kCues[] = {QStringLiteral("FERTIG.wav"), QStringLiteral("START.wav"),
                         QStringLiteral("STOPP.wav"), QStringLiteral("Fehlstart.wav")};

Q_LOGGING_CATEGORY(lcFiles, "zn.files")

// ZEITNAHME_REPORT_FILES=1 lists at start-up which data file was found where,
// one line "Datei: NAME -> PATH" each: to check an installation without a
// display or a speaker.
void ReportDataFiles(const QStringList& names, const QStringList& folders, const QString& examples) {
    if (QProcessEnvironment::systemEnvironment().value(QStringLiteral("ZEITNAHME_REPORT_FILES")) !=
        QStringLiteral("1"))
        return;
    for (const QString& name : names) {
        const QString path = FindDataFile(name, folders);
        if (!path.isEmpty()) qCInfo(lcFiles).noquote() << "Datei:" << name << "->" << path;
    }
    qCInfo(lcFiles).noquote() << "Datei: Beispiele ->" << examples;
}

} // namespace

TFormMain::TFormMain(const PlatformServices& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("FormMain"));
    Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    BuildForm();
    FormCreate();
}

TFormMain::~TFormMain() {
    FormDestroy();
    // The grids go with the window's base, after the model: they show their
    // own stores until then.
    Model.SetView(nullptr);
    for (size_t list = 1; list <= 4; ++list) {
        Lists[list]->OnCellEdited = nullptr;
        Lists[list]->SetStore(nullptr);
    }
}

QString TFormMain::ProgramFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString TFormMain::ProgramBaseName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString TFormMain::DataFile(const QString& name) const {
    return FindDataFile(name, DataFolderList);
}

QString TFormMain::CueFile(const QString& name) const {
    const QString path = DataFile(name);
    return path.isEmpty() ? name : path;
}

void TFormMain::Click(QAction* item) {
    if (item && item->isEnabled()) item->trigger();
}

void TFormMain::FormCreate() {
    //: window title: the program's name and its version ("v." = version)
    setWindowTitle(tr("%1 v. %2").arg(kAppTitle, QStringLiteral(ZN_VERSION)));
    FindDataFiles();
    Lists = {nullptr, SortGrid1, SortGrid2, SortGrid3, SortGrid4};
    CurrentList = SortGrid1;
    ReadSettings();
    ReadClassList();
    // The false start lies exactly over START, hidden.
    bFSTART->setGeometry(bSTART->geometry());
    bFSTART->hide();
    PrepareResultFiles();
    SaveFilterIndex = Settings.filterIndex;
    PrepareCues();
    FindPorts();
    PrepareFileDialogs();
    TimerDateTimer();
    OpenComPorts();
    WriteListHeaders();
    // The run keys act only during a run.
    SetRunShortcuts(false);
    // Offer loading the team database first.
    QCursor::setPos(sbLoad->mapToGlobal(sbLoad->rect().center()));
}

void TFormMain::FindDataFiles() {
    // The working folder, beside the program, then the installed data folder.
    DataFolderList = platform_.dataFiles.isEmpty() ? DataFolders(ProgramFolder()) : platform_.dataFiles;
    // The Word template, where the ".docx" (or an old ".doc") is found.
    WordTemplatePath = QDir(ProgramFolder()).filePath(QStringLiteral("Protokollvorlage.doc"));
    for (const QString& name :
         {QStringLiteral("Protokollvorlage.docx"), QStringLiteral("Protokollvorlage.doc")}) {
        const QString found = DataFile(name);
        if (found.isEmpty()) continue;
        WordTemplatePath = QFileInfo(found).dir().filePath(QStringLiteral("Protokollvorlage.doc"));
        break;
    }
    // Help: the program's name with ".html", where found; else the path
    // beside the program, which the status bar names when it cannot be opened.
    // In the console's language where that page exists.
    HelpFile = FindLocalisedPage(ProgramBaseName(), CurrentConsoleLanguage(), DataFolderList);
    if (HelpFile.isEmpty())
        HelpFile = QDir(ProgramFolder()).filePath(ProgramBaseName() + QStringLiteral(".html"));
}

void TFormMain::ReadSettings() {
    // Window bounds, ports, layout block, titles.
    if (platform_.settings) {
        if (auto store = platform_.settings()) {
            ReadConsoleSettings(*store, Settings);
            ApplySettings();
        }
    }
    // Lines never set up (no "Nadpis" yet) get their first-run places.
    CertificateLines = DecodeCertificateLayout(Settings.certificateLayout);
    ApplyCertificateDefaults(CertificateLines);
}

void TFormMain::ReadClassList() {
    // Looked up in the data folders; the file may come from a Windows editor
    // (Windows-1252) or any other (UTF-8).
    QFile classes(DataFile(QStringLiteral("Klasse.txt")));
    if (classes.exists() && classes.open(QIODevice::ReadOnly)) ClassList = TextFileLines(classes.readAll());
}

void TFormMain::PrepareCues() {
    StartSoundPresent = !DataFile(QStringLiteral("START.wav")).isEmpty();
    for (const QString& cue : kCues)
        platform_.sound->WarmUp(CueFile(cue));
}

void TFormMain::FindPorts() {
    // Which ports are there (never the machine's console line).
    if (platform_.serial) {
        serialDevices_ = std::make_unique<MappedSerialDevices>(Settings.portDevices, *platform_.serial);
        for (TComPort* port : {ComPort1, ComPort2}) {
            port->SetDevices(serialDevices_.get());
            port->SetTickSource(platform_.clock);
            port->SetPrioritySystem(platform_.priority);
        }
    }
    EnumerateComPorts();
}

void TFormMain::PrepareFileDialogs() {
    Model.SetSaveFileName(ProgramBaseName() + QStringLiteral(".txt"));
    // The results' folder (beside the program unless that is read-only or a
    // system folder); the first open dialog shows the example competition.
    SaveFolder = ResultFolder.folder;
    OpenFolder = ExamplesFolder(ProgramFolder());
    ReportDataFiles({kCues[0], kCues[1], kCues[2], kCues[3], QStringLiteral("Klasse.txt"),
                     ProgramBaseName() + QStringLiteral(".html"),
                     ProgramBaseName() + QStringLiteral("-info.html"),
                     ProgramBaseName() + QStringLiteral("_en.html"), QStringLiteral("Protokollvorlage.docx"),
                     QStringLiteral("Protokollvorlage.doc")},
                    DataFolderList, OpenFolder);
}

void TFormMain::WriteListHeaders() {
    const QStringList top{QStringLiteral("Mannschaft"), QStringLiteral("Bahn 1"), QStringLiteral("Bahn 2")};
    for (int c = 0; c < top.size(); ++c)
        SortGridTop->SetCell(c, 0, top[c]);
    const QStringList protocol{QStringLiteral("Nr."),    QStringLiteral("Name"),    QStringLiteral("Klasse"),
                               QStringLiteral("Q."),     QStringLiteral("Zeit"),    QStringLiteral("Fehler"),
                               QStringLiteral("Gesamt"), QStringLiteral("Zeit"),    QStringLiteral("Fehler"),
                               QStringLiteral("Gesamt"), QStringLiteral("Bestzeit")};
    for (int c = 0; c < protocol.size(); ++c)
        SortGrid1->SetCell(c, 0, protocol[c]);
    const QStringList result{QStringLiteral("Platz"),  QStringLiteral("Mannschaft"),
                             QStringLiteral("Klasse"), QString::fromUtf8("Übungszeit"),
                             QStringLiteral("Fehler"), QStringLiteral("Gesamtzeit")};
    for (int c = 0; c < result.size(); ++c)
        SortGrid3->SetCell(c, 0, result[c]);
}

namespace {

// The screens' usable areas, the primary screen first.
QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen()) areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    }
    return areas;
}

} // namespace

void TFormMain::ApplySettings() {
    const ConsoleSettings& s = Settings;
    // Each bound that was read applies on its own: the reading may have
    // stopped between them.
    move(s.left.value_or(x()), s.top.value_or(y()));
    resize(std::max(s.width.value_or(width()), minimumWidth()),
           std::max(s.height.value_or(height()), minimumHeight()));
    // A window saved on a screen that is no longer there opens on one that is.
    const QRect placed = PlaceOnScreens(QRect(pos(), size()), AvailableScreenAreas());
    move(placed.topLeft());
    resize(std::max(placed.width(), minimumWidth()), std::max(placed.height(), minimumHeight()));
    if (s.title1) Title1->SetCaption(*s.title1);
    if (s.title2) Title2->SetCaption(*s.title2);
}

void TFormMain::CollectSettings() {
    Settings.left = x();
    Settings.top = y();
    Settings.width = width();
    Settings.height = height();
    Settings.filterIndex = SaveFilterIndex;
    Settings.title1 = Title1->Caption();
    Settings.title2 = Title2->Caption();
    Settings.certificateLayout = EncodeCertificateLayout(CertificateLines);
}

void TFormMain::TimerDateTimer() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("   ") +
                         locale.toString(now.time(), QLocale::ShortFormat);
    // Some locales write long dates ("7 Dec 2026   08:45:36"): the text shrinks
    // to fit the panel rather than being cut.
    QFont font = PanelDate->font();
    font.setPixelSize(24);
    while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(text) > PanelDate->width() - 8)
        font.setPixelSize(font.pixelSize() - 1);
    PanelDate->setFont(font);
    PanelDate->setText(text);
}

// A correction still being typed counts, and the time protocol goes to disk
// before the program ends. The question comes while a run is on, and when the
// protocol could not be written (the red notice in the status bar says why).
bool TFormMain::FormCloseQuery() {
    CommitCellEdit(CurrentList);
    const bool written = SaveProtocolFile();
    if (!FDlgYesNo || (!Clock->isActive() && written)) return true;
    //: question before the program closes
    return AskYesNo(tr("Beenden?"));
}

bool TFormMain::AskOperator(const QString& question) {
    return FDlgYesNo && AskYesNo(question);
}

bool TFormMain::AskYesNo(const QString& question) {
    FDlgYesNo->Label1->setText(question);
    return platform_.modal->Exec(*FDlgYesNo) == TFDlgYesNo::mrYes;
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TFormMain::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    SaveSettingsAtExit();
    // The preview window may outlive this window's parts.
    if (FormPP) {
        FormPP->PrintPreview1->SetPrinter(nullptr);
        FormPP->Source = nullptr;
        FormPP->AskPdfFileName = nullptr;
        FormPP->Tell = nullptr;
        FormPP->Saved = nullptr;
        FormPP->Ask = nullptr;
    }
    // The first port closes with its handlers; the second is closed as the
    // window goes, without touching the window's parts.
    ComPort1->Close();
    ComPort2->OnClose = nullptr;
    ComPort2->Close();
}

void TFormMain::SaveSettingsAtExit() {
    if (!platform_.settings) return;
    auto store = platform_.settings();
    if (!store || !store->isWritable()) return;
    CollectSettings();
    WriteConsoleSettings(*store, Settings);
    store->sync();
}

void TFormMain::bExitClick() {
    close();
}

void TFormMain::bHelpClick() {
    if (!platform_.shell->Open(HelpFile))
        StatusPanel1->setText(tr(" Hilfe nicht gefunden: %1").arg(QDir::toNativeSeparators(HelpFile)));
}

void TFormMain::Label5Click() {
    const QString name = ProgramBaseName() + QStringLiteral("-info.html");
    QString about = FindLocalisedPage(ProgramBaseName() + QStringLiteral("-info"), CurrentConsoleLanguage(),
                                      DataFolderList);
    if (about.isEmpty()) about = QDir(ProgramFolder()).filePath(name);
    if (!platform_.shell->Open(about))
        StatusPanel1->setText(tr(" Seite nicht gefunden: %1").arg(QDir::toNativeSeparators(about)));
}

} // namespace zn
