#include "platform/x11/xdg_autostart.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace platform {
namespace {

bool HasControlCharacters(const std::string& s)
{
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7f)
            return true;
    return false;
}

bool IsPlainName(const std::string& name)
{
    return !name.empty() && name.size() <= 200 && name.find('/') == std::string::npos && name != "."
        && name != ".." && !HasControlCharacters(name);
}

// Inside a quoted Exec argument " ` $ \ are escaped with a backslash; the value
// is then a desktop-entry string, whose own escaping doubles every backslash.
// A literal % is written %%, since % starts a field code.
std::string QuoteArgument(const std::string& arg)
{
    std::string out = "\"";
    for (char c : arg) {
        switch (c) {
        case '"':
        case '`':
        case '$':
            out += "\\\\";
            out += c;
            break;
        case '\\':
            out += "\\\\\\\\";
            break;
        case '%':
            out += "%%";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Arguments without reserved characters stay unquoted ("-startup").
std::string PlainOrQuoted(const std::string& arg)
{
    for (char c : arg)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.'
                || c == '/'))
            return QuoteArgument(arg);
    return arg.empty() ? QuoteArgument(arg) : arg;
}

bool MakeFolders(const std::string& path)
{
    std::string partial;
    std::stringstream parts(path);
    std::string piece;
    if (!path.empty() && path[0] == '/')
        partial = "/";
    while (std::getline(parts, piece, '/')) {
        if (piece.empty())
            continue;
        partial += piece + "/";
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

std::string xdg_autostart::Folder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        return std::string(config) + "/autostart";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.config/autostart";
    return {};
}

std::string xdg_autostart::EntryPath(const std::string& name)
{
    const std::string folder = Folder();
    if (folder.empty() || !IsPlainName(name))
        return {};
    return folder + "/" + name + ".desktop";
}

std::string xdg_autostart::ExecLine(const std::string& program, const std::string& argument)
{
    return QuoteArgument(program) + " " + PlainOrQuoted(argument);
}

std::optional<std::string> xdg_autostart::Read(const std::string& name)
{
    const std::string path = EntryPath(name);
    if (path.empty())
        return std::nullopt;
    std::ifstream in(path);
    if (!in)
        return std::nullopt;
    std::string line;
    bool in_main_group = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[')
            in_main_group = line == "[Desktop Entry]";
        else if (in_main_group && line.rfind("Exec=", 0) == 0)
            return line.substr(5);
    }
    return std::nullopt;
}

bool xdg_autostart::Write(
    const std::string& name, const std::string& program, const std::string& argument)
{
    const std::string path = EntryPath(name);
    if (path.empty() || HasControlCharacters(program) || HasControlCharacters(argument))
        return false;
    if (!MakeFolders(Folder()))
        return false;

    // Written beside the entry and renamed over it, so a crash never leaves
    // half an entry behind.
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out)
            return false;
        out << "[Desktop Entry]\n"
            << "Type=Application\n"
            << "Name=" << name << "\n"
            << "Exec=" << ExecLine(program, argument) << "\n"
            << "Terminal=false\n"
            << "X-GNOME-Autostart-enabled=true\n";
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool xdg_autostart::Remove(const std::string& name)
{
    const std::string path = EntryPath(name);
    return !path.empty() && std::remove(path.c_str()) == 0;
}

} // namespace platform
