#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zarvex1 {

// The About window: the logo, the protocol version and the program's build date and time.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 240;
    static constexpr int ClientHeight = 267;

    explicit TFormAbout(QWidget *parent = nullptr);

    // Shows the window modally, centred on the screen, with the caption of the language (0, 1, 2 or 3).
    // The caller goes on at once; the window closes with its "OK".
    void ShowAbout(int languageIndex);

    QLabel *image1() const { return Image1; }
    QLabel *image2() const { return Image2; }
    QLabel *labelRsKey() const { return LabelRsKey; }
    QLabel *labelDate() const { return LabelDate; }
    QLabel *labelTime() const { return LabelTime; }
    QPushButton *labelExit() const { return LabelExit; }

private:
    void CentreOnScreen();

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr; // the second picture has no place on screen: it stays hidden
    QLabel *LabelRsKey = nullptr;
    QLabel *LabelDate = nullptr;
    QLabel *LabelTime = nullptr;
    QPushButton *LabelExit = nullptr;
};

} // namespace zarvex1
