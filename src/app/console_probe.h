#pragma once

#include "app/console_features.h"
#include "app/journal_window.h"
#include "app/main_window.h"
#include "live/live_server.h"

#include <QAction>
#include <QLabel>
#include <memory>

namespace zn {

// The main window with its insides open: the components by the names the
// handlers know them, its state and its handlers, and beside it the journal,
// the board and the live page composed as the program composes them. For
// tests, benchmarks and the screenshot tool only, which drive the real window
// and look into it; the program itself never makes one.
class ConsoleProbe : public TFormMain {
public:
    explicit ConsoleProbe(const PlatformServices& platform, QWidget* parent = nullptr)
        : TFormMain(platform, parent), features_(std::make_unique<ConsoleFeatures>(*this, platform)) {}
    // The features go first, as in the program.
    ~ConsoleProbe() override { features_.reset(); }

    ConsoleFeatures& Features() { return *features_; }
    void StartJournal() { features_->journal.Start(); }
    EventJournal* Journal() const { return features_->journal.Journal(); }
    JournalWindow* ChangeLog() const { return features_->journal.window_; }
    void ToggleBoard() { features_->board.Toggle(); }
    BoardWindow* BoardWindowOpened() const { return features_->board.Window(); }
    void SetLivePage(bool on, uint16_t port) { features_->live.Set(on, port); }
    LivePageServer* LiveServer() const { return features_->live.Server(); }
    QAction* LivePageAction() const { return features_->live.action_; }
    QLabel* StatusPanelLive() const { return features_->live.notice_; }
    QLabel* StatusPanelJournal() const { return features_->journal.notice_; }

    using TFormMain::ApplyLoadedLists;
    using TFormMain::AutoSaveFile;
    using TFormMain::AvailablePorts;
    using TFormMain::bCFG;
    using TFormMain::bFSTART;
    using TFormMain::bHelpClick;
    using TFormMain::bQ;
    using TFormMain::bRESET;
    using TFormMain::bRESETMouseDown;
    using TFormMain::bSTART;
    using TFormMain::bSTARTMouseDown;
    using TFormMain::bSTOP1;
    using TFormMain::bSTOP2;
    using TFormMain::cbBuhn1;
    using TFormMain::cbBuhn2;
    using TFormMain::CertificateLines;
    using TFormMain::ClassList;
    using TFormMain::Clock;
    using TFormMain::ClockTimer;
    using TFormMain::ComPort1;
    using TFormMain::ComPort2;
    using TFormMain::CurrentList;
    using TFormMain::DatenbanknachVorlauf2;
    using TFormMain::Digits;
    using TFormMain::EditColumn;
    using TFormMain::HelpFile;
    using TFormMain::Lab1_100;
    using TFormMain::Lab1_sek;
    using TFormMain::Label5Click;
    using TFormMain::LabelErgebnis;
    using TFormMain::LabSec1;
    using TFormMain::LabSec2;
    using TFormMain::LaneContacts;
    using TFormMain::LastStoppedLane;
    using TFormMain::Led1;
    using TFormMain::Led1Click;
    using TFormMain::Lists;
    using TFormMain::mConfirmTime;
    using TFormMain::mFStart;
    using TFormMain::mReset;
    using TFormMain::mResetClick;
    using TFormMain::mStart;
    using TFormMain::mStartClick;
    using TFormMain::mSTOP1;
    using TFormMain::mSTOP1Click;
    using TFormMain::mStop2Click;
    using TFormMain::PanelCentr;
    using TFormMain::PanelDate;
    using TFormMain::PanelLeft;
    using TFormMain::PanelLL;
    using TFormMain::PanelRR;
    using TFormMain::PanelT1;
    using TFormMain::PanelT2;
    using TFormMain::PanelTimer;
    using TFormMain::PopupMenuProtocol;
    using TFormMain::PopupMenuQ4;
    using TFormMain::PortDeviceHint;
    using TFormMain::Printer;
    using TFormMain::ProtocolFile;
    using TFormMain::RebuildLaneLists;
    using TFormMain::RerankResultList;
    using TFormMain::SaveFilterIndex;
    using TFormMain::SaveFolder;
    using TFormMain::SaveListAsText;
    using TFormMain::sb1;
    using TFormMain::sb2;
    using TFormMain::sbCLS;
    using TFormMain::sbClsAll;
    using TFormMain::sbExcel;
    using TFormMain::sbGramoty;
    using TFormMain::sbHTML;
    using TFormMain::sbLoad;
    using TFormMain::sbPrint;
    using TFormMain::sbSave;
    using TFormMain::sbSaveX;
    using TFormMain::sbWord;
    using TFormMain::SelectDatenbank;
    using TFormMain::Settings;
    using TFormMain::SetWorkbookTarget;
    using TFormMain::SortGrid1;
    using TFormMain::SortGrid1GetCellFormat;
    using TFormMain::SortGrid1KeyPress;
    using TFormMain::SortGrid2;
    using TFormMain::SortGrid3;
    using TFormMain::SortGrid4;
    using TFormMain::SortGridTop;
    using TFormMain::StageEntry;
    using TFormMain::Startliste;
    using TFormMain::StartTick;
    using TFormMain::StatusBar1;
    using TFormMain::StatusPanel0;
    using TFormMain::StatusPanel1;
    using TFormMain::StatusPanelFiles;
    using TFormMain::StatusPanelPorts;
    using TFormMain::StatusPanelSaveError;
    using TFormMain::StatusPanelWarnings;
    using TFormMain::StopTick;
    using TFormMain::TimerDateTimer;
    using TFormMain::TimerGesperrt1;
    using TFormMain::TimerGesperrt1Timer;
    using TFormMain::TimerGesperrt2;
    using TFormMain::TimerNote;
    using TFormMain::TimerNoteTimer;
    using TFormMain::TimerPortCheck;
    using TFormMain::TimerPortCheckTimer;
    using TFormMain::Title1;
    using TFormMain::Title2;
    using TFormMain::UpdateCommandStates;
    using TFormMain::UseResultFolder;
    using TFormMain::WordTemplatePath;

private:
    std::unique_ptr<ConsoleFeatures> features_;
};

} // namespace zn
