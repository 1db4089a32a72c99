#include "platform/settings_file.h"

#include "platform/file_read.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// A settings file is a few hundred bytes; anything past this is not ours.
constexpr std::size_t MaxSettingsBytes = 1024 * 1024;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The value of key in section, as the private-profile reader finds it: section and key
// names ignore case, blanks around them are dropped, the first match wins.
std::optional<std::string_view> findValue(std::string_view ini, std::string_view section,
                                          std::string_view key)
{
    bool inSection = false;
    while (!ini.empty()) {
        const auto end = ini.find('\n');
        std::string_view line = trim(ini.substr(0, end));
        ini = end == std::string_view::npos ? std::string_view() : ini.substr(end + 1);
        if (!line.empty() && line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos &&
                        sameName(trim(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection)
            continue;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || !sameName(trim(line.substr(0, eq)), key))
            continue;
        std::string_view value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

std::int64_t valueOf(std::string_view ini, std::string_view section,
                     std::initializer_list<std::string_view> keyNames, std::int64_t fallback)
{
    for (const std::string_view key : keyNames)
        if (const auto value = findValue(ini, section, key))
            return settingsNumber(*value);
    return fallback;
}

template <typename T> T narrow(std::int64_t v)
{
    return static_cast<T>(
        std::clamp<std::int64_t>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

} // namespace

std::int64_t settingsNumber(std::string_view text)
{
    text = trim(text);
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    const double value = std::strtod(number.c_str(), nullptr);
    const double rounded = std::nearbyint(value); // halves to even
    if (!(rounded > -9.2e18 && rounded < 9.2e18))
        return rounded < 0 ? std::numeric_limits<std::int64_t>::min()
                           : std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(rounded);
}

Settings parseSettings(std::string_view ini)
{
    Settings s;
    s.charsetCode = narrow<std::int16_t>(valueOf(ini, "General", {"caracteres"}, 0));
    // A colour is a 32-bit value; larger numbers keep their low 32 bits.
    s.favouriteBackground = static_cast<Colour>(
        static_cast<std::uint32_t>(valueOf(ini, "General", {"Color fondo"}, 16777215)));
    s.rulerKind = narrow<std::int32_t>(valueOf(ini, "General", {"Regleta"}, 1));
    s.language = narrow<std::int32_t>(valueOf(ini, "General", {"Idioma"}, 1));
    // "Tamaño" may have been written in UTF-8 or, by the earlier Windows version, in
    // Windows-1252.
    const std::initializer_list<std::string_view> keys[15] = {
        {"Colfondo"},   {"Colfuente"},   {"Fuente"},        {"Tama\xC3\xB1o", "Tama\xF1o"},
        {"Negrita"},    {"Italica"},     {"Subrayado"},     {"Tachado"},
        {"Leading"},    {"Texto"},       {"Imagen"},        {"Icono"},
        {"Alineacion"}, {"Tipo Numero"}, {"Permite Numero"}};
    for (std::size_t k = 0; k < 15; ++k)
        s.copySwitches[k] = narrow<std::int32_t>(valueOf(ini, "Config Copia", keys[k], 1));
    return s;
}

Settings readSettings(const std::string& path)
{
    const FileReadResult file = readWholeFile(path, MaxSettingsBytes);
    if (file.error != FileReadError::None)
        return Settings{};
    return parseSettings(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
}

std::string settingsFolder()
{
    if (const char* dir = std::getenv("CUADRIVISTA_CONFIG_DIR"); dir && *dir) {
        std::string folder(dir);
        if (folder.back() != '/')
            folder += '/';
        return folder;
    }
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string settingsPath()
{
    return settingsFolder() + SettingsFileName;
}
