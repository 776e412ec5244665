#pragma once

// The window's look as data: every control with its place, size, caption, font and colours, the
// separator lines and the menu tree. Lengths are twips (1/1440 inch) from the top-left corner
// of the client area below the menu bar; the window maps 15 twips to one pixel (96 DPI).

#include <array>
#include <cstdint>
#include <span>
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

struct Control
{
    std::string_view name;
    ControlKind kind = ControlKind::label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption; // caption or initial text
    FontKey font = FontKey::D;
    int tab = 0; // position in the keyboard order
    bool valueDisplay = false; // coloured text on black
    Rgb textColour {};
    Align align = Align::left;
    bool border = false; // labels: a single-line frame
    bool wraps = false; // labels: the caption breaks onto a second line
    bool hidden = false; // never shown
    bool disabled = false; // greyed, ignores the user
    bool readOnly = false; // text boxes: select and copy only
    int maxLength = 0; // text boxes: the most characters kept
    // What a screen reader calls the control where its caption says too little; empty keeps
    // the caption (labels, the button). Stat-row controls are named from their row and column.
    std::string_view spokenName {};
};

namespace detail {

// clang-format off
inline constexpr std::array kFixedControls = {
    Control{.name = "Label1", .left = 120, .top = 240, .width = 1455, .height = 255, .caption = "Select Vexlet:", .font = FontKey::F1, .tab = 1},
    Control{.name = "vexlist", .kind = ControlKind::comboBox, .left = 1680, .top = 240, .width = 2295, .height = 315, .caption = "< select from list >", .tab = 0, .spokenName = "Select Vexlet"},
    Control{.name = "Label2", .left = 4080, .top = 240, .width = 615, .height = 255, .caption = "@ Level", .font = FontKey::F1, .tab = 3},
    Control{.name = "level", .kind = ControlKind::textBox, .left = 4800, .top = 240, .width = 375, .height = 285, .caption = "70", .tab = 2, .align = Align::right, .maxLength = 3, .spokenName = "Level"},
    Control{.name = "calculate", .kind = ControlKind::button, .left = 5280, .top = 240, .width = 1575, .height = 255, .caption = "Calculate", .tab = 40},
    Control{.name = "Label15", .left = 1560, .top = 720, .width = 1095, .height = 255, .caption = "Base Stats", .font = FontKey::F1, .tab = 47, .align = Align::center},
    Control{.name = "Label9", .left = 2880, .top = 720, .width = 1695, .height = 255, .caption = "Wild Vexlet", .font = FontKey::F1, .tab = 10, .align = Align::center},
    Control{.name = "Label10", .left = 5040, .top = 720, .width = 1695, .height = 255, .caption = "Trained Vexlet", .font = FontKey::F1, .tab = 11, .align = Align::center},
    Control{.name = "growth", .left = 480, .top = 960, .width = 255, .height = 255, .caption = "0", .tab = 72, .align = Align::center, .hidden = true, .spokenName = "Experience total"},
    Control{.name = "up", .left = 480, .top = 1320, .width = 255, .height = 255, .caption = "0", .tab = 73, .align = Align::center, .hidden = true, .spokenName = "Points needed for the next level"},
    Control{.name = "Label11", .left = 2880, .top = 1320, .width = 735, .height = 495, .caption = "Minimum Stats.", .font = FontKey::F2, .tab = 12, .wraps = true},
    Control{.name = "Label12", .left = 3840, .top = 1320, .width = 735, .height = 495, .caption = "Maximum Stats.", .font = FontKey::F2, .tab = 13, .wraps = true},
    Control{.name = "Label13", .left = 5040, .top = 1320, .width = 735, .height = 495, .caption = "Minimum Stats.", .font = FontKey::F2, .tab = 14, .wraps = true},
    Control{.name = "Label14", .left = 6000, .top = 1320, .width = 735, .height = 495, .caption = "Maximum Stats.", .font = FontKey::F2, .tab = 15, .wraps = true},
    Control{.name = "Label17", .left = 120, .top = 4920, .width = 1215, .height = 255, .caption = "Base Average:", .font = FontKey::F1, .tab = 56},
    Control{.name = "avg", .kind = ControlKind::textBox, .left = 1680, .top = 4920, .width = 855, .height = 375, .caption = "0", .font = FontKey::F3, .tab = 57, .valueDisplay = true, .textColour = kCyan, .align = Align::right, .readOnly = true, .maxLength = 4, .spokenName = "Base average"},
    Control{.name = "arrow", .left = 2760, .top = 4920, .width = 1935, .height = 255, .caption = "--------------->", .font = FontKey::F5, .tab = 58, .align = Align::center, .spokenName = "gives"},
    Control{.name = "Label16", .left = 4800, .top = 4920, .width = 975, .height = 255, .caption = "Total Base:", .font = FontKey::F1, .tab = 49},
    Control{.name = "total", .left = 6000, .top = 4920, .width = 855, .height = 375, .caption = "0", .font = FontKey::F4, .tab = 48, .valueDisplay = true, .textColour = kWhite, .align = Align::right, .border = true, .spokenName = "Total base"},
    Control{.name = "Label18", .left = 120, .top = 5520, .width = 1575, .height = 255, .caption = "Experience Points:", .font = FontKey::F1, .tab = 60},
    Control{.name = "exp", .left = 1680, .top = 5520, .width = 855, .height = 375, .caption = "0", .font = FontKey::F3, .tab = 59, .valueDisplay = true, .textColour = kCyan, .align = Align::right, .border = true, .spokenName = "Experience points"},
    Control{.name = "Label24", .left = 2760, .top = 5520, .width = 1935, .height = 255, .caption = "--------------->", .font = FontKey::F5, .tab = 70, .align = Align::center, .spokenName = "gives"},
    Control{.name = "Label25", .left = 4800, .top = 5520, .width = 975, .height = 255, .caption = "Given:", .font = FontKey::F1, .tab = 71},
    Control{.name = "pts", .kind = ControlKind::textBox, .left = 6000, .top = 5520, .width = 855, .height = 375, .caption = "0", .font = FontKey::F4, .tab = 69, .valueDisplay = true, .textColour = kMagenta, .align = Align::right, .readOnly = true, .maxLength = 4, .spokenName = "Experience given"},
    Control{.name = "Label22", .left = 120, .top = 6000, .width = 615, .height = 255, .caption = "Battle:", .font = FontKey::F1, .tab = 67},
    Control{.name = "wild", .kind = ControlKind::optionButton, .left = 840, .top = 6000, .width = 255, .height = 255, .caption = "Option1", .tab = 61, .spokenName = "vs. Wild Vexlet"},
    Control{.name = "Label19", .left = 1200, .top = 6000, .width = 1815, .height = 255, .caption = "vs. Wild Vexlet", .font = FontKey::F2, .tab = 64},
    Control{.name = "Label23", .left = 3480, .top = 6000, .width = 1335, .height = 255, .caption = "Active Vexlet:", .font = FontKey::F1, .tab = 68},
    Control{.name = "traded", .kind = ControlKind::checkBox, .left = 5040, .top = 6000, .width = 255, .height = 255, .caption = "Check1", .tab = 63, .spokenName = "Traded Vexlet"},
    Control{.name = "Label21", .left = 5400, .top = 6000, .width = 1335, .height = 255, .caption = "Traded Vexlet", .font = FontKey::F2, .tab = 66},
    Control{.name = "trainer", .kind = ControlKind::optionButton, .left = 840, .top = 6360, .width = 255, .height = 255, .caption = "Option2", .tab = 62, .spokenName = "vs. Trainer's Vexlet"},
    Control{.name = "Label20", .left = 1200, .top = 6360, .width = 1815, .height = 255, .caption = "vs. Trainer's Vexlet", .font = FontKey::F2, .tab = 65},
};
// clang-format on

} // namespace detail

// One stat row: its name label, flag, base value and four grid boxes.
struct StatRow
{
    std::string_view spokenName {};
    std::string_view nameLabel;
    std::string_view caption;
    std::string_view flag;
    std::string_view flagCaption;
    std::string_view baseValue;
    std::array<std::string_view, 4> grid;
};

inline constexpr std::array<StatRow, 6> kStatRows = {{
    {"HP", "Label3", "HP:", "a", "Check1", "HP", {"Text1", "Text2", "Text3", "Text4"}},
    {"Attack", "Label4", "Attack:", "b", "Check2", "attack", {"Text5", "Text6", "Text7", "Text8"}},
    {"Defense",
     "Label5",
     "Defense:",
     "c",
     "Check3",
     "defense",
     {"Text9", "Text10", "Text11", "Text12"}},
    {"Speed", "Label6", "Speed:", "d", "Check4", "speed", {"Text13", "Text14", "Text15", "Text16"}},
    {"Special attack",
     "Label7",
     "Spc.Atk:",
     "e",
     "Check5",
     "special1",
     {"Text17", "Text18", "Text19", "Text20"}},
    {"Special defense",
     "Label8",
     "Spc.Def:",
     "f",
     "Check6",
     "special2",
     {"Text21", "Text22", "Text23", "Text24"}},
}};

inline constexpr std::array<std::string_view, 4> kGridSpokenColumns
    = {"wild minimum", "wild maximum", "trained minimum", "trained maximum"};

namespace detail {

inline constexpr int kStatRowTop = 1920;
inline constexpr int kStatRowPitch = 480;
inline constexpr int kStatRowHeight = 375;
inline constexpr std::array<int, 4> kGridLefts = {2880, 3960, 5040, 6120};
inline constexpr std::array<Rgb, 4> kGridColours = {kGreen, kYellow, kOrange, kRed};
inline constexpr std::array<std::string_view, 4> kGridSpokenColumns
    = {"wild minimum", "wild maximum", "trained minimum", "trained maximum"};
inline constexpr int kControlsPerStatRow = 7;

constexpr std::array<Control, kStatRows.size() * kControlsPerStatRow> statRowControls()
{
    std::array<Control, kStatRows.size() * kControlsPerStatRow> controls {};
    std::size_t next = 0;
    for (std::size_t r = 0; r < kStatRows.size(); ++r) {
        const StatRow &row = kStatRows[r];
        const int top = kStatRowTop + kStatRowPitch * static_cast<int>(r);
        const int index = static_cast<int>(r);
        controls[next++] = {.name = row.nameLabel,
                            .left = 120,
                            .top = top,
                            .width = 855,
                            .height = kStatRowHeight,
                            .caption = row.caption,
                            .font = FontKey::F1,
                            .tab = 4 + index};
        controls[next++] = {.name = row.flag,
                            .kind = ControlKind::checkBox,
                            .left = 1320,
                            .top = top,
                            .width = 255,
                            .height = kStatRowHeight,
                            .caption = row.flagCaption,
                            .tab = 50 + index,
                            .disabled = true};
        controls[next++] = {.name = row.baseValue,
                            .left = 1800,
                            .top = top,
                            .width = 615,
                            .height = kStatRowHeight,
                            .caption = "0",
                            .font = FontKey::F3,
                            .tab = 41 + index,
                            .valueDisplay = true,
                            .textColour = kCyan,
                            .align = Align::right,
                            .border = true};
        for (std::size_t band = 0; band < row.grid.size(); ++band) {
            controls[next++] = {.name = row.grid[band],
                                .kind = ControlKind::textBox,
                                .left = kGridLefts[band],
                                .top = top,
                                .width = 615,
                                .height = kStatRowHeight,
                                .caption = "0",
                                .font = FontKey::F3,
                                .tab = 16 + 4 * index + static_cast<int>(band),
                                .valueDisplay = true,
                                .textColour = kGridColours[band],
                                .align = Align::right,
                                .readOnly = true,
                                .maxLength = 3};
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

// A straight horizontal separator in the window-text colour, one pixel thick.
struct Line
{
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr std::array<Line, 7> kLines = {{
    {"Line1", 120, 120, 6840, 120},
    {"Line4", 120, 600, 6840, 600},
    {"Line6", 1680, 1200, 2520, 1200},
    {"Line2", 2760, 1200, 4680, 1200},
    {"Line3", 4920, 1200, 6840, 1200},
    {"Line5", 120, 4800, 6840, 4800},
    {"Line7", 120, 5400, 6840, 5400},
}};

// The menu tree, depth first: File > Experience > the four growth items, then File > Exit.
struct MenuEntry
{
    std::string_view name;
    std::string_view caption; // '&' marks the access key
    int depth; // 0 on the menu bar
    bool isSubmenu;
};

inline constexpr std::array<MenuEntry, 7> kMenu = {{
    {"file", "&File", 0, true},
    {"experience", "&Experience", 1, true},
    {"fast", "F&ast Growth", 2, false},
    {"medium", "&Medium Growth", 2, false},
    {"slow", "&Slow Growth", 2, false},
    {"parabolic", "&Parabolic Growth", 2, false},
    {"exit", "E&xit", 1, false},
}};

// The stat row whose flag, base value or grid box is named `name`, with the grid column (0 to
// 3, or -1 for the flag and base value).
struct StatRowPlace
{
    const StatRow *row = nullptr;
    int column = -1;
};

[[nodiscard]] constexpr StatRowPlace statRowPlaceOf(std::string_view name) noexcept
{
    for (const StatRow &row : kStatRows) {
        if (row.flag == name || row.baseValue == name)
            return {&row, -1};
        for (std::size_t column = 0; column < row.grid.size(); ++column) {
            if (row.grid[column] == name)
                return {&row, static_cast<int>(column)};
        }
    }
    return {};
}

[[nodiscard]] constexpr const Control *controlNamed(std::string_view name) noexcept
{
    for (const Control &control : kControls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

} // namespace vexlet::layout
