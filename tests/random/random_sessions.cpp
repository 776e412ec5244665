// random-sessions: plays random user sessions through vexlet-drive on the real window and on the
// plain model, and requires the same output after every action, plus invariants that hold
// whatever the user does: grid boxes keep at most 3 characters and avg and pts at most 4, the
// level after Calculate is a number above 0 and at most 100, the list keeps its 152 items, and
// the only messages are the program's own.
//
// usage: random-sessions DRIVER [--seeds A,B,...] [--actions N] [--against COMMAND]
// A failure names the seed and action; `random-sessions DRIVER --seeds SEED --actions N`
// replays it. --against plays the sessions with COMMAND (the page's driver) instead of the
// window.

#include "core/number_text.h"
#include "core/species_catalogue.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Random = std::mt19937_64;

int uniform(Random &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

template <typename T, std::size_t N> const T &oneOf(Random &random, const std::array<T, N> &items)
{
    return items[static_cast<std::size_t>(uniform(random, 0, static_cast<int>(N) - 1))];
}

// Texts a user could type or paste into the level box.
std::string levelText(Random &random)
{
    static constexpr std::array<std::string_view, 32> kinds = {"",
                                                               "   ",
                                                               " 5",
                                                               "5 ",
                                                               "abc",
                                                               "x",
                                                               "1e2",
                                                               ".5",
                                                               "-0",
                                                               "070",
                                                               "9e9",
                                                               "1,5",
                                                               "1e",
                                                               "e5",
                                                               "-",
                                                               ".",
                                                               "0",
                                                               "100",
                                                               "101",
                                                               "-5",
                                                               "0.5",
                                                               "99.9",
                                                               "1e-1",
                                                               "+7",
                                                               "\xef\xbc\x97\xef\xbc\x90",
                                                               "\xc3\xa9t\xc3\xa9",
                                                               "5\xf0\x9f\x98\x80",
                                                               "12345678",
                                                               "7\t0",
                                                               "1\x7f",
                                                               "\xff\xfe",
                                                               "1_0"};
    switch (uniform(random, 0, 3)) {
    case 0:
        return std::to_string(uniform(random, -20, 200));
    case 1: {
        static constexpr std::string_view alphabet = "0123456789.-+eE ,";
        std::string text(static_cast<std::size_t>(uniform(random, 0, 5)), ' ');
        for (char &c : text)
            c = alphabet[static_cast<std::size_t>(uniform(random, 0, alphabet.size() - 1))];
        return text;
    }
    default:
        return std::string(oneOf(random, kinds));
    }
}

// Texts a user could type into the species list's edit field.
std::string listText(Random &random)
{
    static constexpr std::array<std::string_view, 8> kinds = {"",
                                                              "15",
                                                              "Zhim",
                                                              "< select from list >",
                                                              "zzz",
                                                              "\xc3\x9c"
                                                              "ber",
                                                              " ",
                                                              "1,5"};
    if (uniform(random, 0, 2) == 0)
        return std::string(vexlet::listLabels()[static_cast<std::size_t>(uniform(random, 0, 151))]);
    return std::string(oneOf(random, kinds));
}

std::string randomAction(Random &random)
{
    static constexpr std::array<std::string_view, 7> clicks
        = {"click calculate", "click calculate", "click calculate", "click fast",
           "click medium",    "click slow",      "click parabolic"};
    static constexpr std::array<std::string_view, 3> toggles = {"wild", "trainer", "traded"};
    const int kind = uniform(random, 0, 99);
    if (kind < 16)
        return "pick " + std::to_string(uniform(random, 0, 151));
    if (kind < 24)
        return "type-list " + listText(random);
    if (kind < 46)
        return "level " + levelText(random);
    if (kind < 58)
        return std::string(oneOf(random, toggles));
    return std::string(oneOf(random, clicks));
}

struct Session
{
    std::vector<std::string> actions;
    std::string script;
};

// Each action is followed by `show all` and `show-list`, whose output closes with "edit=".
Session randomSession(std::uint64_t seed, int actions)
{
    Random random(seed);
    Session session;
    for (int i = 0; i < actions; ++i) {
        session.actions.push_back(randomAction(random));
        session.script += session.actions.back() + "\nshow all\nshow-list\n";
    }
    session.actions.emplace_back("click exit");
    session.script += "click exit\n";
    return session;
}

std::optional<std::string> run(const std::string &command)
{
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string output;
    std::array<char, 65536> buffer {};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), read);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return output;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Characters, not bytes: the boxes count what the user sees.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

bool isOwnMessage(std::string_view line)
{
    static constexpr std::array<std::string_view, 4> growthTitles
        = {"Vexlet Statistics - Fast Growth", "Vexlet Statistics - Medium Growth",
           "Vexlet Statistics - Slow Growth", "Vexlet Statistics - Parabolic Growth"};
    if (line == "message \"Vexlet Statistics Finder\" \"Please select a Vexlet from this list.\"")
        return true;
    for (std::string_view title : growthTitles) {
        const std::string prefix = "message \"" + std::string(title) + "\" \"";
        if (!line.starts_with(prefix))
            continue;
        const std::string_view prompt = line.substr(prefix.size());
        return prompt == "The level must be a number.\"" || prompt.starts_with("A ");
    }
    return false;
}

// Checks the invariants on one backend's output; the problem found, if any.
std::optional<std::string> invariantBroken(const std::vector<std::string> &lines,
                                           const std::vector<std::string> &actions)
{
    std::size_t action = 0;
    for (const std::string &line : lines) {
        const std::size_t equals = line.find('=');
        const std::string name = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (line.starts_with("message ")) {
            if (!isOwnMessage(line))
                return "a message that is not the program's own: " + line;
        } else if (name.starts_with("Text") && characterCount(value) > 3) {
            return name + " holds more than 3 characters: " + value;
        } else if ((name == "avg" || name == "pts") && characterCount(value) > 4) {
            return name + " holds more than 4 characters: " + value;
        } else if (name == "level" && action < actions.size()
                   && actions[action] == "click calculate") {
            const std::optional<double> level = vexlet::parseStrict(value);
            if (!level || *level <= 0 || *level > 100)
                return "level after Calculate is not in 0 < level <= 100: " + value;
        } else if (name == "items" && value != "152") {
            return "the list holds " + value + " items";
        } else if (name == "edit") {
            ++action;
        }
    }
    return std::nullopt;
}

// `against` plays the window's side: the driver on the window, or another front-end's driver.
bool playSeed(const std::string &driver, const std::string &against, std::uint64_t seed,
              int actions)
{
    const Session session = randomSession(seed, actions);
    const std::string scriptPath = "random-session-" + std::to_string(seed) + ".script";
    std::ofstream(scriptPath) << session.script;
    const auto window = run(against + " < '" + scriptPath + "'");
    const auto model = run("'" + driver + "' --model < '" + scriptPath + "'");
    const auto fail = [&](const std::string &why) {
        std::cout << "FAIL seed " << seed << ": " << why << "\n  script kept in " << scriptPath
                  << "\n  replay: random-sessions '" << driver << "' --seeds " << seed
                  << " --actions " << actions << '\n';
        return false;
    };
    if (!window || !model)
        return fail("the driver failed");

    const std::vector<std::string> windowLines = linesOf(*window);
    const std::vector<std::string> modelLines = linesOf(*model);
    std::size_t action = 0;
    for (std::size_t i = 0; i < std::max(windowLines.size(), modelLines.size()); ++i) {
        const std::string left = i < windowLines.size() ? windowLines[i] : "(nothing)";
        const std::string right = i < modelLines.size() ? modelLines[i] : "(nothing)";
        if (left != right) {
            return fail("window and model differ after action " + std::to_string(action + 1) + " '"
                        + session.actions[std::min(action, session.actions.size() - 1)]
                        + "':\n  window: " + left + "\n  model:  " + right);
        }
        if (left.starts_with("edit="))
            ++action;
    }
    if (const auto broken = invariantBroken(modelLines, session.actions))
        return fail(*broken);
    std::remove(scriptPath.c_str());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "usage: random-sessions DRIVER [--seeds A,B,...] [--actions N] "
                     "[--against COMMAND]\n";
        return 2;
    }
    const std::string driver = argv[1];
    std::vector<std::uint64_t> seeds = {1, 2, 3, 4, 5};
    int actions = 1000;
    std::string against = "'" + driver + "'";
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--actions") {
            actions = std::atoi(value.c_str());
        } else if (option == "--seeds") {
            seeds.clear();
            std::istringstream list(value);
            for (std::string seed; std::getline(list, seed, ',');)
                seeds.push_back(std::stoull(seed));
        } else if (option == "--against") {
            against = value;
        }
    }
    bool passed = true;
    for (std::uint64_t seed : seeds)
        passed = playSeed(driver, against, seed, actions) && passed;
    std::cout << (passed ? "passed: " : "failed: ") << seeds.size() << " sessions of " << actions
              << " actions each, window against model\n";
    return passed ? 0 : 1;
}
