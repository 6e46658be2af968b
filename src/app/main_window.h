#pragma once

#include "app/console_host.h"
#include "app/platform.h"
#include "controls/sort_grid_types.h"
#include "core/app_title.h"
#include "core/certificate_layout.h"
#include "core/colors.h"
#include "core/competition/competition_model.h"
#include "core/competition_events.h"
#include "core/console_settings.h"
#include "core/contact_counts.h"
#include "core/contact_input.h"
#include "core/file_writer.h"
#include "core/output_location.h"
#include "core/sort_engine.h"

#include <QMap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

namespace zn {

class ISerialDevices;
class TBitBtnWithColor;
class TComPort;
struct SerialError;
class TDigit;
class TFDlgYesNo;
class TFormPP;
class TCfgDialog;
class TLabel3D;
class TLed;
class TSortGrid;

// The operator console: lane titles and team choices at the top, the two
// seven-segment timer panels, and the lists with their command buttons.
// One class spread over several files by concern:
//   main_form.cpp        building the components
//   main_window.cpp      start-up, shut-down, the data files
//   window_layout.cpp    resize rules
//   run_timing.cpp       the run cycle
//   contact_ports.cpp    the contacts on the serial ports
//   contact_counting.cpp the lanes' contacts counted for the day, on Led1
//   console_keys.cpp     the hidden menu, the run keys, notes in the status bar
//   results_table.cpp    recording, corrections, ranking in the four grids
//   stage_lists.cpp      the shown list and generating the results
//   next_round.cpp       the next stage from the qualification result
//   workbook_load.cpp    loading a workbook
//   workbook_files.cpp   saving the lists as a workbook and a Word document
//   result_files.cpp     the text files, the save dialog and the auto-save
//   html_export.cpp      the shown list as a web page
//   printing.cpp         protocol and certificates through the preview
//   settings_command.cpp "Einstellungen"
//   time_warning_marks.cpp warned times: their marks and confirmation
// The journal, the spectator board, the live page and the lanes' contacts are
// features of their own (competition_journal.*, board_feature.*, live_page.*,
// contacts_feature.*) composed beside this window; they use it through
// ConsoleHost.
class TFormMain : public QWidget, public ConsoleHost {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 1006;
    static constexpr int kDesignHeight = 615;
    static constexpr int kMinHeight = 445;
    static inline const QString kAppTitle = ApplicationTitle();

    explicit TFormMain(const PlatformServices& platform, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The competition this window shows: the grids are views of its lists,
    // and every click and key that changes it is one of its operations. Its
    // event stream is what the journal, the board and the live page follow.
    CompetitionModel Model;

    // The program entry creates the question box after the main window.
    void SetYesNoDialog(TFDlgYesNo* dialog) { FDlgYesNo = dialog; }
    // ... and the preview window after that; it prints through Printer.
    void SetPreviewWindow(TFormPP* preview);
    // The settings dialog, created right after this window (it lists the
    // ports this window found at its start).
    void SetSettingsDialog(TCfgDialog* dialog);

    // Once the window is shown and the journal started: the program's arguments: a workbook named there (the
    // file manager's "open with") is loaded as sbLoad would; false when none was or it failed.
    bool OpenStartupWorkbook(const QStringList& arguments);
    // The ports found at start-up (bit n-1 for COMn) and the certificate
    // lines, which the settings dialog edits.
    uint32_t PortsFound() const { return AvailablePorts; }
    CertificateLayout* Certificates() { return &CertificateLines; }
    // Runs a menu item's handler the way a click on it would: not when disabled.
    static void Click(QAction* item);

protected:
    // The run keys in the console's other windows (console_keys.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's insides for tests, benchmarks and the screenshot tool.
    friend class ConsoleProbe;
    friend void PutDemoTeams(TFormMain& form, const QStringList& teamKeys);

    // --- the form's components (names as the handlers know them) ---
    QFrame* PanelTop = nullptr;
    QPushButton* bHelp = nullptr;
    QPushButton* bCFG = nullptr;
    QPushButton* bBeenden = nullptr;
    QLabel* PanelDate = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label6 = nullptr;
    QFrame* Panel = nullptr;
    QFrame* PanelLL = nullptr;
    QFrame* PanelRR = nullptr;
    QLabel* LabelBahn1 = nullptr;
    QLabel* LabelBahn2 = nullptr;
    TLabel3D* Title1 = nullptr;
    TLabel3D* Title2 = nullptr;
    QComboBox* cbBuhn1 = nullptr;
    QComboBox* cbBuhn2 = nullptr;
    QToolButton* sbLoad = nullptr;
    QLabel* Image1 = nullptr;

    QFrame* PanelTimer = nullptr;
    QFrame* PanelT1 = nullptr;
    QFrame* PanelCentr = nullptr;
    QFrame* PanelT2 = nullptr;
    std::array<std::array<TDigit*, 5>, 2> Digits{}; // Digit1_1..Digit1_5, Digit2_1..Digit2_5
    QLabel* LabSec1 = nullptr;
    QLabel* LabSec2 = nullptr;
    QLabel* Lab1_sek = nullptr;
    QLabel* Lab2_sek = nullptr;
    QLabel* Lab1_100 = nullptr;
    QLabel* Lab2_100 = nullptr;
    TLed* Led1 = nullptr;

    QWidget* PanelLeft = nullptr;
    QFrame* PanelProtokoll = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* LabelErgebnis = nullptr;
    // The shown list's German name, which the exported documents carry.
    QString ListCaption = QStringLiteral("Ergebnis");
    TSortGrid* SortGridTop = nullptr;
    TSortGrid* SortGrid1 = nullptr;
    TSortGrid* SortGrid2 = nullptr;
    TSortGrid* SortGrid3 = nullptr;
    TSortGrid* SortGrid4 = nullptr;
    std::array<TSortGrid*, 5> Lists{}; // entries 1-4
    TSortGrid* CurrentList = nullptr;

    TBitBtnWithColor* bSTART = nullptr;
    TBitBtnWithColor* bFSTART = nullptr;
    TBitBtnWithColor* bSTOP1 = nullptr;
    TBitBtnWithColor* bSTOP2 = nullptr;
    TBitBtnWithColor* bRESET = nullptr;
    QToolButton* sbSave = nullptr;
    QToolButton* sbExcel = nullptr;
    QToolButton* sbSaveX = nullptr;
    QToolButton* sbHTML = nullptr;
    QToolButton* sbWord = nullptr;
    QToolButton* sbPrint = nullptr;
    QToolButton* sbGramoty = nullptr;
    QToolButton* sbCLS = nullptr;
    QToolButton* sbClsAll = nullptr;
    QToolButton* bQ = nullptr;
    QToolButton* sb1 = nullptr;
    QToolButton* sb2 = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;

    QTimer* TimerDate = nullptr;
    QTimer* Clock = nullptr;
    QTimer* TimerGesperrt1 = nullptr;
    QTimer* TimerGesperrt2 = nullptr;
    QTimer* TimerPortCheck = nullptr;
    // Ends a brief note in StatusPanel1 (ShowBriefNote).
    QTimer* TimerNote = nullptr;

    // The two timing lines; both watch CTS and DSR only.
    TComPort* ComPort1 = nullptr;
    TComPort* ComPort2 = nullptr;
    // Bit n-1 for each present COMn; the highest present number in the upper 16 bits.
    uint32_t AvailablePorts = 0;
    // The last masked status per lane and for events of no lane.
    ContactMemory Contacts;
    // Red while a timing port cannot be used: names the port and what to do.
    QLabel* StatusPanelPorts = nullptr;

    // The hidden menu: its items act through their shortcuts and Click().
    QAction* mStart = nullptr;
    QAction* mFStart = nullptr;
    QAction* mSTOP1 = nullptr;
    QAction* mStop2 = nullptr;
    QAction* mReset = nullptr;
    QAction* BlockLS1 = nullptr;
    QAction* mHilfe = nullptr;
    QAction* EinstellunGen1 = nullptr;
    QAction* Einstellungen2 = nullptr;
    QAction* Hilfe1 = nullptr;
    QAction* Drucker1 = nullptr;
    QAction* Beenden1 = nullptr;
    // The list menu entry that shows the time protocol of the first stage.
    QAction* DatenbanknachVorlauf2 = nullptr;
    // The list menu behind bQ: one submenu per stage, entries tagged
    // stage x 10 + list kind (9: generate the result lists).
    QMenu* PopupMenuQ4 = nullptr;
    std::array<QMenu*, 6> Startliste{}; // entries 1-5
    // Where the files beside the program went when the program's folder is read-only.
    QLabel* StatusPanelFiles = nullptr;
    // Red while an automatic save (auto-save, time protocol) has failed: names
    // the file and the reason, and stays until that file is written again.
    QLabel* StatusPanelSaveError = nullptr;

    // The printer chosen in the print dialog or the printer set-up; a PDF
    // printer when the system has none.
    std::unique_ptr<QPrinter> Printer;
    TFormPP* FormPP = nullptr;
    TCfgDialog* CfgDialog = nullptr;
    // The 18 certificate lines ("Nadpis"); lines 0-7 keep what was printed last.
    CertificateLayout CertificateLines{};
    // The certificate rows the print dialog chose.
    int PrintFirstRow = 1;
    int PrintLastRow = 1;

    // --- state ---
    uint32_t StartTick = 0;
    std::array<uint32_t, 2> StopTick{};
    int LastStoppedLane = -1;
    bool StartSoundPresent = false;
    static constexpr std::array<TColor, 2> LaneDigitColors{0x404040, clYellow};
    ConsoleSettings Settings;
    std::optional<QStringList> ClassList;
    QString WordTemplatePath;
    QString HelpFile;
    QString AutoSaveFile;
    // The time protocol's own file, beside AutoSaveFile.
    QString ProtocolFile;
    // The German names of the saved files' types, for the journal.
    QString TextTypeName = QStringLiteral("Textdatei");
    QString WebTypeName = QStringLiteral("Webseite");
    QString WordTypeName = QStringLiteral("MS Word");
    QString ExcelTypeName = QStringLiteral("MS Excel");
    QString OpenFilter;
    QString SaveFilter;
    int SaveFilterIndex = 2;
    QString SaveFolder;
    QString OpenFolder;
    // -1, or the "Fehler" column (5 or 8) of the lane whose cell is being edited.
    int EditColumn = -1;
    // The folder of the files "beside the program" (auto-save, web page).
    OutputLocation ResultFolder;

    // --- handlers ---
    void FormCreate();
    void FormResize();
    void PanelResize();
    void PanelTimerResize();
    void TimerDateTimer();
    bool FormCloseQuery();
    void FormDestroy();
    void bExitClick();
    void bHelpClick();
    void Label5Click();

    void mStartClick(QObject* sender);
    void mSTOPClick(QObject* sender);
    void mSTOP1Click();
    void mStop2Click();
    void mResetClick(QObject* sender);
    void mFStartClick();
    void ClockTimer();
    void TimerGesperrt1Timer(QObject* sender);
    void cbBuhnChange();
    void bSTARTMouseDown();
    void bSTOP1MouseDown();
    void bSTOP2MouseDown();
    void bRESETMouseDown();

    // Timing device input (contact_ports.cpp).
    void EnumerateComPorts();
    // Start-up: the lanes' ports, one port for both lanes when they share it.
    void OpenComPorts();
    void ComPort146(TComPort* Sender);
    void ComPort178(TComPort* Sender);
    void TriggerLane(int lane);
    void ComPort1Open(TComPort* Sender);
    void ComPort1Close(TComPort* Sender);
    void ComPortFail(TComPort* Sender, const SerialError& error);
    void TimerPortCheckTimer();
    void Led1Click();
    // The lanes' contacts of the day (contact_counting.cpp): what a contact
    // did, and a change of a line that is no contact; both shown on Led1.
    void CountContact(int lane, ContactOutcome outcome, uint32_t instant);
    void CountLineChange(int lane, uint32_t instant);
    void ShowLed1Tip();
    QDateTime WallNow() const;
    ContactCounts LaneContacts;

    // The keys, the hidden menu and the notes (console_keys.cpp).
    // A note in StatusPanel1 for a few seconds; then the panel's text before it
    // comes back (unless something else was written meanwhile).
    void ShowBriefNote(const QString& text);
    void TimerNoteTimer();
    // While a run is on (START to RESET) a command that would open a modal
    // window is refused, and the status bar says so; true when refused.
    bool RefuseDuringRun(const QString& command);

    void ShowLaneTime(int lane, int32_t ms);
    QString FormatRunTime(int32_t ms) const;
    void SetRunShortcuts(bool on);
    // After a lane's stop: with both lanes stopped the clock ends, RESET is
    // offered and the lists are saved.
    void FinishStop();
    void UpdateCommandStates();

    // Printing (printing.cpp): sbPrint (Tag 0) the protocol, sbGramoty (Tag 1)
    // the certificates of the shown list.
    void sbGramotyClick(QObject* sender);
    void Drucker1Click();
    // The paper and orientation kept for the preview's Tag (0 protocol, else certificates).
    PageSetup& PageSetupOf(int tag);

    // Settings (settings_command.cpp).
    void bCFGClick();
    // The device a port number stands for here, for the port lists' tooltips.
    QString PortDeviceHint(int port) const;
    // "Geräte …": the port numbers pointed at other devices; the ports present
    // afterwards, or nothing when the operator cancelled.
    std::optional<uint32_t> AssignPortDevices();

    // The lists (results, stages, files).
    void CommitCellEdit(TSortGrid* grid);
    void RerankResultList();
    // The lane lists from the time protocol's teams (results_table.cpp).
    void RebuildLaneLists(bool keepPair = false);
    void SortGrid1GetCellFormat(TSortGrid* Sender, int Col, int Row, TGridDrawState State,
                                TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                                bool& Ellipsis);
    void SortGrid3GetCellFormat(TSortGrid* Sender, int Col, int Row, TGridDrawState State,
                                TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                                bool& Ellipsis);
    void SortGrid1GetComboBox(TSortGrid* Sender, int ACol, int ARow, QStringList& Strs, int& Width,
                              int& Height, bool& Sorted);
    void SortGrid1GetSortStyle(TSortGrid* Sender, int Col, TSortStyle& SortStyle);
    void SortGrid3GetSortStyle(TSortGrid* Sender, int Col, TSortStyle& SortStyle);
    void SortGrid1SetChecked(TSortGrid* Sender, int ACol, int ARow, bool State);
    void SortGrid1SelectCell(TSortGrid* Sender, int ACol, int ARow, bool& CanSelect);
    void SortGrid1KeyPress(TSortGrid* Sender, QChar& Key);
    void SortGrid1RowSelected(TSortGrid* Sender);
    void sb1Click(QObject* sender);
    void sbCLSClick();
    void sbClsAllClick();

    void bQClick();
    // Shows the list of a menu entry (no event: the run shows its protocol,
    // a load its database); ChooseListEntry is the operator's pick.
    void SelectDatenbank(QAction* entry);
    void ChooseListEntry(QAction* entry);
    void QualigenerierenClick(QAction* entry);
    // "Nächste Runde …" of a stage's submenu (next_round.cpp).
    void NextRoundClick(QAction* entry);
    // The list menu entry with this tag, or null.
    QAction* StageEntry(int tag) const;

    bool SaveListAsText(const QString& fileName);
    // After a run: the shown list into AutoSaveFile and the time protocol
    // into ProtocolFile.
    void AutoSaveAfterRun();
    // Called wherever the time protocol may have changed outside a run's
    // stop: writes ProtocolFile at once if it did (after the run while a lane
    // runs, so a slow disk never delays a stop).
    void ProtocolChanged();
    // The lists in the grids are taken as loaded from fileName (the model's
    // TakeLoadedLists) and shown.
    void ApplyLoadedLists(const QString& fileName);
    void sbSaveClick();
    void sbLoadClick();
    void sbSaveXClick();
    void sbExcelClick();
    bool WriteResultPage(const QString& fileName);
    void sbHTMLClick();
    // Puts the auto-save file and the web page into this folder and says so
    // in the status bar when it is not the program's own.
    void UseResultFolder(const OutputLocation& location);

    // Workbook and document exchange; each gives false when nothing was done.
    bool LoadWorkbook(const QString& fileName);
    // sbSaveX's target and its tooltip, which names the file it writes.
    void SetWorkbookTarget(const QString& path);
    // A file the operator saved the competition to: it becomes the save
    // target (a workbook also sbSaveX's) and goes into the journal.
    void FileSaved(const QString& path, const QString& type);
    bool ExportWorkbook(const QString& fileName);
    bool ExportWordDocument(int mode, const QString& fileName);

    // The program's own folder and base name (for files beside the program).
    QString ProgramFolder() const;
    QString ProgramBaseName() const;
    // Where the data files (cues, Klasse.txt, help pages, letterhead) are
    // looked up, first hit wins; set once at start-up.
    QStringList DataFolderList;
    // The file's absolute path in the first data folder holding it; empty
    // when none does.
    QString DataFile(const QString& name) const;
    // A cue to play: its path where found, else its bare name, which the
    // player turns into the system alert.
    QString CueFile(const QString& name) const;

    // FormCreate's steps, in the order it takes them.
    void FindDataFiles();
    void ReadSettings();
    void ReadClassList();
    void PrepareCues();
    void FindPorts();
    void PrepareFileDialogs();
    void WriteListHeaders();

    void BuildForm();
    void BuildTopBand();
    void BuildTimerBand();
    void BuildTimerPanel(QFrame* panel, int lane);
    void BuildTableArea();
    void BuildCommandButtons();
    void BuildMenu();
    void BuildTimers();
    void AlignControls();
    void ApplySettings();
    void CollectSettings();
    QToolButton* MakeSpeedButton(const QString& name, const QString& hint, int icon);
    void BuildStageMenu();
    void BindListHandlers();
    // The view of the list chosen by a menu entry: the grid, the entry's tick,
    // captions and command states.
    void ShowListEntry(QAction* entry);
    // The model's stages, shown list and lanes after a load or a restart.
    void ShowLoadedLists();
    // The lane lists as the model has them; `items` fills them anew, `open`
    // enables each where it offers a team.
    void ShowLanes(bool items, bool open);
    // A stopped lane's time that no protocol row took: said in the status bar
    // at once and in a message box once the run is over.
    void ShowRecordOutcome(const RecordOutcome& outcome, int lane, const QString& time);
    void PrepareResultFiles();
    // Writes the time protocol when it changed since it was last written.
    // False when the write failed.
    bool SaveProtocolFile();
    // An automatic save of a list: a list without team rows never replaces a
    // file; a failure goes to StatusPanelSaveError, a success takes that
    // file's failure off it.
    bool SaveAutomatically(const QString& fileName, int list);
    // The yes/no question box (which must exist) with this question; true on "Ja".
    bool AskYesNo(const QString& question);

    // What the journal, the board and the live page use of this window.
    QWidget& HostWindow() override { return *this; }
    CompetitionModel& HostModel() override { return Model; }
    ContactCounts& HostContactCounts() override { return LaneContacts; }
    void AddToStatusBar(QWidget* widget) override;
    QLabel* AddLastingNotice(const QString& name) override;
    void SetMessage(const QString& text) override;
    void SetStatusBarTip(const QString& tip) override;
    bool AskOperator(const QString& question) override;
    // The lists, the shown list, the lanes' pair and where the competition is
    // saved come back in the model; the window shows them and takes the
    // folders of its dialogs from the files.
    void ShowRestored(const CompetitionState& state, const QString& note) override;
    void KeepSessionNote(const QString& note) override { sessionNote_ = note; }
    // A message box through the modal seam: never while a lane is still running.
    void TellOperator(const QString& text, bool error) override;
    // The common end of the workbook and document exports.
    bool FinishExport(const WriteResult& result, bool show, const QString& chosen, const QString& target,
                      const QString& cannotOpen);
    void ShowPendingRecordNotices();
    void BuildComPorts();
    // Whether a key is the shortcut of an enabled run action (S, F, 1, 2, 0).
    bool IsRunKey(const QKeyEvent& key) const;
    // This window or one of its own (change log, board, preview, dialogs).
    bool IsConsoleWindow(const QObject* object) const;
    // The note shown by ShowBriefNote and the text it covers.
    QString note_;
    QString noteBase_;
    void SaveSettingsAtExit();
    // Opens one port; a failure is named in the red port notice with the
    // lanes that get no contacts (a missing permission with its fix), and the
    // port is offered again once its device answers. False when not open.
    bool OpenComPort(TComPort* port);
    // "1", "2" or "1 und 2": the lanes whose contacts come through a port.
    QString LanesOfPort(int number) const;
    void ContactChanged(TComPort* sender, int contactLine);
    // A start contact while the start is not armed: said, and journaled once
    // per lock-out.
    void IgnoreStartContact(int lane, uint32_t instant);
    // A lane's lock-out: on while its timer (TimerGesperrt1/2) runs, judged
    // by the contact's own instant against 2 s from the instant it began.
    bool LockedOut(int lane, uint32_t instant) const;
    void BeginLockOut(int lane, uint32_t begin);
    std::array<uint32_t, 2> lockOutBegin_{};
    void ShowPortNotice();
    // OK of the settings dialog: both ports closed and opened by the lanes'
    // new entries; a port that does not open is said and kept.
    void ApplyPortChoice(const QString& entry1, int mode1, const QString& entry2, int mode2);

    // 1-4 for the four lists, 0 for none.
    int ListKind(const TSortGrid* list) const;
    // The grids as the views of the model's lists.
    std::unique_ptr<IListView> listViews_;
    bool restored_ = false;
    // What the start did with the last session (restored, or kept aside):
    // still said after a workbook named on the command line is loaded.
    QString sessionNote_;

    QStringList pendingRecordNotices_;
    // File -> why its last automatic save failed.
    QMap<QString, QString> failedSaves_;
    // The protocol's change count when ProtocolFile last matched it.
    std::optional<std::uint64_t> protocolWrittenAt_;

    // While a contact's handlers run: the instant the reader thread saw it.
    std::optional<uint32_t> contactTick_;
    std::unique_ptr<ISerialDevices> serialDevices_;
    // Port number -> why it cannot be used now (failed device, no permission).
    // The red notice shows each port's brief text; its tooltip the whole one
    // with the device and the system's reason.
    struct PortProblem {
        QString brief;
        QString full;
    };
    QMap<int, PortProblem> portProblems_;
    // Failed ports waiting for their device to come back.
    QList<int> failedPorts_;

    // Warned times (time_warning_marks.cpp): the amber mark of a time in
    // the protocol, a notice while one is open, the confirmation (Strg+B,
    // the protocol's context menu) and the minimum time ("Mindestzeit …").
    void BuildTimeWarnings();
    void ShowWarningMarks();
    // Confirms the marked times of a protocol row; a row without a mark
    // (or -1) confirms the oldest mark.
    void ConfirmWarnedTime(int row);
    void SetMinimumTimeClick();
    // Amber for a marked time cell of the protocol (SortGrid1GetCellFormat).
    void MarkWarnedTime(const TSortGrid* grid, int col, const QString& team, TFormatOptions& format) const;
    QLabel* StatusPanelWarnings = nullptr;
    QMenu* PopupMenuProtocol = nullptr;
    QAction* mConfirmTime = nullptr;
    // The protocol row the context menu was opened on; -1 when closed.
    int popupRow_ = -1;
    std::unique_ptr<ICompetitionObserver> warningFollower_;

    PlatformServices platform_;
    TFDlgYesNo* FDlgYesNo = nullptr;
    bool destroyed_ = false;
};

} // namespace zn
