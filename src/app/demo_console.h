#pragma once

#include "app/platform.h"

#include <QString>
#include <QStringList>

namespace zn {

class TFormMain;

// Platform services that stay silent, for the programs that run the real
// console with nobody in front of it: the screenshot and the timing programs.
class SilentSound final : public ISoundPlayer {
public:
    void WarmUp(const QString&) override {}
    void PlaySync(const QString&) override {}
    void PlayAsync(const QString&) override {}
};

class NoShell final : public IShell {
public:
    bool Open(const QString&) override { return false; }
};

// Every question is answered with Cancel.
class NoQuestions final : public IModalRunner {
public:
    int Exec(QDialog&) override { return 2; }
};

// The silent services around a given clock, with the settings kept in a file
// of `folder` (a temporary one: the programs never touch the operator's).
class SilentPlatform {
public:
    SilentPlatform(ITickSource& clock, const QString& folder);
    PlatformServices Platform();

private:
    ITickSource& clock_;
    SilentSound sound_;
    NoShell shell_;
    NoQuestions modal_;
    QString settingsFile_;
};

// Puts teams, given as lane-list keys ("  1 FF Kronvik"), into the time
// protocol with its headers and on both lane lists, lane 2 on the second team.
void PutDemoTeams(TFormMain& form, const QStringList& teamKeys);

} // namespace zn
