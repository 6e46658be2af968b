#include "settings/dlg_yes_no.h"

#include "core/app_title.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace zn {

TFDlgYesNo::TFDlgYesNo(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FDlgYesNo"));
    setWindowTitle(ApplicationTitle());
    setFixedSize(kWidth, kHeight);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    Label1 = new QLabel(QStringLiteral("?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(40, 6, 169, kTextHeight);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Icon = new QLabel(this);
    Icon->setObjectName(QStringLiteral("Icon"));
    Icon->setGeometry(4, 14, 32, 32);
    Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    OKBtn = new QPushButton(tr("Ja"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(39, 60, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrYes); });

    CancelBtn = new QPushButton(tr("Nein"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(135, 60, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });

    setTabOrder(OKBtn, CancelBtn);
}

// The design's box holds three lines of question. A longer one (the recovery
// question names date, time and the number of events) would be cut off: the
// box grows downwards until the whole question shows.
void TFDlgYesNo::FitQuestion() {
    const int textHeight = std::max(kTextHeight, Label1->heightForWidth(Label1->width()));
    Label1->resize(Label1->width(), textHeight);
    const int buttonsTop = Label1->y() + textHeight + 5;
    OKBtn->move(OKBtn->x(), buttonsTop);
    CancelBtn->move(CancelBtn->x(), buttonsTop);
    setFixedSize(kWidth, kHeight + textHeight - kTextHeight);
}

void TFDlgYesNo::showEvent(QShowEvent* event) {
    FitQuestion();
    // Centred on the main window, and so on the main window's monitor.
    if (QWidget* owner = parentWidget()) {
        const QRect r = owner->frameGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    OKBtn->setFocus();
    QDialog::showEvent(event);
}

// Esc and the close box count as "Nein".
void TFDlgYesNo::reject() {
    done(mrCancel);
}

} // namespace zn
