#include "widgets/theme_sheets.h"

#include "core/log_categories.h"

#include <QDebug>
#include <QFile>

namespace theme_sheets {

// The menu backgrounds are opaque rgb(): an rgba() with three numbers is not
// a colour to Qt, which then drops the background with a warning.
QString ListMenu(bool dark)
{
    return dark ? QStringLiteral(
               "QMenu{margin:0px;background-color:rgb(128, 128, 128);padding:5px "
               "0px;border-radius: 13px;}QMenu::item{background-color: "
               "transparent;color:rgb(255, 255, 255);padding:3px "
               "20px;width:134px;height:30px;margin:2px 10px;font-family:Microsoft "
               "YaHei;font-size:16px;}QMenu::item:selected{background-color:rgba(168, 168, 168, "
               "70%);color:rgb(255, 255, 255);border-radius: 5px;}QMenu QToolTip{border:0px solid "
               "#777777;padding:1px;color:#000000;background:qlineargradient(spread:pad,x1:0,y1:"
               "0,x2:0,y2:1,stop:0 #CACACA,stop:1 #FEFEFE);border-radius: 5px;}")
                : QStringLiteral(
                    "QMenu{margin:0px;background-color:rgb(220, 220, 220);padding:5px "
                    "0px;border-radius: 13px;}QMenu::item{background-color: "
                    "transparent;color:rgb(55, 55, 57);padding:3px "
                    "20px;width:134px;height:30px;margin:2px 10px;font-family:Microsoft "
                    "YaHei;font-size:16px;}QMenu::item:selected{background-color:rgba(170, 170, "
                    "170, 70%);color:rgb(55, 55, 55);margin:2px 10px;border-radius: 5px;}QMenu "
                    "QToolTip{border:0px solid "
                    "#777777;padding:1px;color:#000000;background:qlineargradient(spread:pad,x1:0,"
                    "y1:0,x2:0,y2:1,stop:0 #CACACA,stop:1 #FEFEFE);border-radius: 5px;}");
}

QString TrayMenu(bool dark)
{
    return dark
        ? QStringLiteral("QMenu{margin:0px;background-color:rgb(128, 128, 128);padding:5px "
                         "0px;border-radius: 13px;}QMenu::item{background-color: "
                         "transparent;color:rgb(255, 255, 255);padding:3px "
                         "20px;width:100px;height:32px;margin:4px 10px;font-family:Microsoft "
                         "YaHei;font-size:16px;}QMenu::item:selected{margin:4px "
                         "10px;background-color:rgba(148, 148, 148, 70%);color:rgb(255, 255, "
                         "255);border-radius: 5px;}")
        : QStringLiteral("QMenu{margin:0px;background-color:rgba(220, 220, 220, 100%);padding:5px "
                         "0px;border-radius: 13px;}QMenu::item{background-color: "
                         "transparent;color:rgb(55, 55, 57);padding:3px "
                         "20px;width:100px;height:32px;margin:4px 10px;font-family:Microsoft "
                         "YaHei;font-size:16px;}QMenu::item:selected{margin:4px "
                         "10px;background-color:rgba(190, 190, 190, 70%);color:rgb(55, 55, "
                         "55);border-radius: 5px;}");
}

QString CounterLabel(bool dark)
{
    return dark
        ? QStringLiteral("QLabel { color:white; font-family: '微软雅黑'; font-size: 10pt; }")
        : QStringLiteral("QLabel { color:black; font-family: '微软雅黑'; font-size: 10pt; }");
}

QString ThemeFilePath(const QString& folder, bool dark)
{
    return folder + (dark ? QStringLiteral("/dark.qss") : QStringLiteral("/gray.qss"));
}

std::optional<QString> ReadThemeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(log_ui) << "open failed!";
        return std::nullopt;
    }
    qCDebug(log_ui) << "open success!";
    QByteArray bytes = file.readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromLatin1(bytes);
}

} // namespace theme_sheets
