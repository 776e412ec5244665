#pragma once

// One running program, driven the way a user drives it. The driver plays scripts and the
// behaviour tests run against sessions; each backend (the plain model, the real window) makes
// the same actions happen.

#include "core/growth_curves.h"
#include "form/form_state.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vexlet::drive {

// What a click starts: Calculate, the growth item of one curve, or Exit.
struct Command
{
    enum class Kind { calculate, growth, exit };
    Kind kind = Kind::calculate;
    GrowthCurve curve = GrowthCurve::fast; // for a growth item

    [[nodiscard]] static constexpr Command growth(GrowthCurve curve) noexcept
    {
        return {Kind::growth, curve};
    }
    static const Command calculate;
    static const Command exit;
};
inline constexpr Command Command::calculate {Command::Kind::calculate};
inline constexpr Command Command::exit {Command::Kind::exit};

// Receives each message the program shows; the session answers it with OK afterwards.
using MessageObserver = std::function<void(std::string_view title, std::string_view prompt)>;

// What of `text` (UTF-8) a keyboard can put into a text box: control characters (tabs, line
// breaks, DEL) are left out, and a byte that starts no valid character becomes U+FFFD, as the
// window's text conversion would make it.
[[nodiscard]] std::string typeableText(std::string_view text);

class Session
{
public:
    virtual ~Session() = default;

    // Picks list item `position` (0 to 151) from the drop-down.
    virtual void pick(int position) = 0;
    // Replaces the list's edit text with `text`, typed.
    virtual void typeListText(std::string_view text) = 0;
    // Clears the level box and types `text`; the box keeps what fits.
    virtual void typeLevel(std::string_view text) = 0;
    // Clicks `wild` or `trainer`.
    virtual void clickOption(Field option) = 0;
    // Clicks a check box: `traded`, or one of the disabled flags, which ignore it.
    virtual void clickCheck(Field check) = 0;
    virtual void click(Command command) = 0;

    [[nodiscard]] virtual FormState &form() = 0;
    // What the species list holds and shows, beyond the selected position.
    [[nodiscard]] virtual int listItemCount() = 0;
    [[nodiscard]] virtual std::string listEditText() = 0;
    [[nodiscard]] virtual bool hasEnded() const = 0;
    // Prints one line per control, line and menu item; false where there is no window.
    virtual bool describeLayout(std::ostream &out) = 0;

protected:
    Session() = default;
    Session(const Session &) = default;
    Session &operator=(const Session &) = default;
};

} // namespace vexlet::drive
