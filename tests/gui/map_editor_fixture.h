#pragma once

#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <memory>

namespace zarvex1::test {

// The Advance page's editor at its page size on the screen, loaded from an image with speeds
// 1000 ... 15000 rpm and advance 10 + column + row, with the keyboard focus.
struct AdvanceEditorWindow {
    ParameterImage image;
    std::unique_ptr<TTab> tab;
    std::vector<int> changes;

    explicit AdvanceEditorWindow(int language = 0) {
        for (int j = 0; j < 15; ++j) {
            image.setWord(Adrw::AdvanceRpm1 + j, 1000 + 1000 * j);
            image.setWord(Adrw::AdvanceRpm2 + j, 1000 + 1000 * j);
        }
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 15; ++x) {
                image.setByte(Adrb::Advance1 + 15 * y + x, static_cast<unsigned>(10 + x + y));
                image.setByte(Adrb::Advance2 + 15 * y + x, static_cast<unsigned>(30 + x));
            }
        image.setByte(Adrb::LoadSensor, SensorTps);
        image.setByte(Adrb::MapsUseLoad, 1);
        tab = std::make_unique<TTab>(960, 560, MapEditorOptions);
        tab->SetLanguage(language);
        DefineAdvanceSheets(tab->Editor());
        LoadAdvanceMaps(tab->Editor(), image);
        QObject::connect(tab.get(), &TTab::mapChanged, [this](int what) {
            changes.push_back(what);
            AdvanceMapToImage(tab->Editor(), image);
        });
        tab->show();
        QApplication::setActiveWindow(tab.get());
        tab->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(tab.get()));
        tab->Render();
    }

    MapEditor &editor() { return tab->Editor(); }
    CSheet &sheet() { return editor().Current(); }
    QPoint centre(int column, int row) {
        const Rect r = editor().Layout().ItemRect(column, row);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    int cell(int column, int row) { return sheet().Cell(column, row); }
    std::vector<int> box() {
        const TSel &sel = sheet().sel;
        return {sel.boxX0, sel.boxX1, sel.boxY0, sel.boxY1};
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            tab->Tick();
    }
    void move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent event(QEvent::MouseMove, p, tab->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(tab.get(), &event);
    }
    void drag(QPoint from, QPoint to) {
        move(from);
        QTest::mousePress(tab.get(), Qt::LeftButton, Qt::NoModifier, from);
        move(to, Qt::LeftButton);
        QTest::mouseRelease(tab.get(), Qt::LeftButton, Qt::NoModifier, to);
    }
    void click(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        move(p);
        QTest::mouseClick(tab.get(), Qt::LeftButton, keys, p);
    }
    QRgb pixel(int x, int y) const { return tab->Bitmap().pixel(x, y); }
    // With ZARVEX1_SCREENSHOTS naming a folder, the control's image goes there as name.png.
    void screenshot(const QString &name) const {
        const QString folder = qEnvironmentVariable("ZARVEX1_SCREENSHOTS");
        if (!folder.isEmpty())
            tab->Bitmap().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
};

} // namespace zarvex1::test
