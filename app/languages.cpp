#include "app/languages.h"

namespace languages {
namespace {

const language kLanguages[count] = {
    { 0, ":/language/translate_zh_EN.qm", "", "load English file error", "English",
        "Set the current language to English" },
    { 1, ":/language/translate_zh_CN.qm", "zh_CN", "load Chinese file error", "简体中文",
        "设置当前语言为简体中文" },
    { 2, ":/language/translate_zh_TW.qm", "zh_TW", "load Chinese_TW file error", "繁體中文",
        "設置當前語言為繁體中文" },
    { 3, ":/language/translate_zh_JP.qm", "ja", "load Japanese file error", "日本語",
        "現在の言語を日本語に設定する" },
    { 4, ":/language/translate_zh_KR.qm", "ko", "load Korean file error", "한국어",
        "현재 언어를 한국어로 설정" },
    { 5, ":/language/translate_zh_FR.qm", "fr", "load French file error", "Français",
        "Définir la langue actuelle sur le français" },
    { 6, ":/language/translate_zh_GE.qm", "de", "load German file error", "Deutsch",
        "Aktuelle Sprache auf Deutsch einstellen" },
};

} // namespace

int Effective(std::int64_t code)
{
    return code >= 1 && code < count ? static_cast<int>(code) : static_cast<int>(english);
}

const language& ByCode(std::int64_t code)
{
    return kLanguages[Effective(code)];
}

const std::array<int, count>& MenuOrder()
{
    static const std::array<int, count> order { 1, 2, 0, 3, 4, 5, 6 };
    return order;
}

} // namespace languages
