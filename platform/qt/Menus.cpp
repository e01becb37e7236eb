// Menus and items by number, the menu bar, and the one command handler.
#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace qt {

namespace {

struct MenuItem {
    QPointer<QAction> action;
    std::string text;  // Mac Roman, without the command-key notation; "-" for a separator
    bool checked = false;
    MenuNumber submenu = 0;
    int32_t editCommand = -1;  // an EditCommand, or -1
    QKeySequence shortcut;     // its command key, taken only while its menu is enabled
    char key = 0;              // as appended, with the modifiers of a command key
    uint32_t modifiers = 0;
    char16_t mnemonic = 0;  // the Alt key it shows, 0 for none
};

struct MenuRecord {
    QPointer<QMenu> menu;
    std::string title;  // Mac Roman, as created
    std::vector<MenuItem> items;  // items[0] is item 1
    std::set<char16_t> mnemonics;  // the Alt keys its items have taken
    // While a batch rebuilds the menu: its items from before, still in the
    // menu after the new ones, each taken again where the new item at its
    // place is the same.
    std::vector<MenuItem> spares;
    bool watchesEditField = false;  // its Edit items are brought up to date when it opens
};

std::map<MenuNumber, MenuRecord>& menuTable() {
    static std::map<MenuNumber, MenuRecord> table;
    return table;
}

std::vector<MenuNumber> gBar;
int gBatches = 0;               // MenuBarBatch objects alive
bool gBarChangedInBatch = false;  // gBar changed while one was
CommandHandler gCommandHandler = nullptr;
std::map<MenuNumber, CommandHandler> gMenuHandlers;

// The Window menu: its number and the window each of its items stands for.
MenuNumber gWindowMenu = 0;
std::vector<WindowNumber> gWindowMenuWindows;
QMetaObject::Connection gWindowMenuOpening;

MenuRecord* findMenu(MenuNumber menu) {
    auto& table = menuTable();
    const auto it = table.find(menu);
    return it != table.end() && it->second.menu ? &it->second : nullptr;
}

MenuItem* findItem(MenuNumber menu, int32_t item) {
    MenuRecord* record = findMenu(menu);
    if (record == nullptr || item < 1 || item > int32_t(record->items.size())) return nullptr;
    MenuItem* entry = &record->items[std::size_t(item - 1)];
    return entry->action ? entry : nullptr;
}

// Alt mnemonics. Every item of a menu gets a character of its own: the
// first free initial of its words, else a free digit, else another free
// letter, looking from its last word back (what tells "Save As" from "Save
// As Stationery"). The titles of the menu bar share one set that leaves out
// D and S: Alt with them are the design windows' own keys (details and
// speaker connection).
constexpr std::u16string_view kKeysOfTheWindows = u"DS";

QString withMnemonic(std::string_view macRoman, std::set<char16_t>& used, std::u16string_view reserved = {},
                     char16_t* taken = nullptr) {
    const QString plain = fromMacRoman(macRoman);
    const auto isFree = [&](QChar c) {
        const char16_t key = c.toUpper().unicode();
        return c.isLetterOrNumber() && used.count(key) == 0 && reserved.find(key) == std::u16string_view::npos;
    };
    std::vector<int> wordStarts;
    for (int i = 0; i < plain.size(); ++i)
        if (!plain[i].isSpace() && (i == 0 || plain[i - 1].isSpace())) wordStarts.push_back(i);
    int at = -1;
    for (int start : wordStarts)
        if (at < 0 && isFree(plain[start])) at = start;
    for (int i = 0; at < 0 && i < plain.size(); ++i)
        if (plain[i].isDigit() && isFree(plain[i])) at = i;
    for (auto word = wordStarts.rbegin(); at < 0 && word != wordStarts.rend(); ++word)
        for (int i = *word; at < 0 && i < plain.size() && !plain[i].isSpace(); ++i)
            if (plain[i].isLetter() && isFree(plain[i])) at = i;
    QString shown;
    for (int i = 0; i < plain.size(); ++i) {
        if (i == at) shown += QLatin1Char('&');
        shown += plain[i] == QLatin1Char('&') ? QStringLiteral("&&") : QString(plain[i]);
    }
    const char16_t key = at >= 0 ? plain[at].toUpper().unicode() : 0;
    if (key != 0) used.insert(key);
    if (taken != nullptr) *taken = key;
    return shown;
}

void labelItems(MenuRecord& record) {
    record.mnemonics.clear();
    for (MenuItem& entry : record.items)
        if (entry.action && entry.text != "-")
            entry.action->setText(withMnemonic(entry.text, record.mnemonics, {}, &entry.mnemonic));
}

// Command+key, with Shift and Option (Alt) when asked for.
QKeySequence shortcutFor(char key, uint32_t modifiers) {
    QString text = QStringLiteral("Ctrl+");
    if (modifiers & kShiftKey) text += QStringLiteral("Shift+");
    if (modifiers & kOptionKey) text += QStringLiteral("Alt+");
    text += fromMacRoman(std::string_view(&key, 1)).toUpper();
    return QKeySequence(text, QKeySequence::PortableText);
}

int32_t choose(MenuNumber menu, int32_t item);

void triggered(MenuNumber menu, int32_t item) {
    MenuRecord* record = findMenu(menu);
    MenuItem* entry = findItem(menu, item);
    if (record == nullptr || entry == nullptr) return;
    // Qt flips a checkable item when chosen; the check marks are the program's.
    entry->action->setChecked(entry->checked);
    // The command key of an item in a disabled menu still reaches Qt's action.
    if (!record->menu->menuAction()->isEnabled()) return;
    choose(menu, item);
}

// What choosing an item does: the layer's own part, then the command.
int32_t choose(MenuNumber menu, int32_t item) {
    MenuItem* entry = findItem(menu, item);
    if (entry == nullptr) return kEventNotHandled;
    if (entry->editCommand >= 0) performEditCommand(static_cast<EditCommand>(entry->editCommand));
    if (menu == gWindowMenu && item >= 1 && item <= int32_t(gWindowMenuWindows.size())) {
        const WindowNumber window = gWindowMenuWindows[std::size_t(item - 1)];
        if (window != 0) {
            unminimizeWindow(window);
            selectWindow(window);
            bringForward(windowWidget(window), true);  // the user's choice
        } else if (QWidget* host = menuHostWidget()) {
            host->raise();
            bringForward(host, true);
        }
    }
    return deliverCommand(menu, item);
}

// Takes the spares from `from` on out of the menu.
void dropSpares(MenuRecord& record, std::size_t from) {
    for (std::size_t i = from; i < record.spares.size(); ++i) {
        QAction* action = record.spares[i].action;
        if (action == nullptr) continue;
        record.menu->removeAction(action);
        action->deleteLater();  // the item may be the one being chosen right now
    }
    record.spares.resize(std::min(from, record.spares.size()));
}

// The spare at the place of the next item, when it shows that item, becomes
// the item in the state a new one has. The items above are the spares above
// it, so it keeps its Alt key. Otherwise the spares from there on go.
bool takeSpare(MenuRecord& record, std::string_view text, char key, uint32_t modifiers) {
    const std::size_t at = record.items.size();
    if (at >= record.spares.size()) return false;
    MenuItem& spare = record.spares[at];
    if (!spare.action || spare.text != text || spare.key != key || spare.modifiers != modifiers) {
        dropSpares(record, at);
        return false;
    }
    MenuItem entry = spare;
    spare.action = nullptr;
    QAction* action = entry.action;
    if (entry.submenu != 0) action->setMenu(static_cast<QMenu*>(nullptr));
    entry.submenu = 0;
    entry.checked = false;
    entry.editCommand = -1;
    action->setChecked(false);
    action->setCheckable(false);
    action->setEnabled(true);
    if (key != 0) action->setShortcut(record.menu->menuAction()->isEnabled() ? entry.shortcut : QKeySequence());
    if (entry.mnemonic != 0) record.mnemonics.insert(entry.mnemonic);
    record.items.push_back(std::move(entry));
    return true;
}

// An item shown as `text`, without notation, with the command key when `key` is set.
int32_t appendItem(MenuNumber menu, MenuRecord& record, std::string_view text, char key, uint32_t modifiers) {
    const int32_t item = int32_t(record.items.size()) + 1;
    if (key == 0) modifiers = 0;
    if (takeSpare(record, text, key, modifiers)) return item;
    MenuItem entry;
    entry.text = std::string(text);
    entry.key = key;
    entry.modifiers = modifiers;
    // An item's key depends only on the items above it: those keep theirs.
    auto* action = new QAction(withMnemonic(text, record.mnemonics, {}, &entry.mnemonic), record.menu);
    if (key != 0) {
        entry.shortcut = shortcutFor(key, modifiers);
        if (record.menu->menuAction()->isEnabled()) action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);  // also from palettes and dialogs
    }
    QObject::connect(action, &QAction::triggered, action, [menu, item] { triggered(menu, item); });
    record.menu->addAction(action);
    entry.action = action;
    record.items.push_back(std::move(entry));
    return item;
}

void clearItems(MenuRecord& record) {
    for (MenuItem& entry : record.items) {
        if (!entry.action) continue;
        record.menu->removeAction(entry.action);
        entry.action->deleteLater();  // the item may be the one being chosen right now
    }
    record.items.clear();
    record.mnemonics.clear();
    dropSpares(record, 0);
}

// The windows' bars follow gBar now, or when the batch ends.
void barChanged() {
    if (gBatches > 0)
        gBarChangedInBatch = true;
    else
        refreshMenuBars();
}

}  // namespace

int32_t deliverCommand(MenuNumber menu, int32_t item) {
    const auto own = gMenuHandlers.find(menu);
    if (own != gMenuHandlers.end() && own->second != nullptr) return own->second(menu, item);
    if (gCommandHandler == nullptr) return kEventNotHandled;
    return gCommandHandler(menu, item);
}

void refreshMenuBars() {
    QList<QMenu*> menus;
    std::set<char16_t> used;
    for (MenuNumber number : gBar)
        if (MenuRecord* record = findMenu(number)) {
            record->menu->setTitle(withMnemonic(record->title, used, kKeysOfTheWindows));
            menus.append(record->menu);
        }
    for (auto& [number, record] : windowTable())
        if (record.kind == WindowKind::Document && record.frame) record.frame->setMenus(menus);
    setMenuHostMenus(menus);
}

void refreshEditItems() {
    for (auto& [number, record] : menuTable())
        for (MenuItem& entry : record.items)
            if (entry.editCommand >= 0 && entry.action)
                entry.action->setEnabled(canPerformEditCommand(static_cast<EditCommand>(entry.editCommand)));
}

bool choosesMenuItem(const QKeyEvent& key) {
    // A modal window holds the menu bars: their keys do nothing meanwhile.
    if (QApplication::activeModalWidget() != nullptr) return false;
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    const auto inShownBar = [](const QMenu& menu) {
        for (QObject* holder : menu.menuAction()->associatedObjects())
            if (const auto* bar = qobject_cast<QMenuBar*>(holder); bar != nullptr && bar->isVisible() && bar->isEnabled())
                return true;
        return false;
    };
    for (MenuNumber number : gBar) {
        const MenuRecord* record = findMenu(number);
        if (record == nullptr || !record->menu->menuAction()->isEnabled() || !inShownBar(*record->menu)) continue;
        for (const MenuItem& entry : record->items)
            if (entry.action && entry.action->isEnabled() && !entry.shortcut.isEmpty() && entry.shortcut == pressed)
                return true;
    }
    return false;
}

void removeAllMenus() {
    gBar.clear();
    refreshMenuBars();
    gMenuHandlers.clear();
    QObject::disconnect(gWindowMenuOpening);
    gWindowMenu = 0;
    gWindowMenuWindows.clear();
    for (auto& [number, record] : menuTable()) {
        if (!record.menu) continue;
        clearItems(record);
        record.menu->deleteLater();
    }
    menuTable().clear();
    gCommandHandler = nullptr;
}

}  // namespace qt

using namespace qt;

void createMenu(MenuNumber menu, std::string_view title) {
    MenuRecord& record = menuTable()[menu];
    const bool reused = !record.menu.isNull();
    if (reused && gBatches > 0) {
        // Its items wait as spares: a rebuild that makes them again takes them.
        dropSpares(record, 0);
        record.spares = std::move(record.items);
        record.items.clear();
        record.mnemonics.clear();
    } else if (reused) {
        clearItems(record);
    } else {
        record.items.clear();
        record.mnemonics.clear();
        record.menu = new QMenu();
        record.menu->setObjectName(QStringLiteral("menu-%1").arg(menu));
    }
    // Off the bar, a menu keeps the title it shows while a batch may still
    // put it back: it would only be labelled with its Alt key again.
    const bool inBar = std::find(gBar.begin(), gBar.end(), menu) != gBar.end();
    if (!reused || record.title != title || inBar) record.menu->setTitle(titleFromMacRoman(title));
    record.title = std::string(title);
}

bool menuExists(MenuNumber menu) { return findMenu(menu) != nullptr; }

void insertMenu(MenuNumber menu) {
    if (!menuExists(menu)) return;
    if (std::find(gBar.begin(), gBar.end(), menu) != gBar.end()) return;
    auto at = std::find_if(gBar.begin(), gBar.end(), [menu](MenuNumber m) { return m > menu && m < 32; });
    gBar.insert(at, menu);
    barChanged();
}

void removeMenu(MenuNumber menu) {
    const auto it = std::find(gBar.begin(), gBar.end(), menu);
    if (it == gBar.end()) return;
    gBar.erase(it);
    barChanged();
}

MenuBarBatch::MenuBarBatch() { ++gBatches; }

MenuBarBatch::~MenuBarBatch() {
    if (--gBatches > 0) return;
    for (auto& [number, record] : menuTable())
        if (record.menu) dropSpares(record, 0);  // what the rebuilt menus no longer have
    if (!gBarChangedInBatch) return;
    gBarChangedInBatch = false;
    refreshMenuBars();
}

std::vector<MenuNumber> menuBar() { return gBar; }

int32_t appendMenuItem(MenuNumber menu, std::string_view text, uint32_t modifiers) {
    MenuRecord* record = findMenu(menu);
    if (record == nullptr) return 0;
    if (text == "-") {
        if (takeSpare(*record, text, 0, 0)) return int32_t(record->items.size());
        MenuItem entry;
        entry.text.assign(1, '-');
        entry.action = record->menu->addSeparator();
        record->items.push_back(std::move(entry));
        return int32_t(record->items.size());
    }
    char key = 0;
    if (text.size() >= 2 && text[text.size() - 2] == '/') {
        key = text.back();
        text.remove_suffix(2);
    }
    return appendItem(menu, *record, text, key, modifiers);
}

int32_t menuItemCount(MenuNumber menu) {
    MenuRecord* record = findMenu(menu);
    return record != nullptr ? int32_t(record->items.size()) : 0;
}

void setMenuItemText(MenuNumber menu, int32_t item, std::string_view text) {
    MenuItem* entry = findItem(menu, item);
    if (entry == nullptr || entry->text == "-") return;
    entry->text = std::string(text);
    if (MenuRecord* record = findMenu(menu)) labelItems(*record);
}

std::string menuItemText(MenuNumber menu, int32_t item) {
    MenuItem* entry = findItem(menu, item);
    return entry != nullptr ? entry->text : std::string();
}

void setMenuItemEnabled(MenuNumber menu, int32_t item, bool enabled) {
    if (item == 0) {
        if (MenuRecord* record = findMenu(menu)) {
            record->menu->menuAction()->setEnabled(enabled);
            record->menu->setEnabled(enabled);
            // The command keys of a disabled menu are left to the window in
            // front (Ctrl+W closes the About window while File is off).
            for (MenuItem& entry : record->items)
                if (entry.action && !entry.shortcut.isEmpty())
                    entry.action->setShortcut(enabled ? entry.shortcut : QKeySequence());
        }
        return;
    }
    if (MenuItem* entry = findItem(menu, item)) entry->action->setEnabled(enabled);
}

bool isMenuItemEnabled(MenuNumber menu, int32_t item) {
    if (item == 0) {
        MenuRecord* record = findMenu(menu);
        return record != nullptr && record->menu->menuAction()->isEnabled();
    }
    MenuItem* entry = findItem(menu, item);
    return entry != nullptr && entry->action->isEnabled();
}

void setMenuItemChecked(MenuNumber menu, int32_t item, bool checked) {
    MenuItem* entry = findItem(menu, item);
    if (entry == nullptr || entry->text == "-") return;
    entry->checked = checked;
    // Checkable only while checked: an unchecked item shows no empty box.
    entry->action->setCheckable(checked);
    entry->action->setChecked(checked);
}

bool isMenuItemChecked(MenuNumber menu, int32_t item) {
    MenuItem* entry = findItem(menu, item);
    return entry != nullptr && entry->checked;
}

void checkOneMenuItem(MenuNumber menu, int32_t item) {
    MenuRecord* record = findMenu(menu);
    if (record == nullptr) return;
    for (int32_t i = 1; i <= int32_t(record->items.size()); ++i) {
        const MenuItem& entry = record->items[std::size_t(i - 1)];
        if (i == item || entry.submenu == 0) setMenuItemChecked(menu, i, i == item);
    }
}

void setMenuItemSubmenu(MenuNumber menu, int32_t item, MenuNumber submenu) {
    MenuItem* entry = findItem(menu, item);
    MenuRecord* sub = findMenu(submenu);
    if (entry == nullptr || sub == nullptr || entry->text == "-" || submenu == menu) return;
    entry->submenu = submenu;
    entry->action->setMenu(sub->menu.data());
}

void setCommandHandler(CommandHandler handler) { gCommandHandler = handler; }

void setMenuCommandHandler(MenuNumber menu, CommandHandler handler) {
    if (handler == nullptr)
        gMenuHandlers.erase(menu);
    else
        gMenuHandlers[menu] = handler;
}

int32_t sendCommand(MenuNumber menu, int32_t item) {
    MenuRecord* record = findMenu(menu);
    MenuItem* entry = findItem(menu, item);
    if (record == nullptr || entry == nullptr || entry->text == "-") return kEventNotHandled;
    if (!record->menu->menuAction()->isEnabled() || !entry->action->isEnabled()) return kEventNotHandled;
    return choose(menu, item);
}

void setWindowMenu(MenuNumber menu) {
    QObject::disconnect(gWindowMenuOpening);
    gWindowMenu = 0;
    gWindowMenuWindows.clear();
    MenuRecord* record = findMenu(menu);
    if (record == nullptr) return;
    gWindowMenu = menu;
    gWindowMenuOpening = QObject::connect(record->menu, &QMenu::aboutToShow, record->menu, [] { refreshWindowMenu(); });
}

void refreshWindowMenu() {
    MenuRecord* record = findMenu(gWindowMenu);
    if (record == nullptr) return;
    clearItems(*record);
    gWindowMenuWindows.clear();
    const WindowNumber active = activeWindow();
    for (const auto& [number, window] : windowTable()) {
        // Sheets hang on their window and come forward with it.
        if (!window.frame || !window.frame->shownByProgram() || window.kind == WindowKind::Sheet) continue;
        const int32_t item = appendItem(gWindowMenu, *record, window.title.empty() ? "Untitled" : window.title, 0, 0);
        gWindowMenuWindows.push_back(number);
        if (number == active) setMenuItemChecked(gWindowMenu, item, true);
    }
    // The window that carries the menus while no document is open.
    if (QWidget* host = menuHostWidget(); host != nullptr && host->isVisible()) {
        const int32_t item = appendItem(gWindowMenu, *record, toMacRoman(host->windowTitle()), 0, 0);
        gWindowMenuWindows.push_back(0);
        if (host->isActiveWindow()) setMenuItemChecked(gWindowMenu, item, true);
    }
}

void setMenuItemEditCommand(MenuNumber menu, int32_t item, EditCommand command) {
    MenuRecord* record = findMenu(menu);
    MenuItem* entry = findItem(menu, item);
    if (record == nullptr || entry == nullptr || entry->text == "-") return;
    entry->editCommand = static_cast<int32_t>(command);
    startEditTracking();
    if (!record->watchesEditField) {
        record->watchesEditField = true;
        QObject::connect(record->menu, &QMenu::aboutToShow, record->menu, [] { refreshEditItems(); });
    }
    entry->action->setEnabled(canPerformEditCommand(command));
}

namespace qt {

QMenu* menuWidget(MenuNumber menu) {
    MenuRecord* record = findMenu(menu);
    return record != nullptr ? record->menu.data() : nullptr;
}

}  // namespace qt

}  // namespace quendal::platform
