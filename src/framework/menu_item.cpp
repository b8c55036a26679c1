#include "menu_item.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "runtime.h"
#include "window.h"

namespace ulvarin {

MenuItem::MenuItem() : action_(new QAction) {
    action_->setMenuRole(QAction::NoRole);
    action_->setEnabled(false);
    QObject::connect(action_, &QAction::triggered, action_, [this] { HandleMenuCommand(*this); });
}

MenuItem::~MenuItem() { delete action_; }

void MenuItem::SetText(std::string text) {
    text_ = std::move(text);
    action_->setSeparator(Separator());
    if (!Separator()) action_->setText(QString::fromStdString(text_));
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
    shortcut_ = std::move(shortcut);
    QString keys = QString::fromStdString(shortcut_);
    // Qt's Ctrl is the command key on the Mac and Control elsewhere.
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    action_->setShortcut(QKeySequence(keys));
}

bool MenuItem::Enabled() const { return action_->isEnabled(); }
void MenuItem::SetEnabled(bool enabled) { action_->setEnabled(enabled); }

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    // A menu (an item with children) is always open to the user; its items
    // carry the enabled states.
    action_->setEnabled(true);
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child.get();
    }
    return nullptr;
}

MenuItem* MenuItem::Lookup(std::string_view name) {
    if (name_ == name) return this;
    for (const auto& child : children_) {
        if (MenuItem* found = child->Lookup(name)) return found;
    }
    return nullptr;
}

QuitMenuItem::QuitMenuItem() { action_->setMenuRole(QAction::QuitRole); }

AppleMenuItem::AppleMenuItem() { action_->setMenuRole(QAction::AboutRole); }

QMenuBar* BuildMenuBarView(MenuBar& bar, Window& window) {
    auto* view = new QMenuBar(window.Frame());
    for (std::size_t m = 0; m < bar.Count(); ++m) {
        MenuItem& menuItem = bar.Item(m);
        QMenu* menu = view->addMenu(QString::fromStdString(menuItem.Text()));
        for (std::size_t i = 0; i < menuItem.Count(); ++i) menu->addAction(menuItem.Item(i).Action());
        // Menus are brought up to date just before they open.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [&window] { RefreshMenuStates(&window); });
    }
    return view;
}

}  // namespace ulvarin
