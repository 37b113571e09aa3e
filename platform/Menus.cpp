#include "platform/Menus.h"

#include "platform/Application.h"
#include "platform/Window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <set>

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// While an enabling pass runs its handlers, items remember that a handler set them.
bool handlersRunning = false;

// The window whose menu state the model holds, and the signal that a window's bar is to catch up.
QPointer<Window> boundWindow;

class MenuBinding : public QObject {
    Q_OBJECT
public:
    static MenuBinding& get() {
        static MenuBinding binding;
        return binding;
    }
signals:
    void bound(Window* window);
};

}  // namespace

void WindowMenuState::capture(const MenuBar& bar) {
    items.clear();
    for (MenuItem* item : bar.descendants()) items.push_back({item, item->Visible(), item->Text()});
}

void WindowMenuState::restore() const {
    for (const ItemState& state : items)
        if (state.item) {
            state.item->setText(state.text);
            state.item->setVisible(state.visible);
        }
}

void bindMenusTo(Window* window) {
    if (!window || boundWindow == window) return;
    boundWindow = window;
    window->menuState().restore();
    emit MenuBinding::get().bound(window);
}

Window* menuOwner() { return boundWindow; }

MenuItem::MenuItem(const QString& name, const QString& text, const QString& shortcut, Kind kind)
    : name(name), text(text), shortcut(shortcut), itemKind(kind) {}

MenuItem::~MenuItem() {
    for (MenuItem* child : children) delete child;
}

void MenuItem::setText(const QString& value) {
    if (text == value) return;
    text = value;
    emit changed();
}

void MenuItem::setKeyboardShortcut(const QString& value) {
    if (shortcut == value) return;
    shortcut = value;
    emit changed();
}

void MenuItem::setEnabled(bool value) {
    if (handlersRunning) touchedInPass = true;
    if (enabled == value) return;
    enabled = value;
    emit changed();
}

void MenuItem::setVisible(bool value) {
    if (visible == value) return;
    visible = value;
    emit changed();
    // The items below a menu are reachable only while it is visible.
    for (MenuItem* item : descendants()) emit item->changed();
}

void MenuItem::setChecked(bool value) {
    if (checked == value) return;
    checked = value;
    emit changed();
}

bool MenuItem::isReachable() const {
    for (const MenuItem* item = this; item; item = item->parent)
        if (!item->visible) return false;
    return true;
}

void MenuItem::Append(MenuItem* child) {
    child->parent = this;
    children.push_back(child);
    emit childAppended(child);
}

MenuItem* MenuItem::find(const QString& itemName) const {
    if (sameName(name, itemName)) return const_cast<MenuItem*>(this);
    for (MenuItem* child : children)
        if (MenuItem* found = child->find(itemName)) return found;
    return nullptr;
}

MenuItem* MenuItem::find(const QString& itemName, int itemIndex) const {
    if (sameName(name, itemName) && index == itemIndex) return const_cast<MenuItem*>(this);
    for (MenuItem* child : children)
        if (MenuItem* found = child->find(itemName, itemIndex)) return found;
    return nullptr;
}

std::vector<MenuItem*> MenuItem::descendants() const {
    std::vector<MenuItem*> all;
    for (MenuItem* child : children) {
        all.push_back(child);
        const auto below = child->descendants();
        all.insert(all.end(), below.begin(), below.end());
    }
    return all;
}

void MenuBar::InstallClone(MenuItem* item) {
    MenuItem* last = nullptr;
    int count = 0;
    for (MenuItem* candidate : descendants())
        if (sameName(candidate->Name(), item->Name())) {
            last = candidate;
            ++count;
        }
    item->setIndex(count);
    MenuItem* parent = last ? last->parentItem() : this;
    parent->Append(item);
}

void MenuHandlers::add(const QString& itemName, MenuHandler handler) {
    handlers[itemName.toLower()] = std::move(handler);
}

const MenuHandler* MenuHandlers::find(const QString& itemName) const {
    const auto it = handlers.find(itemName.toLower());
    return it == handlers.end() ? nullptr : &it->second;
}

QString qtShortcut(const QString& shortcut) {
    if (shortcut.isEmpty()) return {};
    QStringList parts = shortcut.split('+');
    // "Cmd++" would split into empty parts; the key is then "+".
    QString key = parts.takeLast();
    if (key.isEmpty()) key = "+";
    QStringList keys;
    for (const QString& part : parts) {
        if (sameName(part, "Cmd")) keys << "Ctrl";
        else if (sameName(part, "Option")) keys << "Alt";
        else if (sameName(part, "Shift")) keys << "Shift";
        else if (sameName(part, "Control")) keys << "Meta";
    }
    keys << key.toUpper();
    return keys.join('+');
}

class MenuEnabling {
public:
    static void run(Window* front) {
        Application* application = Application::instance();
        if (!application || !application->menuBar()) return;
        bindMenusTo(front);
        MenuBar* bar = application->menuBar();
        const std::vector<MenuItem*> items = bar->descendants();
        for (MenuItem* item : items) item->touchedInPass = false;

        handlersRunning = true;
        application->Event_EnableMenuItems();
        if (front) front->Event_EnableMenuItems();
        handlersRunning = false;

        auto handled = [&](const MenuItem* item) {
            return application->menuHandlers().handles(item->Name()) ||
                   (front && front->menuHandlers().handles(item->Name()));
        };
        for (MenuItem* item : items) {
            if (item->touchedInPass || item->Count() > 0) continue;
            const bool quits = item->kind() == MenuItem::Kind::Quit && !item->isSeparator();
            item->setEnabled(!item->isSeparator() && (quits || (item->AutoEnable && handled(item))));
        }
        // Sub-menus from the deepest up: usable while one of their items is.
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            MenuItem* item = *it;
            if (item->Count() == 0 || item->touchedInPass) continue;
            bool any = false;
            for (int i = 0; i < item->Count(); ++i) any = any || item->Item(i)->Enabled();
            item->setEnabled(any || item->parentItem() == bar);
        }
        for (int i = 0; i < bar->Count(); ++i) bar->Item(i)->setEnabled(true);

        // One shortcut, one enabled item: the first in menu order keeps it.
        std::set<QString> taken;
        for (MenuItem* item : items) {
            const QString keys = qtShortcut(item->KeyboardShortcut());
            bool owns = true;
            if (!keys.isEmpty() && item->Enabled()) {
                owns = item->isReachable() && taken.insert(keys.toLower()).second;
            }
            if (owns != item->ownsShortcut) {
                item->ownsShortcut = owns;
                emit item->changed();
            }
        }
    }
};

void runEnablingPass(Window* front) { MenuEnabling::run(front); }

void dispatchMenuItem(MenuItem* item, Window* window) {
    Application* application = Application::instance();
    if (!item || !application) return;
    if (item->kind() == MenuItem::Kind::Quit) {
        if (!item->isSeparator()) application->Quit(0);
        return;
    }
    const int index = item->Index();
    if (window)
        if (const MenuHandler* handler = window->menuHandlers().find(item->Name()))
            if ((*handler)(index)) return;
    if (const MenuHandler* handler = application->menuHandlers().find(item->Name())) (*handler)(index);
}

bool ChooseMenuItem(Window* window, const QString& itemName, int itemIndex) {
    Application* application = Application::instance();
    if (!application || !application->menuBar()) return false;
    runEnablingPass(window);
    MenuItem* item = application->menuBar()->Lookup(itemName, itemIndex);
    if (!item || item->isSeparator() || !item->Enabled() || !item->isReachable()) return false;
    dispatchMenuItem(item, window);
    return true;
}

namespace {

void syncAction(QAction* action, MenuItem* item) {
    action->setText(item->Text());
    action->setVisible(item->Visible());
    // The menus of the bar always open; their items show what the enabling pass decided.
    const bool inBar = item->parentItem() && !item->parentItem()->parentItem();
    action->setEnabled(inBar || item->Enabled());
    action->setCheckable(item->Checked());
    action->setChecked(item->Checked());
    const QString keys = qtShortcut(item->KeyboardShortcut());
    // A disabled action's shortcut never fires, so it keeps showing its keys.
    const bool show = !keys.isEmpty() && (item->shortcutActive() || !item->Enabled());
    action->setShortcut(show ? QKeySequence(keys, QKeySequence::PortableText) : QKeySequence());
}

void addItem(QMenu* menu, MenuItem* item, Window* owner);

// A bar without a window, or the bar of the window the model is bound to, follows the model.
bool follows(const QPointer<Window>& owner) { return !owner || owner == boundWindow || !boundWindow; }

// Runs `sync` now, on every change of the item while the owner's bar follows the model, and when
// the model is bound to the owner.
void follow(QObject* target, MenuItem* item, Window* owner, const std::function<void()>& sync) {
    QPointer<Window> window(owner);
    QObject::connect(item, &MenuItem::changed, target, [sync, window] {
        if (follows(window)) sync();
    });
    QObject::connect(&MenuBinding::get(), &MenuBinding::bound, target, [sync, window](Window* bound) {
        if (window && window == bound) sync();
    });
    sync();
}

void watch(QAction* action, MenuItem* item, Window* owner) {
    follow(action, item, owner, [action, item] { syncAction(action, item); });
}

void fillMenu(QMenu* menu, MenuItem* model, Window* owner) {
    QPointer<Window> window(owner);
    menu->setObjectName(model->Name());
    QObject::connect(menu, &QMenu::aboutToShow, menu, [window] { runEnablingPass(window); });
    for (int i = 0; i < model->Count(); ++i) addItem(menu, model->Item(i), owner);
    QObject::connect(model, &MenuItem::childAppended, menu,
                     [menu, window](MenuItem* child) { addItem(menu, child, window); });
}

void addItem(QMenu* menu, MenuItem* item, Window* owner) {
    if (item->isSeparator()) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(item->Name());
        follow(separator, item, owner, [separator, item] { separator->setVisible(item->Visible()); });
        return;
    }
    if (item->Count() > 0) {
        QMenu* sub = menu->addMenu(item->Text());
        fillMenu(sub, item, owner);
        sub->menuAction()->setObjectName(item->Name());
        watch(sub->menuAction(), item, owner);
        return;
    }
    QAction* action = menu->addAction(item->Text());
    action->setObjectName(item->Name());
    action->setProperty("menuIndex", item->Index());
    QPointer<Window> window(owner);
    QPointer<MenuItem> model(item);
    QObject::connect(action, &QAction::triggered, action, [action, model, window] {
        if (!model) return;
        syncAction(action, model);  // Qt toggled the check mark; the model owns it
        if (model->Enabled() && model->isReachable()) dispatchMenuItem(model, window);
    });
    watch(action, item, owner);
}

}  // namespace

void populateMenuBar(QMenuBar* bar, MenuBar* model, Window* owner) {
    bar->clear();
    for (int i = 0; i < model->Count(); ++i) {
        MenuItem* menuItem = model->Item(i);
        QMenu* menu = bar->addMenu(menuItem->Text());
        fillMenu(menu, menuItem, owner);
        menu->menuAction()->setObjectName(menuItem->Name());
        watch(menu->menuAction(), menuItem, owner);
    }
}

#include "Menus.moc"
