#include "app/extra_settings.h"

#include <algorithm>
#include <cctype>
#include <variant>

#include "common/strproc.h"

namespace vemla {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

ExtraSettings ExtraSettings::Parse(std::string_view text) {
    ExtraSettings settings;
    while (!text.empty()) {
        const std::string_view line = TrimView(TakeLine(text));
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = TrimView(line.substr(0, equals));
        if (key.empty()) continue;
        settings.values_[std::string(key)] = std::string(TrimView(line.substr(equals + 1)));
    }
    return settings;
}

std::string ExtraSettings::Text() const {
    std::string text = "# Vemla: settings beyond the saved state\n";
    for (const auto& [key, value] : values_) text += key + "=" + value + "\n";
    return text;
}

std::optional<std::string> ExtraSettings::Value(std::string_view key) const {
    auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void ExtraSettings::Set(std::string_view key, std::string_view value) {
    std::string text(value);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    values_[std::string(key)] = std::string(TrimView(text));
}

bool ExtraSettings::Flag(std::string_view key, bool default_value) const {
    const std::optional<std::string> value = Value(key);
    if (!value) return default_value;
    const std::string word = Lower(*value);
    if (word == "true" || word == "yes" || word == "on" || word == "1") return true;
    if (word == "false" || word == "no" || word == "off" || word == "0") return false;
    return default_value;
}

ExtraSettings LoadExtraSettings(const std::filesystem::path& path) {
    auto read = ReadStateFile(path);
    if (const auto* text = std::get_if<std::string>(&read)) return ExtraSettings::Parse(*text);
    return {};
}

std::optional<FileError> SaveExtraSettings(const std::filesystem::path& path,
                                           const ExtraSettings& settings) {
    return SaveStateFile(path, settings.Text());
}

}  // namespace vemla
