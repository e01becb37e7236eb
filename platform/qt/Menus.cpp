// Menus and items by number, the menu bar, and the one command handler.
#include <algorithm>
#include <map>
#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
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
};

struct MenuRecord {
    QPointer<QMenu> menu;
    std::vector<MenuItem> items;  // items[0] is item 1
};

std::map<MenuNumber, MenuRecord>& menuTable() {
    static std::map<MenuNumber, MenuRecord> table;
    return table;
}

std::vector<MenuNumber> gBar;
CommandHandler gCommandHandler = nullptr;

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

// Command+key, with Shift and Option (Alt) when asked for.
QKeySequence shortcutFor(char key, uint32_t modifiers) {
    QString text = QStringLiteral("Ctrl+");
    if (modifiers & kShiftKey) text += QStringLiteral("Shift+");
    if (modifiers & kOptionKey) text += QStringLiteral("Alt+");
    text += fromMacRoman(std::string_view(&key, 1)).toUpper();
    return QKeySequence(text, QKeySequence::PortableText);
}

int32_t deliver(MenuNumber menu, int32_t item) {
    if (gCommandHandler == nullptr) return kEventNotHandled;
    return gCommandHandler(menu, item);
}

void triggered(MenuNumber menu, int32_t item) {
    // Qt flips a checkable item when chosen; the check marks are the program's.
    if (MenuItem* entry = findItem(menu, item)) entry->action->setChecked(entry->checked);
    deliver(menu, item);
}

void clearItems(MenuRecord& record) {
    for (MenuItem& entry : record.items) {
        if (!entry.action) continue;
        record.menu->removeAction(entry.action);
        entry.action->deleteLater();  // the item may be the one being chosen right now
    }
    record.items.clear();
}

}  // namespace

void refreshMenuBars() {
    QList<QMenu*> menus;
    for (MenuNumber number : gBar)
        if (MenuRecord* record = findMenu(number)) menus.append(record->menu);
    for (auto& [number, record] : windowTable())
        if (record.kind == WindowKind::Document && record.frame) record.frame->setMenus(menus);
}

void removeAllMenus() {
    gBar.clear();
    refreshMenuBars();
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
    if (record.menu) {
        clearItems(record);
    } else {
        record.items.clear();
        record.menu = new QMenu();
        record.menu->setObjectName(QStringLiteral("menu-%1").arg(menu));
    }
    record.menu->setTitle(titleFromMacRoman(title));
}

bool menuExists(MenuNumber menu) { return findMenu(menu) != nullptr; }

void insertMenu(MenuNumber menu) {
    if (!menuExists(menu)) return;
    if (std::find(gBar.begin(), gBar.end(), menu) != gBar.end()) return;
    auto at = std::find_if(gBar.begin(), gBar.end(), [menu](MenuNumber m) { return m > menu && m < 32; });
    gBar.insert(at, menu);
    refreshMenuBars();
}

void removeMenu(MenuNumber menu) {
    const auto it = std::find(gBar.begin(), gBar.end(), menu);
    if (it == gBar.end()) return;
    gBar.erase(it);
    refreshMenuBars();
}

std::vector<MenuNumber> menuBar() { return gBar; }

int32_t appendMenuItem(MenuNumber menu, std::string_view text, uint32_t modifiers) {
    MenuRecord* record = findMenu(menu);
    if (record == nullptr) return 0;
    const int32_t item = int32_t(record->items.size()) + 1;
    MenuItem entry;
    if (text == "-") {
        entry.text = "-";
        entry.action = record->menu->addSeparator();
    } else {
        char key = 0;
        if (text.size() >= 2 && text[text.size() - 2] == '/') {
            key = text.back();
            text.remove_suffix(2);
        }
        entry.text = std::string(text);
        auto* action = new QAction(titleFromMacRoman(text), record->menu);
        if (key != 0) {
            action->setShortcut(shortcutFor(key, modifiers));
            action->setShortcutContext(Qt::ApplicationShortcut);  // also from palettes and dialogs
        }
        QObject::connect(action, &QAction::triggered, action, [menu, item] { triggered(menu, item); });
        record->menu->addAction(action);
        entry.action = action;
    }
    record->items.push_back(entry);
    return item;
}

int32_t menuItemCount(MenuNumber menu) {
    MenuRecord* record = findMenu(menu);
    return record != nullptr ? int32_t(record->items.size()) : 0;
}

void setMenuItemText(MenuNumber menu, int32_t item, std::string_view text) {
    MenuItem* entry = findItem(menu, item);
    if (entry == nullptr || entry->text == "-") return;
    entry->text = std::string(text);
    entry->action->setText(titleFromMacRoman(text));
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

int32_t sendCommand(MenuNumber menu, int32_t item) {
    MenuRecord* record = findMenu(menu);
    MenuItem* entry = findItem(menu, item);
    if (record == nullptr || entry == nullptr || entry->text == "-") return kEventNotHandled;
    if (!record->menu->menuAction()->isEnabled() || !entry->action->isEnabled()) return kEventNotHandled;
    return deliver(menu, item);
}

namespace qt {

QMenu* menuWidget(MenuNumber menu) {
    MenuRecord* record = findMenu(menu);
    return record != nullptr ? record->menu.data() : nullptr;
}

}  // namespace qt

}  // namespace quendal::platform
