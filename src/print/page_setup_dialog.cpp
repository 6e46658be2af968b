#include "print/page_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zn {

namespace {

const char* const kKindTitles[kPrintKindCount] = {QT_TRANSLATE_NOOP("zn::PageSetupDialog", "Protokoll"),
                                                  QT_TRANSLATE_NOOP("zn::PageSetupDialog", "Urkunden")};
const char* const kKindNames[kPrintKindCount] = {"Protocol", "Certificates"};

} // namespace

PageSetupDialog::PageSetupDialog(const Pages& pages, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Seite einrichten"));
    auto* main = new QVBoxLayout(this);
    for (int kind = 0; kind < kPrintKindCount; ++kind) {
        const PageSetup& page = pages[static_cast<size_t>(kind)];
        auto* group = new QGroupBox(tr(kKindTitles[kind]), this);
        auto* form = new QFormLayout(group);
        const QString suffix = QString::fromLatin1(kKindNames[kind]);
        QComboBox*& paper = Paper[static_cast<size_t>(kind)];
        paper = new QComboBox(group);
        paper->setObjectName(QStringLiteral("Paper") + suffix);
        for (TPaperType offered : kOfferedPapers)
            paper->addItem(PaperName(offered));
        paper->setCurrentIndex(std::max<int>(0, paper->findText(PaperName(page.paper))));
        form->addRow(tr("Papier"), paper);

        // The two buttons of a group box exclude each other.
        auto* turn = new QHBoxLayout;
        QRadioButton*& portrait = Portrait[static_cast<size_t>(kind)];
        QRadioButton*& landscape = Landscape[static_cast<size_t>(kind)];
        portrait = new QRadioButton(tr("Hochformat"), group);
        portrait->setObjectName(QStringLiteral("Portrait") + suffix);
        landscape = new QRadioButton(tr("Querformat"), group);
        landscape->setObjectName(QStringLiteral("Landscape") + suffix);
        (page.landscape ? landscape : portrait)->setChecked(true);
        turn->addWidget(portrait);
        turn->addWidget(landscape);
        turn->addStretch(1);
        form->addRow(QString(), turn);
        main->addWidget(group);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    main->addWidget(buttons);
}

PageSetupDialog::Pages PageSetupDialog::Chosen() const {
    Pages pages{};
    for (size_t kind = 0; kind < pages.size(); ++kind) {
        pages[kind].paper = PaperByName(Paper[kind]->currentText()).value_or(pA4);
        pages[kind].landscape = Landscape[kind]->isChecked();
    }
    return pages;
}

} // namespace zn
