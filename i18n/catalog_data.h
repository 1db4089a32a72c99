#pragma once

#include "i18n/message_catalog.h"

#include <array>
#include <span>
#include <string_view>

// The six texts of one row, indexed by LanguageId - 1.
using CatalogRow = std::array<std::string_view, 6>;

struct CatalogTableData {
    CatalogTable table;
    int bufferSize;
    std::span<const CatalogRow> rows;
};

// Indexed by the value of CatalogTable; constant data, so it is ready before any code runs.
extern const std::array<CatalogTableData, CatalogTableCount> catalogTables;
