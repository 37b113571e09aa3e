#pragma once
// The menu model: one tree of named items that every window shows in its own menu bar. Handlers
// bind to items by item name, ignoring letter case. Before a menu opens, and before a shortcut
// fires, an enabling pass decides which items are enabled; of two enabled, reachable items that
// share a shortcut only the first (in menu order) keeps it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class Window;

class MenuItem : public QObject {
    Q_OBJECT
public:
    // Plain items do nothing of their own; an AppleMenuItem is a plain item shown as the
    // application's "About"; a QuitMenuItem quits the application when chosen.
    enum class Kind { Plain, Apple, Quit };

    explicit MenuItem(const QString& name = {}, const QString& text = {}, const QString& shortcut = {},
                      Kind kind = Kind::Plain);
    ~MenuItem() override;

    QString Name() const { return name; }
    void setName(const QString& value) { name = value; }
    QString Text() const { return text; }
    void setText(const QString& value);
    // "Cmd+P", "Cmd+Option+N": Cmd is Ctrl, Option is Alt. Empty when the item has none.
    QString KeyboardShortcut() const { return shortcut; }
    void setKeyboardShortcut(const QString& value);
    int Index() const { return index; }
    void setIndex(int value) { index = value; }
    Kind kind() const { return itemKind; }
    bool AutoEnable = true;

    bool Enabled() const { return enabled; }
    void setEnabled(bool value);
    bool Visible() const { return visible; }
    void setVisible(bool value);
    bool Checked() const { return checked; }
    void setChecked(bool value);

    bool isSeparator() const { return text == "-"; }
    // Visible, with every menu above it visible.
    bool isReachable() const;
    // False when an earlier enabled item took this item's shortcut in the last enabling pass.
    bool shortcutActive() const { return ownsShortcut; }

    // Children, in menu order. Append takes ownership.
    void Append(MenuItem* child);
    int Count() const { return static_cast<int>(children.size()); }
    MenuItem* Item(int i) const { return children.at(static_cast<size_t>(i)); }
    MenuItem* parentItem() const { return parent; }

    // The item of that name (and index) in this item's tree, this item included; nullptr if none.
    MenuItem* find(const QString& itemName) const;
    MenuItem* find(const QString& itemName, int itemIndex) const;
    // Every item below this one, depth first in menu order.
    std::vector<MenuItem*> descendants() const;

signals:
    void changed();                  // caption, shortcut, state
    void childAppended(MenuItem*);   // a new child at the end

private:
    friend class MenuEnabling;
    QString name, text, shortcut;
    int index = 0;
    Kind itemKind;
    bool enabled = false, visible = true, checked = false;
    bool ownsShortcut = true;
    bool touchedInPass = false;
    MenuItem* parent = nullptr;
    std::vector<MenuItem*> children;
};

// The root of the tree: its children are the menus, in bar order.
class MenuBar : public MenuItem {
    Q_OBJECT
public:
    MenuBar() : MenuItem("MenuBar") {}
    MenuItem* Lookup(const QString& itemName) const { return find(itemName); }
    MenuItem* Lookup(const QString& itemName, int itemIndex) const { return find(itemName, itemIndex); }
    // Makes `item` the next element of the item array of its name: it gets the next index and
    // stands after the array's last element, in the same menu.
    void InstallClone(MenuItem* item);
};

// A handler gets the chosen item's index (0 for all but item arrays) and tells whether it took the
// command.
using MenuHandler = std::function<bool(int index)>;

// Handlers by item name; names match ignoring letter case.
class MenuHandlers {
public:
    void add(const QString& itemName, MenuHandler handler);
    const MenuHandler* find(const QString& itemName) const;
    bool handles(const QString& itemName) const { return find(itemName) != nullptr; }

private:
    std::map<QString, MenuHandler> handlers;
};

// The Qt key sequence text of a shortcut written as the menus write it ("Cmd+Option+d" gives
// "Ctrl+Alt+D").
QString qtShortcut(const QString& shortcut);

// The enabling pass for the application and `front` (which may be null): every item disabled,
// the enabling handlers run, then every item that the application or `front` handles and that
// no handler set itself is enabled; a sub-menu is enabled while one of its items is.
void runEnablingPass(Window* front);

// Chooses an item as a user would: the enabling pass for `window`, then, when the item is
// enabled and reachable, its command. False when nothing could be chosen.
bool ChooseMenuItem(Window* window, const QString& itemName, int itemIndex = 0);

// Runs the command of an item chosen in `window`'s menu bar: a QuitMenuItem quits; otherwise the
// window's handler, then, unless it took the command, the application's.
void dispatchMenuItem(MenuItem* item, Window* window);

// Builds the Qt menus of a menu bar model for one window. The bar follows the model while the
// model holds that window's menu state (see bindMenusTo) and keeps what it showed otherwise.
void populateMenuBar(class QMenuBar* bar, MenuBar* model, Window* owner);

// What one window's activation made of the menus: the visibility and caption of every item right
// after its activation handler ran.
class WindowMenuState {
public:
    void capture(const MenuBar& bar);
    void restore() const;
    bool isEmpty() const { return items.empty(); }

private:
    struct ItemState {
        QPointer<MenuItem> item;
        bool visible;
        QString text;
    };
    std::vector<ItemState> items;
};

// The model holds the menu state of one window at a time, and every window's bar shows the state
// of its own window. Binding the model to another window puts that window's state back (as its
// last activation left it) and lets its bar follow the model again; the other bars keep theirs.
// The enabling pass binds to the window it runs for.
void bindMenusTo(Window* window);
Window* menuOwner();
