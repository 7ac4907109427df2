#include "actions/list_menu_entries.h"

#include <Qt>
#include <QtGlobal>

namespace list_menu_entries {

// Texts are the source texts of the translations (context list_context_menu).
const std::vector<list_menu_entry>& Entries()
{
    static const std::vector<list_menu_entry> entries = {
        { list_action::copy, QT_TRANSLATE_NOOP("list_context_menu", "复制"), "CTRL+C",
            QT_TRANSLATE_NOOP("list_context_menu", "复制当前鼠标所在行内容"),
            QT_TRANSLATE_NOOP("list_context_menu", "附加快捷键「Space」🐯"), false },
        { list_action::copy_file, QT_TRANSLATE_NOOP("list_context_menu", "复制文件"), "CTRL+F",
            QT_TRANSLATE_NOOP("list_context_menu", "复制当前所有选中内容所在文件"), "", false },
        { list_action::paste, QT_TRANSLATE_NOOP("list_context_menu", "粘贴"), "CTRL+V",
            QT_TRANSLATE_NOOP(
                "list_context_menu", "从上至下自动粘贴鼠标选中所有行到上一个编辑窗口"),
            QT_TRANSLATE_NOOP("list_context_menu", "附加快捷键「Enter」🦚"), false },
        { list_action::reverse_paste, QT_TRANSLATE_NOOP("list_context_menu", "反向粘贴"), "CTRL+R",
            QT_TRANSLATE_NOOP(
                "list_context_menu", "从下至上自动粘贴鼠标选中所有行到上一个编辑窗口"),
            "", false },
        { list_action::flip_paste, QT_TRANSLATE_NOOP("list_context_menu", "翻转粘贴"), "CTRL+B",
            QT_TRANSLATE_NOOP("list_context_menu", "从右至左翻转粘贴文本到上一个编辑窗口"), "",
            false },
        { list_action::preview, QT_TRANSLATE_NOOP("list_context_menu", "预览"), "CTRL+E",
            QT_TRANSLATE_NOOP("list_context_menu", "使用默认程序打开所有选中选项所在文件"), "",
            false },
        { list_action::pin, QT_TRANSLATE_NOOP("list_context_menu", "钉住"), "CTRL+H",
            QT_TRANSLATE_NOOP("list_context_menu", "以顶层窗口显示图片文件"), "", false },
        { list_action::favourite, QT_TRANSLATE_NOOP("list_context_menu", "收藏"), "CTRL+X",
            QT_TRANSLATE_NOOP(
                "list_context_menu", "给选中内容打上收藏标记\n只在收藏页面可以被删除"),
            "", false },
        { list_action::remove, QT_TRANSLATE_NOOP("list_context_menu", "删除"), "CTRL+D",
            QT_TRANSLATE_NOOP("list_context_menu", "删除鼠标选中所有行\n附加快捷键「Del」🐭"), "",
            false },
        { list_action::md5, QT_TRANSLATE_NOOP("list_context_menu", "md5编码"), "",
            QT_TRANSLATE_NOOP("list_context_menu", "获取当前选项内容的md5"), "", true },
        { list_action::base64, QT_TRANSLATE_NOOP("list_context_menu", "base64编码"), "",
            QT_TRANSLATE_NOOP("list_context_menu", "获取当前选项内容的base64"), "", true },
        { list_action::settings, QT_TRANSLATE_NOOP("list_context_menu", "设置"), "CTRL+S",
            QT_TRANSLATE_NOOP("list_context_menu", "设置程序的相关功能"), "", false },
        { list_action::login, QT_TRANSLATE_NOOP("list_context_menu", "登录"), "CTRL+G",
            QT_TRANSLATE_NOOP("list_context_menu", "开启剪贴板纪录全平台同步"), "", false },
    };
    return entries;
}

const char* EncodingMenuText()
{
    return QT_TRANSLATE_NOOP("list_context_menu", "编码        MD5+BASE64");
}

std::optional<list_action> ActionForKey(
    int key, bool pressed, bool search_focused, bool auto_repeat)
{
    // Keys typed into the search box are the search text, Delete included.
    if (auto_repeat || search_focused)
        return std::nullopt;
    if (pressed)
        return key == Qt::Key_Delete ? std::optional(list_action::remove) : std::nullopt;
    switch (key) {
    case Qt::Key_C:
    case Qt::Key_Space:
        return list_action::copy;
    case Qt::Key_F:
        return list_action::copy_file;
    case Qt::Key_Return:
    case Qt::Key_V:
        return list_action::paste;
    case Qt::Key_R:
        return list_action::reverse_paste;
    case Qt::Key_B:
        return list_action::flip_paste;
    case Qt::Key_E:
        return list_action::preview;
    case Qt::Key_H:
        return list_action::pin;
    case Qt::Key_X:
        return list_action::favourite;
    case Qt::Key_D:
        return list_action::remove;
    case Qt::Key_S:
        return list_action::settings;
    case Qt::Key_G:
        return list_action::login;
    default:
        return std::nullopt;
    }
}

} // namespace list_menu_entries
