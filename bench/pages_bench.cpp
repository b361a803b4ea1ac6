// One committed edit of a page, Qt's work included: the edit's new value goes into the image, the limits,
// the page filled twice with its states, the undo entry, and the event loop paints what changed
// (offscreen).

#include "core/link/SerialPort.h"
#include "core/params/Defaults.h"
#include "gui/app/MainForm.h"
#include "gui/app/StartOptions.h"
#include "gui/pages/UpDownEdit.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace zarvex1 {
namespace {

// No unit on the line: the commit alone is measured.
class SilentPort : public SerialPort {
public:
    bool open(const std::string &) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    int bytesWaiting() override { return 0; }
    int read(std::uint8_t *, int) override { return 0; }
    bool write(const std::uint8_t *, int) override { return true; }
    void discardInput() override {}
};

void CommitOfAnEdit(benchmark::State &state, int page, const char *editName) {
    QTemporaryDir settings;
    qputenv("ZARVEX1_SETTINGS_DIR", settings.path().toUtf8());
    StartOptions options;
    options.steppedTicks = true;
    options.loaderName = settings.filePath(QStringLiteral("loader"));
    TMainForm form(options, std::make_unique<SilentPort>());
    form.show();
    form.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    QApplication::processEvents();
    auto *edit = form.findChild<TUpDownEdit *>(QString::fromLatin1(editName));
    int step = 0;
    for (auto _ : state) {
        edit->setValue(edit->minimum() + (++step % 2) * edit->singleStep());
        form.session().Commit();
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(CommitOfAnEdit, bike_page, int(Page::Bike), "EditRpmPulsu")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CommitOfAnEdit, inputs_page, int(Page::Inputs), "EditSoftLimiter")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zarvex1
