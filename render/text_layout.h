#pragma once

#include <array>
#include <string_view>
#include <vector>

// What the layout needs to know about a font. Every string handed to a TextMeasure is a view
// into the text being laid out.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual int width(std::u16string_view text) const = 0;
    // Height of a measured string (the font's cell height), across the text.
    virtual int height(std::u16string_view text) const = 0;
    // How many leading UTF-16 units of text fit in maxWidth pixels.
    virtual int fitCount(std::u16string_view text, int maxWidth) const = 0;
    // Cell height plus external leading: how far a printed line moves the position down.
    virtual int lineHeight() const = 0;
};

constexpr int LineTableSize = 100;

// A line of the line table: a range of the laid-out text.
struct TextLine {
    int begin = 0;
    int length = 0;
};

using LineTable = std::array<TextLine, LineTableSize>;

// Breaks text into the line table at width w: the first part that fits, then every line that
// is longer than the one above it broken again, as long as that lasts.
LineTable breakCellText(std::u16string_view text, int w, const TextMeasure& measure);

// The text's lines with everything about their placement that does not depend on the origin.
// Offsets are kept doubled so that the half pixels of centring can be rounded against the
// origin at placement time.
struct PlannedLine {
    int index = 0; // 0-based row in the line table
    int begin = 0;
    int length = 0;
    int doubledOffsetX = 0;
    int justifyExtra = 0;
    int justifyBlanks = 0;
};

struct CellTextPlan {
    std::vector<PlannedLine> lines; // only the lines that draw something
    int lineHeight = 0;
    bool vertical = false;
    int doubledOffsetY = 0; // vertical text only
};

CellTextPlan planCellText(std::u16string_view text, int alignment, int w, int h,
                          const TextMeasure& measure);

// One output of a line at a position, with the justification to apply to it.
struct PrintOp {
    int begin = 0;
    int length = 0;
    int x = 0;
    int y = 0;
    int justifyExtra = 0;
    int justifyBlanks = 0;

    bool operator==(const PrintOp&) const = default;
};

PrintOp placeLine(const CellTextPlan& plan, const PlannedLine& line, int x, int y);
std::vector<PrintOp> placeCellText(const CellTextPlan& plan, int x, int y);

// The whole layout of one cell's text: what gets printed where. Empty lines are left out;
// the lines after them keep the positions they have when every line is printed.
std::vector<PrintOp> layoutCellText(std::u16string_view text, int alignment, int x, int y, int w,
                                    int h, const TextMeasure& measure);

// n / 2 rounded to the nearest integer, an exact half going to the even one.
int halveRoundingToEven(int n);

// The blank that lines break at and that justification widens.
constexpr char16_t Blank = u' ';
