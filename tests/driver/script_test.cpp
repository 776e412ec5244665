#include "model_session.h"
#include "script.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vexlet::drive {
namespace {

struct Played
{
    int status;
    std::string out;
    std::string err;
};

Played play(const std::string &script)
{
    std::ostringstream out;
    std::ostringstream err;
    const auto session = startModelSession(
        [&](std::string_view title, std::string_view prompt) { printMessage(out, title, prompt); });
    std::istringstream in(script);
    const int status = playScript(in, out, err, *session);
    return {status, out.str(), err.str()};
}

TEST(DriverScript, RefusesBadLinesByNumber)
{
    const std::pair<std::string_view, std::string_view> bad[] = {
        {"jump", "error: line 1: unknown action 'jump'\n"},
        {"Pick 1", "error: line 1: unknown action 'Pick'\n"},
        {"pick", "error: line 1: pick takes one list position from 0 to 151\n"},
        {"pick 152", "error: line 1: pick takes one list position from 0 to 151\n"},
        {"pick -1", "error: line 1: pick takes one list position from 0 to 151\n"},
        {"pick 1x", "error: line 1: pick takes one list position from 0 to 151\n"},
        {"pick 1 2", "error: line 1: pick takes one list position from 0 to 151\n"},
        {"wild now", "error: line 1: wild takes no argument\n"},
        {"traded 1", "error: line 1: traded takes no argument\n"},
        {"click",
         "error: line 1: click takes one of calculate, fast, medium, slow, parabolic, "
         "exit\n"},
        {"click help",
         "error: line 1: click takes one of calculate, fast, medium, slow, "
         "parabolic, exit\n"},
        {"show", "error: line 1: show takes field names or 'all'\n"},
        {"show level Level", "error: line 1: show takes field names or 'all'\n"},
        {"# comment\n\nshow level\n  \nlevel 5\nnope", "error: line 6: unknown action 'nope'\n"},
    };
    for (const auto &[script, error] : bad) {
        SCOPED_TRACE(script);
        const Played played = play(std::string(script));
        EXPECT_EQ(played.status, 2);
        EXPECT_EQ(played.err, error);
    }
}

TEST(DriverScript, TypesEverythingAfterTheFirstBlank)
{
    EXPECT_EQ(play("level  5\nshow level\n").out, "level= 5\n");
    EXPECT_EQ(play("level\nshow level\n").out, "level=\n");
    EXPECT_EQ(play("level 12345\nshow level\n").out, "level=123\n");
    EXPECT_EQ(play("level 8\r\nshow level\r\n").out, "level=8\n");
}

TEST(DriverScript, StopsReadingAfterExit)
{
    const Played played = play("click exit\nshow level\njump\n");
    EXPECT_EQ(played.status, 0);
    EXPECT_EQ(played.out, "ended\n");
    EXPECT_EQ(played.err, "");
}

} // namespace
} // namespace vexlet::drive
