#include "app/demo_console.h"

#include "app/main_window.h"
#include "controls/sort_grid.h"
#include "core/protocol_row.h"

#include <QComboBox>
#include <QDir>
#include <QSettings>

namespace zn {

SilentPlatform::SilentPlatform(ITickSource& clock, const QString& folder)
    : clock_(clock), settingsFile_(QDir(folder).filePath(QStringLiteral("settings.conf"))) {}

PlatformServices SilentPlatform::Platform() {
    const QString file = settingsFile_;
    return PlatformServices{&clock_, &sound_, &shell_, &modal_,
                            [file] { return std::make_unique<QSettings>(file, QSettings::IniFormat); }};
}

void PutDemoTeams(TFormMain& form, const QStringList& teamKeys) {
    TSortGrid* protocol = form.SortGrid2;
    protocol->SetRowCount(static_cast<int>(teamKeys.size()) + 1);
    for (int c = 0; c < static_cast<int>(ProtocolHeaders.size()); ++c)
        protocol->SetCell(c, 0, ProtocolHeaders[c]);
    for (int r = 0; r < teamKeys.size(); ++r) {
        protocol->SetCell(pc::Nr, r + 1, teamKeys[r].left(3).trimmed());
        protocol->SetCell(pc::Name, r + 1, teamKeys[r].mid(4));
    }
    // The lane lists follow the protocol (lane 1 on the first team, lane 2 on
    // the second).
    form.RebuildLaneLists();
    form.UpdateCommandStates();
}

} // namespace zn
