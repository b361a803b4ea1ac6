#pragma once

#include <QLabel>
#include <QRawFont>

namespace zarvex1 {

// A label for a live value that changes several times a second. It paints its one line of plain text from
// the font's glyphs, looked up character by character, instead of laying the whole text out again on every
// paint, which is most of what a label pays for a new value. A text with a character the font lacks, with
// more than one line or in rich text is painted as a QLabel paints it.
class TLiveLabel : public QLabel {
public:
    explicit TLiveLabel(QWidget *parent = nullptr) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRawFont glyphs_; // the label's font, taken when first painted and again after a font change
};

} // namespace zarvex1
