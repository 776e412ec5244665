#pragma once

// The window as data: every control with the field it holds, its place, caption, font, look and
// spoken name; the separator lines; the menus. The field model, the window, its accessible
// names and the layout report all derive from this one table. Lengths are twips (1/1440 inch)
// from the top-left corner of the client area below the menu bar; the window maps 15 twips to
// one pixel (96 DPI).

#include "core/species_catalogue.h"
#include "ui/field.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vexlet::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 6990;
inline constexpr int kClientHeight = 6735;
inline constexpr std::string_view kWindowTitle = "Vexlet Statistics Finder by Quendrick";

enum class ControlKind { label, textBox, comboBox, button, checkBox, optionButton };

// The fonts the design names; D is the window's default dialog font.
enum class FontKey { D, F1, F2, F3, F4, F5 };

struct FontInfo
{
    std::string_view family; // as designed; look-alikes stand in where it is missing
    double points;
    int weight; // 400 regular, 700 bold
};

[[nodiscard]] constexpr FontInfo fontInfo(FontKey key) noexcept
{
    switch (key) {
    case FontKey::F1:
        return {"Comic Sans MS", 8.25, 700};
    case FontKey::F2:
        return {"Comic Sans MS", 8.25, 400};
    case FontKey::F3:
        return {"OCR A Extended", 12, 400};
    case FontKey::F4:
        return {"OCR A Extended", 12, 700};
    case FontKey::F5:
        return {"MS Sans Serif", 12, 700};
    case FontKey::D:
        break;
    }
    return {"MS Sans Serif", 8.25, 400};
}

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Value displays show coloured text on black; every other control keeps the standard colours.
inline constexpr Rgb kBlack {0, 0, 0};
inline constexpr Rgb kGreen {0, 255, 0};
inline constexpr Rgb kYellow {255, 255, 0};
inline constexpr Rgb kOrange {255, 128, 0};
inline constexpr Rgb kRed {255, 0, 0};
inline constexpr Rgb kCyan {0, 255, 255};
inline constexpr Rgb kWhite {255, 255, 255};
inline constexpr Rgb kMagenta {255, 0, 255};

enum class Align { left, center, right };

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A control's look and state beyond place, caption and font; the defaults are a plain control.
struct Look
{
    std::optional<Rgb> colour {}; // a value display: text in this colour on black
    Align align = Align::left;
    bool border = false; // labels: a single-line frame
    bool wraps = false; // labels: the caption breaks onto a second line
    bool hidden = false; // never shown
    bool disabled = false; // greyed, ignores the user
    bool readOnly = false; // text boxes: select and copy only
    bool selected = false; // option buttons: the chosen one at start
    int maxLength = 0; // text boxes: the most characters kept, the field's limit
};

// What a screen reader says of a control. The name is the caption unless given here: value
// displays show only numbers, and option buttons and check boxes show no caption at all. A
// caption label that names another control is that control's label, and the control takes
// the label's caption as its name unless it has a name of its own.
struct Speech
{
    std::string_view name {};
    std::string_view detail {}; // follows the name: the grid column, "below average"
    std::optional<Field> labels {}; // a caption label: the field whose control it names
};

struct Control
{
    std::string_view name;
    std::optional<Field> field; // the field the control holds; none for captions and the button
    ControlKind kind = ControlKind::label;
    Rect place;
    std::string_view caption; // caption or initial text
    FontKey font = FontKey::D;
    int tab = 0; // position in the keyboard order
    Look look {};
    Speech speech {};
};

namespace detail {

using enum ControlKind;
using enum FontKey;
using enum Align;

// clang-format off
inline constexpr std::array kFixedControls = std::to_array<Control>({
    {"Label1", {}, label, {120, 240, 1455, 255}, "Select Vexlet:", F1, 1, {},
     {.labels = Field::vexlist}},
    {"vexlist", Field::vexlist, comboBox, {1680, 240, 2295, 315}, kPlaceholderLabel, D, 0, {},
     {.name = "Select Vexlet"}},
    {"Label2", {}, label, {4080, 240, 615, 255}, "@ Level", F1, 3, {}, {.labels = Field::level}},
    {"level", Field::level, textBox, {4800, 240, 375, 285}, "70", D, 2,
     {.align = right, .maxLength = 3}, {.name = "Level"}},
    {"calculate", {}, button, {5280, 240, 1575, 255}, "Calculate", D, 40},
    {"Label15", {}, label, {1560, 720, 1095, 255}, "Base Stats", F1, 47, {.align = center}},
    {"Label9", {}, label, {2880, 720, 1695, 255}, "Wild Vexlet", F1, 10, {.align = center}},
    {"Label10", {}, label, {5040, 720, 1695, 255}, "Trained Vexlet", F1, 11, {.align = center}},
    {"growth", Field::growth, label, {480, 960, 255, 255}, "0", D, 72,
     {.align = center, .hidden = true}, {.name = "Experience total"}},
    {"up", Field::up, label, {480, 1320, 255, 255}, "0", D, 73,
     {.align = center, .hidden = true}, {.name = "Points needed for the next level"}},
    {"Label11", {}, label, {2880, 1320, 735, 495}, "Minimum Stats.", F2, 12, {.wraps = true}},
    {"Label12", {}, label, {3840, 1320, 735, 495}, "Maximum Stats.", F2, 13, {.wraps = true}},
    {"Label13", {}, label, {5040, 1320, 735, 495}, "Minimum Stats.", F2, 14, {.wraps = true}},
    {"Label14", {}, label, {6000, 1320, 735, 495}, "Maximum Stats.", F2, 15, {.wraps = true}},
    {"Label17", {}, label, {120, 4920, 1215, 255}, "Base Average:", F1, 56},
    {"avg", Field::avg, textBox, {1680, 4920, 855, 375}, "0", F3, 57,
     {.colour = kCyan, .align = right, .readOnly = true, .maxLength = 4}, {.name = "Base average"}},
    {"arrow", {}, label, {2760, 4920, 1935, 255}, "--------------->", F5, 58, {.align = center},
     {.name = "gives"}},
    {"Label16", {}, label, {4800, 4920, 975, 255}, "Total Base:", F1, 49},
    {"total", Field::total, label, {6000, 4920, 855, 375}, "0", F4, 48,
     {.colour = kWhite, .align = right, .border = true}, {.name = "Total base"}},
    {"Label18", {}, label, {120, 5520, 1575, 255}, "Experience Points:", F1, 60},
    {"exp", Field::exp, label, {1680, 5520, 855, 375}, "0", F3, 59,
     {.colour = kCyan, .align = right, .border = true}, {.name = "Experience points"}},
    {"Label24", {}, label, {2760, 5520, 1935, 255}, "--------------->", F5, 70, {.align = center},
     {.name = "gives"}},
    {"Label25", {}, label, {4800, 5520, 975, 255}, "Given:", F1, 71},
    {"pts", Field::pts, textBox, {6000, 5520, 855, 375}, "0", F4, 69,
     {.colour = kMagenta, .align = right, .readOnly = true, .maxLength = 4},
     {.name = "Experience given"}},
    {"Label22", {}, label, {120, 6000, 615, 255}, "Battle:", F1, 67},
    {"wild", Field::wild, optionButton, {840, 6000, 255, 255}, "Option1", D, 61,
     {.selected = true}},
    {"Label19", {}, label, {1200, 6000, 1815, 255}, "vs. Wild Vexlet", F2, 64, {},
     {.labels = Field::wild}},
    {"Label23", {}, label, {3480, 6000, 1335, 255}, "Active Vexlet:", F1, 68},
    {"traded", Field::traded, checkBox, {5040, 6000, 255, 255}, "Check1", D, 63},
    {"Label21", {}, label, {5400, 6000, 1335, 255}, "Traded Vexlet", F2, 66, {},
     {.labels = Field::traded}},
    {"trainer", Field::trainer, optionButton, {840, 6360, 255, 255}, "Option2", D, 62},
    {"Label20", {}, label, {1200, 6360, 1815, 255}, "vs. Trainer's Vexlet", F2, 65, {},
     {.labels = Field::trainer}},
});
// clang-format on

} // namespace detail

// One stat row: its name label, below-average flag, base value and four grid boxes. Row r holds
// the fields HP + r (base value), a + r (flag) and Text(4r + 1) to Text(4r + 4).
struct StatRow
{
    std::string_view spokenName;
    std::string_view nameLabel;
    std::string_view caption;
    std::string_view flag;
    std::string_view flagCaption;
    std::string_view baseValue;
};

// clang-format off
inline constexpr std::array<StatRow, 6> kStatRows = {{
    {"HP", "Label3", "HP:", "a", "Check1", "HP"},
    {"Attack", "Label4", "Attack:", "b", "Check2", "attack"},
    {"Defense", "Label5", "Defense:", "c", "Check3", "defense"},
    {"Speed", "Label6", "Speed:", "d", "Check4", "speed"},
    {"Special attack", "Label7", "Spc.Atk:", "e", "Check5", "special1"},
    {"Special defense", "Label8", "Spc.Def:", "f", "Check6", "special2"},
}};

inline constexpr std::array<std::string_view, 24> kGridNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23", "Text24",
};
// clang-format on

namespace detail {

inline constexpr int kStatRowTop = 1920;
inline constexpr int kStatRowPitch = 480;
inline constexpr int kStatRowHeight = 375;
inline constexpr std::array<int, 4> kGridLefts = {2880, 3960, 5040, 6120};
inline constexpr std::array<Rgb, 4> kGridColours = {kGreen, kYellow, kOrange, kRed};
inline constexpr std::array<std::string_view, 4> kGridSpokenColumns
    = {", wild minimum", ", wild maximum", ", trained minimum", ", trained maximum"};
inline constexpr std::size_t kControlsPerStatRow = 7;

constexpr std::array<Control, kStatRows.size() * kControlsPerStatRow> statRowControls()
{
    std::array<Control, kStatRows.size() * kControlsPerStatRow> controls {};
    std::size_t next = 0;
    for (std::size_t r = 0; r < kStatRows.size(); ++r) {
        const StatRow &row = kStatRows[r];
        const int index = static_cast<int>(r);
        const int top = kStatRowTop + kStatRowPitch * index;
        controls[next++] = {row.nameLabel, {}, label,    {120, top, 855, kStatRowHeight},
                            row.caption,   F1, 4 + index};
        controls[next++] = {row.flag,
                            fieldAfter(Field::a, index),
                            checkBox,
                            {1320, top, 255, kStatRowHeight},
                            row.flagCaption,
                            D,
                            50 + index,
                            {.disabled = true},
                            {.name = row.spokenName, .detail = " below average"}};
        controls[next++] = {row.baseValue,
                            fieldAfter(Field::HP, index),
                            label,
                            {1800, top, 615, kStatRowHeight},
                            "0",
                            F3,
                            41 + index,
                            {.colour = kCyan, .align = right, .border = true},
                            {.name = row.spokenName, .detail = " base value"}};
        for (std::size_t band = 0; band < kGridLefts.size(); ++band) {
            const int number = 4 * index + static_cast<int>(band) + 1;
            controls[next++]
                = {kGridNames[static_cast<std::size_t>(number - 1)],
                   gridField(number),
                   textBox,
                   {kGridLefts[band], top, 615, kStatRowHeight},
                   "0",
                   F3,
                   15 + number,
                   {.colour = kGridColours[band], .align = right, .readOnly = true, .maxLength = 3},
                   {.name = row.spokenName, .detail = kGridSpokenColumns[band]}};
        }
    }
    return controls;
}

constexpr auto allControls()
{
    constexpr auto rows = statRowControls();
    std::array<Control, kFixedControls.size() + rows.size()> controls {};
    std::size_t next = 0;
    for (const Control &control : kFixedControls)
        controls[next++] = control;
    for (const Control &control : rows)
        controls[next++] = control;
    return controls;
}

} // namespace detail

// All 74 controls that have a place in the keyboard order.
inline constexpr auto kControls = detail::allControls();

// The position in kControls of the control named `name`; a name that is not there does not
// compile.
consteval std::size_t controlIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].name == name)
            return i;
    }
    throw "no control of that name";
}

// A straight horizontal separator in the window-text colour, one pixel thick.
struct Line
{
    std::string_view name;
    int x1;
    int y;
    int x2;
};

inline constexpr std::array<Line, 7> kLines = {{
    {"Line1", 120, 120, 6840},
    {"Line4", 120, 600, 6840},
    {"Line6", 1680, 1200, 2520},
    {"Line2", 2760, 1200, 4680},
    {"Line3", 4920, 1200, 6840},
    {"Line5", 120, 4800, 6840},
    {"Line7", 120, 5400, 6840},
}};

// The menu bar holds File, which holds the Experience submenu (the growth items, from their own
// table in ui/commands.h) and then Exit. '&' marks an access key.
struct MenuEntry
{
    std::string_view name;
    std::string_view caption;
};

inline constexpr MenuEntry kFileMenu {"file", "&File"};
inline constexpr MenuEntry kExperienceMenu {"experience", "&Experience"};
inline constexpr MenuEntry kExitItem {"exit", "E&xit"};

} // namespace vexlet::layout
