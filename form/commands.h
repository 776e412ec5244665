#pragma once

// The handlers bound to the window's load event, its Calculate button and its menu items. Each
// reads fields, calls the core and writes fields, step by step; none keeps a value of its own.

#include "core/growth_curves.h"
#include "form/form_state.h"

#include <string_view>

namespace vexlet {

// What the commands need of their surroundings besides the fields.
class Platform
{
public:
    virtual ~Platform() = default;
    // A modal information message (icon and one OK button) for the user to close. What the
    // command writes after it reaches the user only once it is closed: the desktop window
    // returns from here then; the page, which cannot wait, returns at once and holds those
    // writes back until then; the plain model, with no user, returns at once.
    virtual void showInformation(std::string_view title, std::string_view prompt) = 0;
    // Ends the program at once: no question, nothing saved.
    virtual void endProgram() = 0;

protected:
    Platform() = default;
    Platform(const Platform &) = default;
    Platform &operator=(const Platform &) = default;
};

// Set in CMakeLists.txt, which names the desktop entry, the package and the page by it too.
inline constexpr std::string_view kProgramTitle = VEXLET_NAME;
inline constexpr std::string_view kSelectPrompt = "Please select a Vexlet from this list.";
inline constexpr std::string_view kLevelNotNumberPrompt = "The level must be a number.";

// Appends the 152 species list labels, placeholder first, and touches nothing else.
void Form_Load(FormState &form);

// Checks the level (anything but a number in 0 < level <= 100 becomes "70", silently), shows the
// selected species' base values or asks for a selection, then fills the stat grid, the total,
// the average, the below-average flags and the battle experience, in that order, every time.
void calculate_Click(FormState &form, Platform &platform);

// The growth curve at the typed level: total and gap to the next level, kept in the hidden
// `growth` and `up` captions and stated in a sentence. A level text that is not wholly a number
// gets the message "The level must be a number." after `growth` is written, and `up` keeps its
// caption. The menu runs the command of its item's curve; the four named commands are the same
// for one curve each.
void runGrowthCommand(GrowthCurve curve, FormState &form, Platform &platform);
void fast_Click(FormState &form, Platform &platform);
void medium_Click(FormState &form, Platform &platform);
void slow_Click(FormState &form, Platform &platform);
void parabolic_Click(FormState &form, Platform &platform);

void exit_Click(Platform &platform);

} // namespace vexlet
