// The desktop's clipboard: its text as the desktop gives it, composed.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/qt/LocalMessages.h"
#include "platform/qt/MacRoman.h"

namespace quendal::platform::qt {

namespace {

// The clipboard's text, when it holds text.
std::optional<QString> clipboardText() {
    const QClipboard* board = QGuiApplication::clipboard();
    const QMimeData* data = board != nullptr ? board->mimeData(QClipboard::Clipboard) : nullptr;
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return data->text();
}

class DesktopClipboard : public ClipboardService {
public:
    std::optional<std::string> text() override {
        const std::optional<QString> text = clipboardText();
        if (!text) return std::nullopt;
        return composedUtf8(*text);
    }
};

}  // namespace

ClipboardService& desktopClipboard() {
    static DesktopClipboard clipboard;
    return clipboard;
}

}  // namespace quendal::platform::qt
