#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zn {

// The one yes/no question box of the console, created once and reused: the
// caller puts its question into Label1, shows it modally and goes ahead only
// on result 6 ("Ja"). "Nein", Esc and closing the window give 2.
class TFDlgYesNo : public QDialog {
    Q_OBJECT
public:
    static constexpr int mrYes = 6;
    static constexpr int mrCancel = 2;

    explicit TFDlgYesNo(QWidget* mainWindow = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Icon = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kWidth = 222;
    static constexpr int kHeight = 94;
    static constexpr int kTextHeight = 49;
    void FitQuestion();
    void reject() override;
};

} // namespace zn
