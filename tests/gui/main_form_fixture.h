#pragma once

#include "gui/app/Dialogs.h"
#include "gui/app/MainForm.h"
#include "link/mock_port.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace zarvex1::test {

// A main window on an in-process port with its own settings folder; message boxes are collected.
struct MainFormFixture {
    explicit MainFormFixture(const StartOptions &options = {}) {
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir.path().toUtf8());
        Dialogs::messageHook = [this](const QString &text) { messages << text; };
        auto mock = std::make_unique<MockPort>();
        port = mock.get();
        form = std::make_unique<TMainForm>(options, std::move(mock));
    }
    ~MainFormFixture() { Dialogs::messageHook = nullptr; }
    TMainForm *operator->() { return form.get(); }

    QTemporaryDir settingsDir;
    QStringList messages;
    MockPort *port = nullptr;
    std::unique_ptr<TMainForm> form;
};

} // namespace zarvex1::test
