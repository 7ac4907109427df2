#include "server/config_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace syncd {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool allowed_in_file(const std::string& name)
{
    return name != "help" && name != "h" && name != "config" && name != "disable"
        && name != "enable" && name.rfind('-', 0) != 0;
}

} // namespace

bool config_file_arguments(
    const std::string& text, std::vector<std::string>& args, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const auto end = line.find_first_of(" \t=");
        const std::string name = line.substr(0, end);
        std::string value = end == std::string::npos ? "" : trimmed(line.substr(end));
        if (!value.empty() && value[0] == '=')
            value = trimmed(value.substr(1));
        if (!allowed_in_file(name)) {
            error = "line " + std::to_string(number) + ": " + name + " is not allowed here";
            return false;
        }
        args.push_back("--" + name);
        if (!value.empty())
            args.push_back(value);
    }
    return true;
}

bool gather_arguments(const std::vector<std::string>& command_line, const std::string& default_path,
    std::vector<std::string>& args, std::string& error)
{
    std::string path = default_path;
    bool named = false;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < command_line.size(); ++i) {
        if (command_line[i] != "--config") {
            rest.push_back(command_line[i]);
            continue;
        }
        if (i + 1 >= command_line.size()) {
            error = "missing value after --config";
            return false;
        }
        path = command_line[++i];
        named = true;
    }
    args.clear();
    std::ifstream file(path);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        if (!config_file_arguments(text.str(), args, error)) {
            error = path + ", " + error;
            return false;
        }
    } else if (named || std::filesystem::exists(path)) {
        error = "cannot read configuration file " + path;
        return false;
    }
    args.insert(args.end(), rest.begin(), rest.end());
    return true;
}

} // namespace syncd
