#include "web/phone_layout.h"

#include "form/form_state.h"
#include "web/window_markup.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vexlet::page {

namespace {

// The grid's columns, the stat table's.
enum Column { name = 1, flag, base, wildMin, wildMax, trainedMin, trainedMax };

struct Place
{
    std::string_view control; // a control's or a separator line's name
    int row;
    int first; // columns, inclusive
    int last;
};

// The tracks of those columns: the names and flags as narrow as they allow, the base values a
// little narrower than the four value columns, which share the rest of the screen. A name may
// wrap; a base value is at least kBaseValueWidth wide, and as wide as its number, which a
// reader's spacing may widen.
constexpr std::string_view kColumnTracks
    = "minmax(min-content,auto) 17px minmax(min-content,0.75fr) repeat(4,minmax(51px,1fr))";
constexpr std::string_view kBaseValueWidth = "38px";

// No text on a phone is smaller than this; and the window's largest proportional font is drawn
// smaller there, so that the stat table's headings fit its narrow columns.
constexpr int kSmallestTextPixels = 12;
constexpr layout::FontKey kSmallerFont = layout::FontKey::F5;
constexpr int kSmallerFontPixels = 13;

// The stat rows take the grid rows from here on, one each, their controls in the window's order
// from left to right.
constexpr int kFirstStatRow = 8;

// Where a screen is as wide as two phones held upright (a phone turned sideways, a tablet), the
// rows stand in two columns of those tracks, side by side with a gap between: the first holds the
// rows down to the stat table's last, the second the rows after it, from the line under the
// table on, as the first begins with the line across the top. The eye and Tab go down the first
// column, then down the second. The columns share their rows, and the second's are a finger's
// target high where they hold one: the stat rows beside them are as high, so that the table's
// rows stay even.
constexpr int kTwoColumnsFrom = 2 * 360; // CSS px
constexpr std::string_view kColumnGap = "16px";
constexpr int kSecondColumnFrom = kFirstStatRow + static_cast<int>(kStatistics.size());

// clang-format off
constexpr std::array kPlaces = std::to_array<Place>({
    {"Line1", 1, name, trainedMax},
    {"Label1", 2, name, base}, {"vexlist", 2, wildMin, trainedMax},
    {"Label2", 3, name, base}, {"level", 3, wildMin, wildMax},
    {"Line4", 4, name, trainedMax},
    {"Label15", 5, base, base}, {"Label9", 5, wildMin, wildMax},
    {"Label10", 5, trainedMin, trainedMax},
    {"Line6", 6, base, base}, {"Line2", 6, wildMin, wildMax}, {"Line3", 6, trainedMin, trainedMax},
    {"Label11", 7, wildMin, wildMin}, {"Label12", 7, wildMax, wildMax},
    {"Label13", 7, trainedMin, trainedMin}, {"Label14", 7, trainedMax, trainedMax},
    {"Line5", 14, name, trainedMax},
    {"calculate", 15, name, trainedMax},
    {"Label17", 16, name, base}, {"avg", 16, wildMin, wildMax},
    {"arrow", 17, name, base}, {"Label16", 17, wildMin, wildMax},
    {"total", 17, trainedMin, trainedMax},
    {"Line7", 18, name, trainedMax},
    {"Label22", 19, name, flag}, {"wild", 19, base, base}, {"Label19", 19, wildMin, trainedMax},
    {"trainer", 20, base, base}, {"Label20", 20, wildMin, trainedMax},
    {"Label23", 21, name, flag}, {"traded", 21, base, base}, {"Label21", 21, wildMin, trainedMax},
    {"Label18", 22, name, base}, {"exp", 22, wildMin, wildMax},
    {"Label24", 23, name, base}, {"Label25", 23, wildMin, wildMax},
    {"pts", 23, trainedMin, trainedMax},
    {"growth", 24, name, name}, {"up", 24, flag, flag},
});
// clang-format on

std::string rule(const Place &place)
{
    return "#" + std::string(place.control) + "{grid-area:" + std::to_string(place.row) + "/"
        + std::to_string(place.first) + "/" + std::to_string(place.row + 1) + "/"
        + std::to_string(place.last + 1) + "}";
}

// The controls of stat row `r` (the row of the base value HP + r), left to right.
std::vector<const layout::Control *> statRow(int r)
{
    const Field baseValue = fieldAfter(Field::HP, r);
    const int top = layout::kControls[fieldInfo(baseValue).control].place.top;
    std::vector<const layout::Control *> row;
    for (const layout::Control &control : layout::kControls) {
        if (control.place.top == top)
            row.push_back(&control);
    }
    std::sort(row.begin(), row.end(),
              [](const auto *a, const auto *b) { return a->place.left < b->place.left; });
    return row;
}

// Every control's and line's place in one column: the table's, and the stat rows'.
std::vector<Place> places()
{
    std::vector<Place> all(kPlaces.begin(), kPlaces.end());
    for (int r = 0; r < static_cast<int>(kStatistics.size()); ++r) {
        int column = name;
        for (const layout::Control *control : statRow(r)) {
            all.push_back({control->name, kFirstStatRow + r, column, column});
            ++column;
        }
    }
    return all;
}

// A place of the rows after the stat table, in the second of two columns.
Place inSecondColumn(const Place &place)
{
    constexpr int shift = trainedMax + 1; // the first column's tracks and the gap
    return {place.control, place.row - kSecondColumnFrom + 1, place.first + shift,
            place.last + shift};
}

// Every control and line placed once: in the table above or in a stat row.
constexpr bool placesEverything()
{
    std::size_t placed = 0;
    for (const layout::Control &control : layout::kControls) {
        const auto count = std::count_if(kPlaces.begin(), kPlaces.end(), [&](const Place &place) {
            return place.control == control.name;
        });
        const int top = control.place.top;
        const bool inStatRow = top >= layout::kControls[fieldInfo(Field::HP).control].place.top
            && top <= layout::kControls[fieldInfo(Field::special2).control].place.top;
        if (count + (inStatRow ? 1 : 0) != 1)
            return false;
        placed += static_cast<std::size_t>(count);
    }
    for (const layout::Line &line : layout::kLines) {
        placed += static_cast<std::size_t>(
            std::count_if(kPlaces.begin(), kPlaces.end(),
                          [&](const Place &place) { return place.control == line.name; }));
    }
    return placed == kPlaces.size();
}
static_assert(placesEverything(), "the phone places every control and line once");

} // namespace

std::string phonePlaceStyle()
{
    std::string style = patternStyle(&html::StyleSheet::phone)
        + ".client{grid-template-columns:" + std::string(kColumnTracks)
        + "}label.value{min-width:" + std::string(kBaseValueWidth) + "}";
    for (const layout::FontKey key : layout::kFontKeys) {
        const double pixels = fontPixels(layout::fontInfo(key));
        const int size = key == kSmallerFont ? kSmallerFontPixels
            : pixels < kSmallestTextPixels   ? kSmallestTextPixels
                                             : 0;
        if (size != 0)
            style += "." + fontClass(key) + "{font-size:" + std::to_string(size) + "px}";
    }
    const std::vector<Place> all = places();
    for (const Place &place : all)
        style += rule(place);
    style += "@media (min-width:" + std::to_string(kTwoColumnsFrom)
        + "px){.client{grid-template-columns:" + std::string(kColumnTracks) + " "
        + std::string(kColumnGap) + " " + std::string(kColumnTracks) + ";grid-template-rows:repeat("
        + std::to_string(kFirstStatRow - 1) + ",auto) repeat(" + std::to_string(kStatistics.size())
        + ",minmax(var(--finger),auto))}";
    for (const Place &place : all) {
        if (place.row >= kSecondColumnFrom)
            style += rule(inSecondColumn(place));
    }
    return style + "}";
}

} // namespace vexlet::page
