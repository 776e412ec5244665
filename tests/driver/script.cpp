#include "script.h"

#include "core/species_catalogue.h"
#include "form/commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vexlet::drive {

namespace {

// Why a script line cannot be played; nothing when it was.
using LineError = std::optional<std::string>;

// The words `click` takes: the button, then the menu items in menu order.
constexpr auto kCommandNames = [] {
    constexpr auto isItem = [](const layout::MenuEntry &entry) {
        return entry.action != layout::MenuAction::submenu;
    };
    std::array<std::pair<std::string_view, Command>,
               1 + std::count_if(layout::kMenu.begin(), layout::kMenu.end(), isItem)>
        names {};
    std::size_t next = 0;
    names[next++] = {"calculate", Command::calculate};
    for (const layout::MenuEntry &entry : layout::kMenu) {
        if (entry.action == layout::MenuAction::growth)
            names[next++] = {entry.name, Command::growth(entry.curve)};
        else if (entry.action == layout::MenuAction::exit)
            names[next++] = {entry.name, Command::exit};
    }
    return names;
}();

std::string commandChoices()
{
    std::string choices;
    for (const auto &[name, command] : kCommandNames)
        choices += (choices.empty() ? "" : ", ") + std::string(name);
    return choices;
}

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

std::string shownValue(const FormState &form, Field field)
{
    switch (fieldInfo(field).kind) {
    case layout::ControlKind::label:
    case layout::ControlKind::textBox:
        return form.text(field);
    case layout::ControlKind::comboBox:
        return std::to_string(form.selectedPosition());
    case layout::ControlKind::checkBox:
        return std::to_string(form.value(field));
    case layout::ControlKind::optionButton:
        return form.isSelected(field) ? "1" : "0";
    case layout::ControlKind::button:
        break;
    }
    return {};
}

std::optional<int> listPosition(const std::vector<std::string_view> &words)
{
    if (words.size() != 1)
        return std::nullopt;
    const std::string_view word = words.front();
    int position = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), position);
    if (error != std::errc {} || end != word.data() + word.size() || position < 0
        || position >= kListLabelCount)
        return std::nullopt;
    return position;
}

std::optional<Command> commandNamed(const std::vector<std::string_view> &words)
{
    if (words.size() != 1)
        return std::nullopt;
    for (const auto &[name, command] : kCommandNames) {
        if (name == words.front())
            return command;
    }
    return std::nullopt;
}

std::optional<Field> fieldNamed(std::string_view name)
{
    for (const FieldInfo &info : kFieldTable) {
        if (info.name == name)
            return info.field;
    }
    return std::nullopt;
}

// The fields `show` names, in order; nothing when a name is unknown.
std::optional<std::vector<Field>> fieldsNamed(const std::vector<std::string_view> &words)
{
    std::vector<Field> fields;
    for (std::string_view word : words) {
        if (word == "all") {
            for (const FieldInfo &info : kFieldTable)
                fields.push_back(info.field);
        } else if (const std::optional<Field> field = fieldNamed(word)) {
            fields.push_back(*field);
        } else {
            return std::nullopt;
        }
    }
    return fields;
}

class Player
{
public:
    Player(Session &session, std::ostream &out)
        : m_session(session)
        , m_out(out)
    {
    }

    // Runs one action, or tells why the line is bad before anything happens.
    LineError play(std::string_view action, std::string_view rest)
    {
        const std::vector<std::string_view> words = wordsOf(rest);
        if (action == "pick") {
            const std::optional<int> position = listPosition(words);
            if (!position)
                return "pick takes one list position from 0 to 151";
            m_session.pick(*position);
        } else if (action == "type-list") {
            m_session.typeListText(rest);
        } else if (action == "level") {
            m_session.typeLevel(rest);
        } else if (action == "wild" || action == "trainer" || action == "traded") {
            if (!words.empty())
                return std::string(action) + " takes no argument";
            if (action == "traded")
                m_session.clickCheck(Field::traded);
            else
                m_session.clickOption(action == "wild" ? Field::wild : Field::trainer);
        } else if (action == "click") {
            const std::optional<Command> command = commandNamed(words);
            if (!command)
                return "click takes one of " + commandChoices();
            m_session.click(*command);
            if (m_session.hasEnded())
                m_out << "ended\n";
        } else if (action == "show") {
            const auto fields = fieldsNamed(words);
            if (!fields || fields->empty())
                return "show takes field names or 'all'";
            for (Field field : *fields)
                m_out << fieldInfo(field).name << '=' << shownValue(m_session.form(), field)
                      << '\n';
        } else if (action == "show-list") {
            if (!words.empty())
                return "show-list takes no argument";
            m_out << "items=" << m_session.listItemCount() << "\nedit=" << m_session.listEditText()
                  << '\n';
        } else if (action == "show-layout") {
            if (!words.empty())
                return "show-layout takes no argument";
            if (!m_session.describeLayout(m_out))
                return "show-layout needs the window, not the plain model";
        } else {
            return "unknown action '" + std::string(action) + "'";
        }
        return std::nullopt;
    }

private:
    Session &m_session;
    std::ostream &m_out;
};

} // namespace

void printMessage(std::ostream &out, std::string_view title, std::string_view prompt)
{
    out << "message \"" << title << "\" \"" << prompt << "\"\n";
}

int playScript(std::istream &in, std::ostream &out, std::ostream &err, Session &session)
{
    Player player(session, out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos || line.front() == '#')
            continue;
        const std::string_view text(line);
        const std::size_t blank = std::min(text.find(' '), text.size());
        const std::string_view rest = blank < text.size() ? text.substr(blank + 1) : "";
        if (const LineError error = player.play(text.substr(0, blank), rest)) {
            out.flush();
            err << "error: line " << number << ": " << *error << '\n';
            return 2;
        }
        out.flush();
        if (session.hasEnded())
            break;
    }
    return 0;
}

} // namespace vexlet::drive
