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
// little narrower than the four value columns, which share the rest of the screen.
constexpr std::string_view kColumnTracks
    = "minmax(43px,auto) 17px minmax(38px,0.75fr) repeat(4,minmax(51px,1fr))";

// No text on a phone is smaller than this; and the window's largest proportional font is drawn
// smaller there, so that the stat table's headings fit its narrow columns.
constexpr int kSmallestTextPixels = 12;
constexpr layout::FontKey kSmallerFont = layout::FontKey::F5;
constexpr int kSmallerFontPixels = 13;

// The stat rows take the grid rows from here on, one each, their controls in the window's order
// from left to right.
constexpr int kFirstStatRow = 8;

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

std::string rule(std::string_view control, int row, int first, int last)
{
    return "#" + std::string(control) + "{grid-area:" + std::to_string(row) + "/"
        + std::to_string(first) + "/" + std::to_string(row + 1) + "/" + std::to_string(last + 1)
        + "}";
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
        + ".client{grid-template-columns:" + std::string(kColumnTracks) + "}";
    for (const layout::FontKey key : layout::kFontKeys) {
        const double pixels = fontPixels(layout::fontInfo(key));
        const int size = key == kSmallerFont ? kSmallerFontPixels
            : pixels < kSmallestTextPixels   ? kSmallestTextPixels
                                             : 0;
        if (size != 0)
            style += "." + fontClass(key) + "{font-size:" + std::to_string(size) + "px}";
    }
    for (const Place &place : kPlaces)
        style += rule(place.control, place.row, place.first, place.last);
    for (int r = 0; r < static_cast<int>(kStatistics.size()); ++r) {
        int column = name;
        for (const layout::Control *control : statRow(r)) {
            style += rule(control->name, kFirstStatRow + r, column, column);
            ++column;
        }
    }
    return style;
}

} // namespace vexlet::page
