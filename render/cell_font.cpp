#include "render/cell_font.h"

#include "document/cell_record.h"

#include <QCoreApplication>

#include <cmath>
#include <mutex>
#include <string>

namespace {

// Face names were always cut to what a font request can hold: 31 characters.
constexpr int MaxFaceCharacters = 31;
constexpr double DefaultFontSize = 8;
constexpr int RotatedQuarterClockwise = -900;
// The platform's default character set, asked for by the rotated font (see cellFontRequest).
constexpr int DefaultCharset = 1;

std::string_view firstCharacters(std::string_view utf8, int count)
{
    std::size_t end = 0;
    for (int n = 0; n < count && end < utf8.size(); ++n) {
        ++end;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;
    }
    return utf8.substr(0, end);
}

// The painter asks for a font for every cell, and neighbouring cells mostly share theirs: the
// last call is remembered so that it costs neither a request nor a lookup.
struct LastFont {
    std::mutex mutex;
    std::string fontName;
    double fontSize = 0;
    int styleBits = 0;
    int alignment = 0;
    int charsetCode = 0;
    std::shared_ptr<const RasterFont> font;
    bool cleanupRegistered = false;
};

LastFont& lastFont()
{
    static LastFont last;
    return last;
}

// Fonts must not outlive the application object, whose font database they refer to.
void forgetLastFont()
{
    LastFont& last = lastFont();
    const std::lock_guard lock(last.mutex);
    last.font.reset();
    last.cleanupRegistered = false;
}

} // namespace

int cellStyleBits(const CellRecord& cell)
{
    return (cell.bold == 1 ? StyleBold : 0) | (cell.italic == 1 ? StyleItalic : 0) |
           (cell.underline == 1 ? StyleUnderline : 0) | (cell.strikeout == 1 ? StyleStrikeout : 0) |
           (cell.leading == 1 ? StyleLeading : 0);
}

FontRequest cellFontRequest(std::string_view fontName, double fontSize, int styleBits,
                            int alignment, int charsetCode)
{
    FontRequest request;
    request.face = std::string(firstCharacters(fontName, MaxFaceCharacters));
    const double points = fontSize == 0 ? DefaultFontSize : fontSize;
    const int pixels = static_cast<int>(std::nearbyint(points * CanvasDpi / 72.0));
    // Without the leading bit the size names the letters (a negative request, internal
    // leading excluded); with it the whole character cell, so the letters come out smaller.
    request.height = (styleBits & StyleLeading) ? pixels : -pixels;
    request.weight = (styleBits & StyleBold) ? 700 : 400;
    request.italic = (styleBits & StyleItalic) != 0;
    request.underline = (styleBits & StyleUnderline) != 0;
    request.strikeout = (styleBits & StyleStrikeout) != 0;
    if (alignment == AlignVerticalTop || alignment == AlignVerticalCentred) {
        // The rotated font has always carried the chosen character set in its pitch-and-family
        // field and asked for the default set, which still shows the same script.
        request.charset = DefaultCharset;
        request.pitchAndFamily = charsetCode;
        request.escapement = RotatedQuarterClockwise;
        request.orientation = RotatedQuarterClockwise;
    } else {
        request.charset = charsetCode;
        request.pitchAndFamily = 0;
    }
    return request;
}

std::shared_ptr<const RasterFont> makeCellFont(std::string_view fontName, double fontSize,
                                               int styleBits, int alignment, int charsetCode)
{
    LastFont& last = lastFont();
    const std::lock_guard lock(last.mutex);
    if (last.font && last.fontName == fontName && last.fontSize == fontSize &&
        last.styleBits == styleBits && last.alignment == alignment &&
        last.charsetCode == charsetCode)
        return last.font;
    auto font = createFont(cellFontRequest(fontName, fontSize, styleBits, alignment, charsetCode));
    last.fontName = fontName;
    last.fontSize = fontSize;
    last.styleBits = styleBits;
    last.alignment = alignment;
    last.charsetCode = charsetCode;
    last.font = font;
    if (!last.cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(forgetLastFont);
        last.cleanupRegistered = true;
    }
    return font;
}
