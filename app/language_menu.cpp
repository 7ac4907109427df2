#include "app/language_menu.h"

#include "app/languages.h"
#include "widgets/theme_sheets.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

language_menu::language_menu(QWidget* window, std::int64_t current, bool dark)
    : QObject(window)
    , menu_(new QMenu(window))
    , current_(languages::Effective(current))
{
    menu_->setToolTipsVisible(true);
    for (int code : languages::MenuOrder()) {
        const languages::language& language = languages::ByCode(code);
        QAction* action = menu_->addAction(QString::fromUtf8(language.menu_text));
        action->setToolTip(QString::fromUtf8(language.menu_tool_tip));
        connect(action, &QAction::triggered, this, [this, code] {
            if (code != current_)
                emit changeRequested(code);
        });
    }
    ApplyStyle(dark);
}

void language_menu::Popup(const QPoint& global)
{
    menu_->popup(global);
}

void language_menu::ApplyStyle(bool dark)
{
    menu_->setWindowFlags(
        menu_->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu_->setAttribute(Qt::WA_TranslucentBackground);
    menu_->setStyleSheet(theme_sheets::ListMenu(dark));
}
