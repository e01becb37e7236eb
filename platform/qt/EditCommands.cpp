// The standard edit commands on the focused edit field, the Edit items
// that follow it, and the menus' command keys before the field's own.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace qt {

namespace {

QPointer<QCoreApplication> gTrackedApplication;  // the application whose focus changes are followed
// The edit field that last had the focus, and what keeps the Edit items
// in step with it. Kept as a widget, and taken for a field only while it
// still is one: a window closed at its OK goes while the toolkit may still
// count its field focused, and the refresh that follows must not read the
// field through a pointer to what it no longer is.
QPointer<QWidget> gLastField;
QMetaObject::Connection gTextChanged, gSelectionChanged;

bool usable(const QLineEdit* field) { return field != nullptr && field->isVisible() && field->isEnabled(); }

// A window of ours without a menu bar: a palette, dialog or sheet. Its field
// keeps counting as focused while the user goes to the menu bar of a
// document window.
bool inWindowWithoutMenuBar(const QLineEdit* field) {
    const auto* frame = dynamic_cast<const WindowFrame*>(field->window());
    return frame != nullptr && frame->kind() != WindowKind::Document;
}

QLineEdit* focusedField() {
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()); usable(field)) return field;
    // A field being destroyed is a plain widget by then: the cast refuses it.
    QLineEdit* last = qobject_cast<QLineEdit*>(gLastField.data());
    if (usable(last) && last->window()->focusWidget() == last && inWindowWithoutMenuBar(last)) {
        // Only while the user is at the menus: a document window is active.
        const auto* active = dynamic_cast<const WindowFrame*>(QApplication::activeWindow());
        if (QApplication::activePopupWidget() != nullptr ||
            (active != nullptr && active->kind() == WindowKind::Document) ||
            (QApplication::activeWindow() != nullptr && QApplication::activeWindow() == menuHostWidget()))
            return last;
    }
    return nullptr;
}

// A field claims the keys of its line editing before any shortcut (Ctrl+U
// empties the line, Ctrl+E goes to its end, Ctrl+Y redoes, by desktop).
// Where such a key chooses a menu item, the claim is refused and the menu
// has the key; the Edit items then act on the field as chosen from the menu.
class MenuKeysFirst : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || qobject_cast<QLineEdit*>(watched) == nullptr ||
            !choosesMenuItem(*static_cast<QKeyEvent*>(event)))
            return false;
        event->ignore();
        return true;
    }
};

MenuKeysFirst gMenuKeysFirst;

void watch(QWidget* now) {
    auto* field = qobject_cast<QLineEdit*>(now);
    if (field == nullptr) {
        refreshEditItems();
        return;
    }
    QObject::disconnect(gTextChanged);
    QObject::disconnect(gSelectionChanged);
    gLastField = field;
    gTextChanged = QObject::connect(field, &QLineEdit::textChanged, field, [] { refreshEditItems(); });
    gSelectionChanged = QObject::connect(field, &QLineEdit::selectionChanged, field, [] { refreshEditItems(); });
    refreshEditItems();
}

}  // namespace

void startEditTracking() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr || gTrackedApplication == app) return;
    QObject::connect(app, &QApplication::focusChanged, app, [](QWidget*, QWidget* now) { watch(now); });
    app->installEventFilter(&gMenuKeysFirst);
    gTrackedApplication = app;
}

}  // namespace qt

using namespace qt;

bool isEditFieldFocused() { return focusedField() != nullptr; }

bool canPerformEditCommand(EditCommand command) {
    const QLineEdit* field = focusedField();
    if (field == nullptr) return false;
    const bool writable = !field->isReadOnly();
    // A hidden entry (a password) gives its text to nobody.
    const bool readable = field->echoMode() == QLineEdit::Normal;
    switch (command) {
        case EditCommand::Undo: return writable && field->isUndoAvailable();
        case EditCommand::Redo: return writable && field->isRedoAvailable();
        case EditCommand::Cut: return writable && readable && field->hasSelectedText();
        case EditCommand::Copy: return readable && field->hasSelectedText();
        case EditCommand::Paste: return writable;  // the clipboard is read only when pasting
        case EditCommand::Clear: return writable && field->hasSelectedText();
        case EditCommand::SelectAll: return !field->text().isEmpty();
    }
    return false;
}

void performEditCommand(EditCommand command) {
    if (!canPerformEditCommand(command)) return;
    QLineEdit* field = focusedField();
    switch (command) {
        case EditCommand::Undo: field->undo(); break;
        case EditCommand::Redo: field->redo(); break;
        case EditCommand::Cut: field->cut(); break;
        case EditCommand::Copy: field->copy(); break;
        case EditCommand::Paste: field->paste(); break;
        case EditCommand::Clear: field->del(); break;
        case EditCommand::SelectAll: field->selectAll(); break;
    }
    refreshEditItems();
}

}  // namespace quendal::platform
