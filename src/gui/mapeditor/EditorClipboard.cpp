#include "gui/mapeditor/EditorClipboard.h"

#include "core/mapeditor/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace zarvex1 {

namespace {

// Line ends of other systems become the line feed the editor reads.
std::string PlainLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.toStdString();
}

} // namespace

EditorClipboard::EditorClipboard(std::function<QImage()> graph) : graph_(std::move(graph)) {
    // Another program's copy comes as the same signal as our own.
    changed_ =
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [this] { probed_ = false; });
}

EditorClipboard::~EditorClipboard() {
    QObject::disconnect(changed_);
}

int EditorClipboard::Probe() const {
    if (probed_)
        return probe_;
    probed_ = true;
    probe_ = 0;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        return probe_;
    if (data->hasText())
        probe_ |= ClipboardHasText;
    if (data->hasFormat(SheetMimeType))
        probe_ |= ClipboardHasSheet;
    return probe_;
}

std::string EditorClipboard::Text() const {
    return PlainLines(QGuiApplication::clipboard()->text());
}

std::string EditorClipboard::SheetText() const {
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        return {};
    return PlainLines(QString::fromUtf8(data->data(SheetMimeType)));
}

void EditorClipboard::PutText(const std::string &plain) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(plain));
}

void EditorClipboard::PutTable(const std::string &plain, const std::string &sheet) {
    auto *data = new QMimeData;
    data->setText(QString::fromStdString(plain));
    data->setData(SheetMimeType, QByteArray::fromStdString(sheet));
    QGuiApplication::clipboard()->setMimeData(data);
}

void EditorClipboard::PutGraph() {
    if (!graph_)
        return;
    const QImage picture = graph_();
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

} // namespace zarvex1
