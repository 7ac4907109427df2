#include "actions/list_context_menu.h"

#include "widgets/theme_sheets.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace {

QString Translated(const char* text)
{
    return QCoreApplication::translate("list_context_menu", text);
}

void DressMenu(QMenu* menu, bool dark)
{
    menu->setWindowFlags(
        menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setStyleSheet(theme_sheets::ListMenu(dark));
}

} // namespace

list_context_menu::list_context_menu(QWidget* window, bool dark)
    : QObject(window)
    , menu_(new QMenu(window))
    , encoding_(new QMenu(Translated(list_menu_entries::EncodingMenuText()), window))
{
    menu_->setToolTipsVisible(true);
    encoding_->setToolTipsVisible(true);
    for (const list_menu_entry& entry : list_menu_entries::Entries()) {
        auto* action = new QAction(Translated(entry.text), window);
        if (*entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        QString tip = Translated(entry.tooltip);
        if (*entry.tooltip_extra)
            tip += QLatin1Char('\n') + Translated(entry.tooltip_extra);
        action->setToolTip(tip);
        const list_action which = entry.action;
        connect(action, &QAction::triggered, this, [this, which] { emit triggered(which); });
        actions_[which] = action;
        if (entry.in_encoding_menu) {
            if (encoding_->isEmpty())
                menu_->addMenu(encoding_);
            encoding_->addAction(action);
        } else {
            menu_->addAction(action);
        }
    }
    ApplyStyle(dark);
}

QAction* list_context_menu::action(list_action which) const
{
    const auto found = actions_.find(which);
    return found == actions_.end() ? nullptr : found->second;
}

void list_context_menu::PrepareFor(std::int64_t content_type)
{
    QAction* pin = action(list_action::pin);
    menu_->removeAction(pin);
    if (content_type <= 1)
        menu_->insertAction(action(list_action::favourite), pin);
}

void list_context_menu::ShowFor(std::int64_t content_type, const QPoint& global)
{
    PrepareFor(content_type);
    menu_->popup(global);
}

void list_context_menu::ApplyStyle(bool dark)
{
    DressMenu(menu_, dark);
    DressMenu(encoding_, dark);
}
