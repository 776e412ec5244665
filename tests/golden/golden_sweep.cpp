// golden-sweep: every level text of up to three characters over what a user plausibly types,
// each typed into the plain model and followed by the four growth items and Calculate (growth
// first: Calculate replaces a refused level with 70), with the species and the battle options
// rotating. Prints what the window would show, in chunks by the text's first character, each
// opened by a "chunk NAME" line; tests/golden/check-sweep.py hashes them. Counts go to stderr.

#include "model_session.h"
#include "script.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vexlet::drive;

constexpr std::string_view kTyped = "0123456789.-+eEdD x";

// Every text of one to three characters of kTyped that starts with `first`.
std::vector<std::string> textsStartingWith(char first)
{
    std::vector<std::string> texts {std::string(1, first)};
    for (char second : kTyped) {
        texts.push_back({first, second});
        for (char third : kTyped)
            texts.push_back({first, second, third});
    }
    return texts;
}

struct Sweep
{
    int texts = 0;
    int actions = 0;
    bool traded = false;

    // The actions for one level text, the species and battle options chosen by its number.
    void addText(std::ostream &script, const std::string &text)
    {
        const int number = texts++;
        script << "pick " << number % 151 + 1 << '\n'
               << (number % 2 == 0 ? "wild" : "trainer") << '\n';
        actions += 2;
        if (traded != (number / 2 % 2 == 1)) {
            script << "traded\n";
            traded = !traded;
            ++actions;
        }
        script << "level " << text << '\n';
        for (std::string_view item : {"fast", "medium", "slow", "parabolic"})
            script << "click " << item << "\nshow growth up\n";
        script << "click calculate\nshow all\nshow-list\n";
        actions += 6;
    }

    // Plays one chunk on a program started afresh.
    int playChunk(std::string_view name, const std::vector<std::string> &chunkTexts)
    {
        std::ostringstream script;
        traded = false;
        for (const std::string &text : chunkTexts)
            addText(script, text);
        std::cout << "chunk " << name << '\n';
        std::istringstream in(script.str());
        const auto session = startModelSession([](std::string_view title, std::string_view prompt) {
            printMessage(std::cout, title, prompt);
        });
        return playScript(in, std::cout, std::cerr, *session);
    }
};

} // namespace

int main()
{
    Sweep sweep;
    int status = sweep.playChunk("empty", {""});
    for (char first : kTyped) {
        const std::string name = first == ' ' ? "blank" : std::string(1, first);
        status = status != 0 ? status : sweep.playChunk(name, textsStartingWith(first));
    }
    std::cerr << sweep.texts << " level texts, " << sweep.actions << " actions\n";
    return status;
}
