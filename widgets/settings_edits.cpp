#include "widgets/settings_edits.h"

#include "core/message_ids.h"

#include <algorithm>
#include <QtGlobal>

namespace {

using r = settings_record;

constexpr std::string r::*kCycling[]
    = { &r::hotkey, &r::hotkey_text, &r::hotkey_image, &r::hotkey_file, &r::hotkey_collect };
constexpr std::string r::*kFixedSlot[] = { &r::hotkey_extra, &r::hotkey_text_extra,
    &r::hotkey_image_extra, &r::hotkey_file_extra, &r::hotkey_collect_extra };

settings_edits::control CheckBox(
    const char* text, const char* tool_tip, bool r::*flag, bool starts_row = false)
{
    return { text, tool_tip, flag, nullptr, {}, starts_row };
}

std::vector<std::string> Texts(const settings_record& record, std::string r::*const (&fields)[5])
{
    std::vector<std::string> texts;
    for (std::string r::*field : fields)
        texts.push_back(record.*field);
    return texts;
}

} // namespace

const std::vector<settings_edits::control>& settings_edits::Controls()
{
    static const std::vector<control> controls = {
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "文本"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项程序将记录复制的文本"),
            &r::save_text_type, true),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "图片"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项程序将记录复制的图片"),
            &r::save_image_type),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "文件"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项程序将记录复制的文件路径"),
            &r::save_file_type),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "开机启动"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项程序将跟随系统启动"), &r::auto_run,
            true),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "全屏冻结"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "勾选此选项在游戏等全屏模式下剪贴板快捷键将被禁用"),
            &r::full_screen_disable),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "添加换行"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项将在粘贴内容结束位置自动补充换行"),
            &r::auto_return),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "跨屏粘贴"),
            QT_TRANSLATE_NOOP("settings_widget",
                "勾选此选项且此机器已登录\n在另一台机器上登录后复制\n即可在本机直接粘贴"),
            &r::paste_by_cloud, true),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "自动粘贴"),
            QT_TRANSLATE_NOOP("settings_widget",
                "勾选此选项在主界面双击列表选项或以热键选中内容完毕时\n"
                "将自动粘贴选中内容到上个编辑窗口"),
            &r::auto_paste),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "图片预览"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项鼠标在图片选项上时将自动弹出预览界面"),
            &r::image_preview),
        { nullptr, QT_TRANSLATE_NOOP("settings_widget", "点按此处设置预览图片时的图片缩小倍数"),
            nullptr, &r::image_preview_scale, { "1", "2", "3", "4" }, false },
        { nullptr,
            QT_TRANSLATE_NOOP("settings_widget", "点按此处设置搜索引擎 [B - baidu, G - google]"),
            nullptr, &r::search_path, { "B", "G" }, false },
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "折叠显示"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "勾选此选项时文本将折叠成单行显示\n图片将以小图显示"),
            &r::small_view, true),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "自动折叠"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "勾选此选项在窗体缩小到指定大小时将自动折叠显示内容"),
            &r::auto_fold),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "自动隐藏"),
            QT_TRANSLATE_NOOP("settings_widget", "勾选此选项在粘贴内容完毕之后将自动隐藏窗口"),
            &r::auto_hide_window),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "即时预览"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "勾选此选项复制内容时附带按下Shift键直接预览复制内容"),
            &r::even_preview, true),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "即时搜索"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "勾选此选项复制内容时附带按下Ctrl+Shift键直接搜索复制内容"),
            &r::even_search),
        CheckBox(QT_TRANSLATE_NOOP("settings_widget", "移除格式"),
            QT_TRANSLATE_NOOP("settings_widget", "移除复制内容中的格式"), &r::remove_style),
    };
    return controls;
}

const std::vector<settings_edits::slider>& settings_edits::Sliders()
{
    static const std::vector<slider> sliders = {
        { QT_TRANSLATE_NOOP("settings_widget", "循环数目"),
            QT_TRANSLATE_NOOP(
                "settings_widget", "滑动此处可设置全局热键按下时可循环选中最近的内容数目"),
            &r::loop_count, 1, 100 },
        { QT_TRANSLATE_NOOP("settings_widget", "保存数目"),
            QT_TRANSLATE_NOOP("settings_widget", "滑动此处可设置当前能存储的剪贴板内容最大数目"),
            &r::max_save_count, 1, 500 },
    };
    return sliders;
}

void settings_edits::Load(const settings_record& current)
{
    edited_ = current;
    for (const slider& s : Sliders())
        edited_.*s.field = std::clamp<std::int64_t>(edited_.*s.field, s.minimum, s.maximum);
    for (const control& c : Controls()) {
        if (!c.index)
            continue;
        std::int64_t& index = edited_.*c.index;
        if (index < 0 || index >= static_cast<std::int64_t>(c.labels.size()))
            index = 0;
    }
}

bool settings_edits::OnMessage(std::int64_t id, std::int64_t a, std::int64_t b)
{
    if (id == msg_control_toggled) {
        if (a == control_dark_mode_switch)
            edited_.dark_mode = b != 0;
        else if (a == control_hotkey_enable_switch)
            edited_.enable_hotkey = b != 0;
        return false;
    }
    if (id != msg_hotkeys_edited || !a || !b)
        return false;
    const auto& cycling = *reinterpret_cast<const std::vector<std::string>*>(a);
    const auto& fixed_slot = *reinterpret_cast<const std::vector<std::string>*>(b);
    for (std::size_t i = 0; i < 5; ++i) {
        if (i < cycling.size())
            edited_.*kCycling[i] = cycling[i];
        if (i < fixed_slot.size())
            edited_.*kFixedSlot[i] = fixed_slot[i];
    }
    return true;
}

std::vector<std::string> settings_edits::Cycling() const
{
    return Texts(edited_, kCycling);
}

std::vector<std::string> settings_edits::FixedSlot() const
{
    return Texts(edited_, kFixedSlot);
}

std::string settings_edits::ShownHotkey(const std::string& text)
{
    std::string shown = text;
    for (std::size_t at = shown.find("Meta"); at != std::string::npos;
         at = shown.find("Meta", at + 3))
        shown.replace(at, 4, "Win");
    return shown;
}
