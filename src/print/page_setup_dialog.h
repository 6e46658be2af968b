#pragma once

#include "core/page_setup.h"

#include <QDialog>
#include <array>

class QComboBox;
class QRadioButton;

namespace zn {

// "Seite einrichten": paper and orientation of the protocol and of the
// certificates, each on its own, for any printer (the system's page set-up
// refuses a PDF printer).
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    using Pages = std::array<PageSetup, kPrintKindCount>;

    explicit PageSetupDialog(const Pages& pages, QWidget* parent = nullptr);

    // What the dialog shows now.
    Pages Chosen() const;

    std::array<QComboBox*, kPrintKindCount> Paper{};
    std::array<QRadioButton*, kPrintKindCount> Portrait{};
    std::array<QRadioButton*, kPrintKindCount> Landscape{};
};

} // namespace zn
