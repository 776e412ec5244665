#pragma once

// The window as data: every control with the field it holds, its place, caption, font, look and
// spoken name; the separator lines; the menu. The field model, each front-end's window, its
// accessible names and the layout report read these tables. What they leave to a front-end: how
// a font look-alike stands in for a designed font, and the frame around the client area.
// Lengths are twips (1/1440 inch) from the top-left corner of the client area below the menu
// bar; the window maps 15 twips to one pixel (96 DPI).

#include "core/growth_curves.h"
#include "core/species_catalogue.h"
#include "core/stat_ranges.h"
#include "form/field.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexlet::layout {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 6990;
inline constexpr int kClientHeight = 6735;
// Set in CMakeLists.txt, which also hands it to the tests that find the window by its title.
inline constexpr std::string_view kWindowTitle = VEXLET_WINDOW_TITLE;

enum class ControlKind { label, textBox, comboBox, button, checkBox, optionButton };

// The fonts the design names; D is the window's default dialog font.
enum class FontKey { D, F1, F2, F3, F4, F5 };

// A free font that stands in where a designed family is missing: the desktop registers it as the
// family's substitute, the page embeds it with its licence named, and the Debian package depends
// on its package. The build and tools/install-deps.sh read the packages from the three lines
// below, so each keeps its one-line form.
struct LookAlike
{
    std::string_view family; // as the font names itself
    std::string_view package; // the Debian package that installs it
    std::string_view licence;
};

// clang-format off
inline constexpr LookAlike kComicNeue {"Comic Neue", "fonts-comic-neue", "SIL Open Font License 1.1"};
inline constexpr LookAlike kOcrA {"OCRA", "fonts-ocr-a", "public domain"};
inline constexpr LookAlike kDejaVuSans {"DejaVu Sans", "fonts-dejavu-core", "Bitstream Vera Fonts licence, the DejaVu changes in the public domain"};
// clang-format on

struct FontInfo
{
    std::string_view family; // as designed
    double points;
    int weight; // 400 regular, 700 bold
    LookAlike lookAlike;
};

inline constexpr std::array kFontKeys
    = {FontKey::D, FontKey::F1, FontKey::F2, FontKey::F3, FontKey::F4, FontKey::F5};

[[nodiscard]] constexpr FontInfo fontInfo(FontKey key) noexcept
{
    switch (key) {
    case FontKey::F1:
        return {"Comic Sans MS", 8.25, 700, kComicNeue};
    case FontKey::F2:
        return {"Comic Sans MS", 8.25, 400, kComicNeue};
    case FontKey::F3:
        return {"OCR A Extended", 12, 400, kOcrA};
    case FontKey::F4:
        return {"OCR A Extended", 12, 700, kOcrA};
    case FontKey::F5:
        return {"MS Sans Serif", 12, 700, kDejaVuSans};
    case FontKey::D:
        break;
    }
    return {"MS Sans Serif", 8.25, 400, kDejaVuSans};
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
    bool selected = false; // check boxes and option buttons: set at start
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

    // What a screen reader calls the control ("HP, trained maximum", "HP below average"); empty
    // keeps its caption or its label's.
    [[nodiscard]] std::string spokenName() const { return std::string(name) + std::string(detail); }
};

struct Control
{
    std::string_view name;
    std::optional<Field> field {}; // the field the control holds; none for captions and the button
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
    {.name = "Label1", .kind = label, .place = {120, 240, 1455, 255}, .caption = "Select Vexlet:",
     .font = F1, .tab = 1, .speech = {.labels = Field::vexlist}},
    {.name = "vexlist", .field = Field::vexlist, .kind = comboBox, .place = {1680, 240, 2295, 315},
     .caption = kPlaceholderLabel, .tab = 0, .speech = {.name = "Select Vexlet"}},
    {.name = "Label2", .kind = label, .place = {4080, 240, 615, 255}, .caption = "@ Level",
     .font = F1, .tab = 3, .speech = {.labels = Field::level}},
    {.name = "level", .field = Field::level, .kind = textBox, .place = {4800, 240, 375, 285},
     .caption = "70", .tab = 2, .look = {.align = right, .maxLength = 3},
     .speech = {.name = "Level"}},
    {.name = "calculate", .kind = button, .place = {5280, 240, 1575, 255}, .caption = "Calculate",
     .tab = 40},
    {.name = "Label15", .kind = label, .place = {1560, 720, 1095, 255}, .caption = "Base Stats",
     .font = F1, .tab = 47, .look = {.align = center}},
    {.name = "Label9", .kind = label, .place = {2880, 720, 1695, 255}, .caption = "Wild Vexlet",
     .font = F1, .tab = 10, .look = {.align = center}},
    {.name = "Label10", .kind = label, .place = {5040, 720, 1695, 255}, .caption = "Trained Vexlet",
     .font = F1, .tab = 11, .look = {.align = center}},
    {.name = "growth", .field = Field::growth, .kind = label, .place = {480, 960, 255, 255},
     .caption = "0", .tab = 72, .look = {.align = center, .hidden = true},
     .speech = {.name = "Experience total"}},
    {.name = "up", .field = Field::up, .kind = label, .place = {480, 1320, 255, 255},
     .caption = "0", .tab = 73, .look = {.align = center, .hidden = true},
     .speech = {.name = "Points needed for the next level"}},
    {.name = "Label11", .kind = label, .place = {2880, 1320, 735, 495}, .caption = "Minimum Stats.",
     .font = F2, .tab = 12, .look = {.wraps = true}},
    {.name = "Label12", .kind = label, .place = {3840, 1320, 735, 495}, .caption = "Maximum Stats.",
     .font = F2, .tab = 13, .look = {.wraps = true}},
    {.name = "Label13", .kind = label, .place = {5040, 1320, 735, 495}, .caption = "Minimum Stats.",
     .font = F2, .tab = 14, .look = {.wraps = true}},
    {.name = "Label14", .kind = label, .place = {6000, 1320, 735, 495}, .caption = "Maximum Stats.",
     .font = F2, .tab = 15, .look = {.wraps = true}},
    {.name = "Label17", .kind = label, .place = {120, 4920, 1215, 255}, .caption = "Base Average:",
     .font = F1, .tab = 56},
    {.name = "avg", .field = Field::avg, .kind = textBox, .place = {1680, 4920, 855, 375},
     .caption = "0", .font = F3, .tab = 57,
     .look = {.colour = kCyan, .align = right, .readOnly = true, .maxLength = 4},
     .speech = {.name = "Base average"}},
    {.name = "arrow", .kind = label, .place = {2760, 4920, 1935, 255},
     .caption = "--------------->", .font = F5, .tab = 58, .look = {.align = center},
     .speech = {.name = "gives"}},
    {.name = "Label16", .kind = label, .place = {4800, 4920, 975, 255}, .caption = "Total Base:",
     .font = F1, .tab = 49},
    {.name = "total", .field = Field::total, .kind = label, .place = {6000, 4920, 855, 375},
     .caption = "0", .font = F4, .tab = 48,
     .look = {.colour = kWhite, .align = right, .border = true}, .speech = {.name = "Total base"}},
    {.name = "Label18", .kind = label, .place = {120, 5520, 1575, 255},
     .caption = "Experience Points:", .font = F1, .tab = 60},
    {.name = "exp", .field = Field::exp, .kind = label, .place = {1680, 5520, 855, 375},
     .caption = "0", .font = F3, .tab = 59,
     .look = {.colour = kCyan, .align = right, .border = true},
     .speech = {.name = "Experience points"}},
    {.name = "Label24", .kind = label, .place = {2760, 5520, 1935, 255},
     .caption = "--------------->", .font = F5, .tab = 70, .look = {.align = center},
     .speech = {.name = "gives"}},
    {.name = "Label25", .kind = label, .place = {4800, 5520, 975, 255}, .caption = "Given:",
     .font = F1, .tab = 71},
    {.name = "pts", .field = Field::pts, .kind = textBox, .place = {6000, 5520, 855, 375},
     .caption = "0", .font = F4, .tab = 69,
     .look = {.colour = kMagenta, .align = right, .readOnly = true, .maxLength = 4},
     .speech = {.name = "Experience given"}},
    {.name = "Label22", .kind = label, .place = {120, 6000, 615, 255}, .caption = "Battle:",
     .font = F1, .tab = 67},
    {.name = "wild", .field = Field::wild, .kind = optionButton, .place = {840, 6000, 255, 255},
     .caption = "Option1", .tab = 61, .look = {.selected = true}},
    {.name = "Label19", .kind = label, .place = {1200, 6000, 1815, 255},
     .caption = "vs. Wild Vexlet", .font = F2, .tab = 64, .speech = {.labels = Field::wild}},
    {.name = "Label23", .kind = label, .place = {3480, 6000, 1335, 255},
     .caption = "Active Vexlet:", .font = F1, .tab = 68},
    {.name = "traded", .field = Field::traded, .kind = checkBox, .place = {5040, 6000, 255, 255},
     .caption = "Check1", .tab = 63},
    {.name = "Label21", .kind = label, .place = {5400, 6000, 1335, 255}, .caption = "Traded Vexlet",
     .font = F2, .tab = 66, .speech = {.labels = Field::traded}},
    {.name = "trainer", .field = Field::trainer, .kind = optionButton,
     .place = {840, 6360, 255, 255}, .caption = "Option2", .tab = 62},
    {.name = "Label20", .kind = label, .place = {1200, 6360, 1815, 255},
     .caption = "vs. Trainer's Vexlet", .font = F2, .tab = 65,
     .speech = {.labels = Field::trainer}},
});
// clang-format on

} // namespace detail

namespace detail {

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
            const int number = gridBoxNumber(kStatistics[r], kStatBands[band]);
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

// What choosing a menu entry does: open its submenu, run the growth command of its curve, or
// end the program.
enum class MenuAction { submenu, growth, exit };

// The parent of an entry on the menu bar.
inline constexpr std::size_t kMenuBar = SIZE_MAX;

struct MenuEntry
{
    std::string_view name;
    std::string_view caption; // '&' marks the access key
    std::size_t parent = kMenuBar; // the position in kMenu of the submenu entry that holds it
    MenuAction action = MenuAction::submenu;
    GrowthCurve curve {}; // growth items
};

// The menu bar holds File, which holds the Experience submenu with one item per growth curve,
// then Exit. In menu order, each entry after the menu that holds it.
inline constexpr std::array<MenuEntry, 7> kMenu = {{
    {"file", "&File"},
    {"experience", "&Experience", 0},
    {"fast", "F&ast Growth", 1, MenuAction::growth, GrowthCurve::fast},
    {"medium", "&Medium Growth", 1, MenuAction::growth, GrowthCurve::medium},
    {"slow", "&Slow Growth", 1, MenuAction::growth, GrowthCurve::slow},
    {"parabolic", "&Parabolic Growth", 1, MenuAction::growth, GrowthCurve::parabolic},
    {"exit", "E&xit", 0, MenuAction::exit},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kMenu.size(); ++i) {
            const std::size_t parent = kMenu[i].parent;
            if (parent != kMenuBar && (parent >= i || kMenu[parent].action != MenuAction::submenu))
                return false;
        }
        return true;
    }(),
    "each entry's parent is a submenu entry before it");

// The access key of a caption, the letter after '&', in lower case; none without a '&'.
[[nodiscard]] constexpr char accessLetter(std::string_view caption) noexcept
{
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return '\0';
    const char letter = caption[at + 1];
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// The position in kMenu of the entry named `name`, or kMenu.size() when there is none.
[[nodiscard]] constexpr std::size_t menuIndex(std::string_view name) noexcept
{
    std::size_t i = 0;
    while (i < kMenu.size() && kMenu[i].name != name)
        ++i;
    return i;
}

// The position of `entry` in kMenu.
[[nodiscard]] constexpr std::size_t positionOf(const MenuEntry &entry) noexcept
{
    return static_cast<std::size_t>(&entry - kMenu.data());
}

// The submenu entry whose menu holds `entry`; none for an entry on the bar.
[[nodiscard]] constexpr const MenuEntry *parentOf(const MenuEntry &entry) noexcept
{
    return entry.parent == kMenuBar ? nullptr : &kMenu[entry.parent];
}

// The entry on the bar that `entry` is under, or `entry` itself if it is on the bar.
[[nodiscard]] constexpr const MenuEntry &barEntryOf(const MenuEntry &entry) noexcept
{
    const MenuEntry *parent = parentOf(entry);
    return parent == nullptr ? entry : barEntryOf(*parent);
}

// The first entry of the menu of the entry at position `menu`, or of the bar; or its last.
[[nodiscard]] constexpr const MenuEntry &menuEnd(std::size_t menu, bool last) noexcept
{
    std::size_t at = last ? kMenu.size() - 1 : 0;
    while (kMenu[at].parent != menu)
        at = last ? at - 1 : at + 1;
    return kMenu[at];
}

// The entry after `entry` in its menu, or before it, wrapping round.
[[nodiscard]] constexpr const MenuEntry &nextInMenu(const MenuEntry &entry, bool after) noexcept
{
    std::size_t at = positionOf(entry);
    do
        at = (at + (after ? 1 : kMenu.size() - 1)) % kMenu.size();
    while (kMenu[at].parent != entry.parent);
    return kMenu[at];
}

// The growth item of `curve`.
[[nodiscard]] constexpr const MenuEntry &growthItem(GrowthCurve curve) noexcept
{
    std::size_t i = 0;
    while (kMenu[i].action != MenuAction::growth || kMenu[i].curve != curve)
        ++i;
    return kMenu[i];
}

} // namespace vexlet::layout
