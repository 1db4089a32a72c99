#pragma once

#include "document/colour.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The preferences kept between runs in "Cuadrivista.ini". Values are not checked here:
// their users apply their own limits.
struct Settings {
    std::int16_t charsetCode = 0;
    Colour favouriteBackground = 16777215;
    std::int32_t rulerKind = 1;
    std::int32_t language = 1;
    // The copy filter switches, in file order: Colfondo, Colfuente, Fuente, Tamaño, Negrita,
    // Italica, Subrayado, Tachado, Leading, Texto, Imagen, Icono, Alineacion, Tipo Numero,
    // Permite Numero.
    std::array<std::int32_t, 15> copySwitches{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

constexpr const char* SettingsFileName = "Cuadrivista.ini";

// The folder holding the settings file: CUADRIVISTA_CONFIG_DIR when it is set, otherwise
// the folder of the running program, as the program has always kept it.
std::string settingsFolder();
std::string settingsPath();

// Reads every key; a missing file, section or key gives the default. Never fails.
Settings readSettings(const std::string& path);
Settings parseSettings(std::string_view iniText);

// The number at the start of a stored value, rounded to the nearest integer with halves to
// the even neighbour; 0 when the text does not begin with a number.
std::int64_t settingsNumber(std::string_view text);
