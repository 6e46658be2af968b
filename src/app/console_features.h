#pragma once

#include "app/board_feature.h"
#include "app/competition_journal.h"
#include "app/contacts_feature.h"
#include "app/language_choice.h"
#include "app/live_page.h"
#include "core/console_language.h"

namespace zn {

// The features that follow the competition, composed beside the console
// window in the order their entries appear at the right end of its status
// bar. They must go before the window: they unsubscribe from its model.
struct ConsoleFeatures {
    ConsoleFeatures(ConsoleHost& host, const PlatformServices& platform)
        : contacts(host, platform), journal(host, platform), board(host, platform),
          live(host, board, platform), language(host, platform, CurrentConsoleLanguage()) {}

    // First: its entry goes left of the others, which keep their places.
    ContactsFeature contacts;
    CompetitionJournal journal;
    BoardFeature board;
    LivePage live;
    // Last: the language is the status bar's rightmost entry.
    LanguageChoice language;
};

} // namespace zn
