#pragma once

#include "document/colour.h"
#include "render/cell_text_cache.h"
#include "render/text_layout.h"

#include <memory>
#include <string_view>

struct Raster;
struct RasterFont;

// Measures with a raster font exactly as printed lines are laid out.
class RasterTextMeasure : public TextMeasure {
  public:
    explicit RasterTextMeasure(const RasterFont& font) : font_(font) {}
    int width(std::u16string_view text) const override;
    int height(std::u16string_view text) const override;
    int fitCount(std::u16string_view text, int maxWidth) const override;
    int lineHeight() const override;

  private:
    const RasterFont& font_;
};

// Draws a cell's text into the area of w x h pixels at (x, y): broken into lines at blanks,
// placed by the alignment code, in the text colour on a transparent background. Text is not
// clipped to the area. With a cache, a text laid out before in the same font, alignment and
// area is not laid out again; what is drawn is the same either way.
void drawCellText(Raster& target, std::u16string_view text, int alignment, int x, int y, int w,
                  int h, const std::shared_ptr<const RasterFont>& font, Colour textColour,
                  CellTextCache* cache = nullptr);
