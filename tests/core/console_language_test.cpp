#include "core/console_language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zn;

TEST(ConsoleLanguage, TheChoiceWinsThenTheSystemsFirstKnownLanguageThenGerman) {
    EXPECT_EQ(ChooseConsoleLanguage("pl", {"en-US"}), "pl");
    // A choice the console does not know (an older or edited file) follows the system.
    EXPECT_EQ(ChooseConsoleLanguage("xx", {"cs-CZ", "en-US"}), "cs");
    EXPECT_EQ(ChooseConsoleLanguage("", {"pt-BR", "en_GB", "de"}), "en");
    EXPECT_EQ(ChooseConsoleLanguage("", {"fr-FR", "it"}), "de");
    EXPECT_EQ(ChooseConsoleLanguage("", {}), "de");
}

TEST(ConsoleLanguage, TheChoiceIsKeptAndAnUnknownValueIsNone) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.conf"), QSettings::IniFormat);
    EXPECT_EQ(ReadChosenLanguage(store), "");
    WriteChosenLanguage(store, "cs");
    EXPECT_EQ(ReadChosenLanguage(store), "cs");
    EXPECT_EQ(store.value("Oberflaeche/Sprache").toString(), "cs");
    store.setValue("Oberflaeche/Sprache", " EN ");
    EXPECT_EQ(ReadChosenLanguage(store), "en");
    store.setValue("Oberflaeche/Sprache", "klingonisch");
    EXPECT_EQ(ReadChosenLanguage(store), "");
}

TEST(ConsoleLanguage, APageMissingInTheLanguageIsReadInEnglishThenGerman) {
    QTemporaryDir dir;
    const auto touch = [&](const char* name) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    touch("zeitnahme.html");
    touch("zeitnahme_en.html");
    const QStringList folders{dir.path()};
    EXPECT_EQ(QFileInfo(FindLocalisedPage("zeitnahme", "cs", folders)).fileName(), "zeitnahme_en.html");
    EXPECT_EQ(QFileInfo(FindLocalisedPage("zeitnahme", "de", folders)).fileName(), "zeitnahme.html");
    touch("zeitnahme_cs.html");
    EXPECT_EQ(QFileInfo(FindLocalisedPage("zeitnahme", "cs", folders)).fileName(), "zeitnahme_cs.html");
    EXPECT_EQ(FindLocalisedPage("zeitnahme-info", "pl", folders), "");
}
