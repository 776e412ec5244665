#include "core/species_catalogue.h"
#include "form/commands.h"
#include "form/form_model.h"
#include "session_test.h"

namespace vexlet::test {
namespace {

using drive::Command;

const std::vector<std::string> kGridAt70WithoutSpecies
    = {"80", "101", "124", "145", "75", "96", "119", "140", "75", "96", "119", "140",
       "75", "96",  "119", "140", "75", "96", "119", "140", "75", "96", "119", "140"};

class CommandsTest : public SessionTest
{
};

// A level text that is no number is refused like a level out of range: "70" takes its place
// and everything is computed for 70, rather than the program stopping.
TEST_P(CommandsTest, CalculateReplacesAnyRefusedLevelWith70)
{
    const std::string_view refused[]
        = {"0", "-5", "101", "", "   ", "abc", "1,5", "7a", "-", ".", "1e", "e5", "-0", "999"};
    for (std::string_view level : refused) {
        SCOPED_TRACE(testing::Message() << '"' << level << '"');
        session().typeLevel(level);
        session().click(Command::calculate);
        EXPECT_EQ(text(Field::level), "70");
        EXPECT_EQ(texts(Field::Text1, Field::Text24), kGridAt70WithoutSpecies);
        EXPECT_EQ(text(Field::pts), "0");
        EXPECT_EQ(takeMessages(),
                  (std::vector<Message> {
                      {"Vexlet Statistics Finder", "Please select a Vexlet from this list."}}));
    }
}

TEST_P(CommandsTest, CalculateKeepsEveryLevelAbove0UpTo100)
{
    const std::pair<std::string_view, std::string_view> accepted[]
        = {{"100", "200"}, {"0.5", "10."}, {"1e2", "200"},
           {".5", "10."},  {"070", "143"}, {" 9", "27."}};
    session().pick(1);
    for (const auto &[level, wildMinOfHP] : accepted) {
        SCOPED_TRACE(level);
        session().typeLevel(level);
        session().click(Command::calculate);
        EXPECT_EQ(text(Field::level), level);
        EXPECT_EQ(text(Field::Text1), wildMinOfHP);
    }
    EXPECT_TRUE(takeMessages().empty());
}

TEST_P(CommandsTest, CalculateShowsTheRecordOfEveryPosition)
{
    for (int position = 1; position <= kSpeciesCount; ++position) {
        SCOPED_TRACE(position);
        session().pick(position);
        session().click(Command::calculate);
        const auto record = std::get<Found>(lookup(static_cast<std::int16_t>(position))).record;
        std::vector<std::string> expected;
        for (std::int16_t value : valuesOf(record))
            expected.push_back(std::to_string(value));
        EXPECT_EQ(texts(Field::exp, Field::special2), expected);
    }
    EXPECT_TRUE(takeMessages().empty());
}

// The total is still written from the lenient reading; the strict reading for the gap fails,
// so a message takes the sentence's place and `up` keeps its caption.
TEST_P(CommandsTest, GrowthCommandsRefuseALevelThatIsNoNumber)
{
    const std::pair<Command, std::string_view> items[] = {
        {Command::growth(GrowthCurve::fast), "Vexlet Statistics - Fast Growth"},
        {Command::growth(GrowthCurve::medium), "Vexlet Statistics - Medium Growth"},
        {Command::growth(GrowthCurve::slow), "Vexlet Statistics - Slow Growth"},
        {Command::growth(GrowthCurve::parabolic), "Vexlet Statistics - Parabolic Growth"},
    };
    struct Case
    {
        std::string_view level;
        std::array<std::string_view, 4> totals; // fast, medium, slow, parabolic
    };
    const Case cases[] = {
        {"", {"0", "0", "0", "-140"}},
        {" ", {"0", "0", "0", "-140"}},
        {"abc", {"0", "0", "0", "-140"}},
        {"1,5", {"0.8", "1", "1.25", "-53.8"}},
        {"7a", {"274.4", "343", "428.75", "236.6"}},
        {"1e", {"0.8", "1", "1.25", "-53.8"}},
    };
    for (const auto &[level, totals] : cases) {
        for (std::size_t i = 0; i < std::size(items); ++i) {
            const auto &[command, title] = items[i];
            SCOPED_TRACE(testing::Message() << title << " at \"" << level << '"');
            form().setText(Field::up, "12.5");
            session().typeLevel(level);
            session().click(command);
            EXPECT_EQ(text(Field::growth), totals[i]);
            EXPECT_EQ(text(Field::up), "12.5");
            EXPECT_EQ(takeMessages(),
                      (std::vector<Message> {{std::string(title), "The level must be a number."}}));
        }
    }
}

TEST_P(CommandsTest, ExitEndsTheProgram)
{
    EXPECT_FALSE(session().hasEnded());
    session().click(Command::exit);
    EXPECT_TRUE(session().hasEnded());
    EXPECT_TRUE(takeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Backends, CommandsTest, testing::ValuesIn(allBackends()), backendName);

// Records every field access and message in order, over the plain model.
class RecordingForm final : public FormState, public Platform
{
public:
    mutable std::vector<std::string> log;
    FormModel model;

    std::string text(Field field) const override
    {
        log.push_back("read " + std::string(fieldInfo(field).name));
        return model.text(field);
    }
    void setText(Field field, std::string_view text) override
    {
        log.push_back("write " + std::string(fieldInfo(field).name));
        model.setText(field, text);
    }
    void appendItems(std::span<const std::string_view> items) override
    {
        log.insert(log.end(), items.size(), "append");
        model.appendItems(items);
    }
    std::int16_t selectedPosition() const override
    {
        log.push_back("read vexlist");
        return model.selectedPosition();
    }
    CheckValue value(Field field) const override
    {
        log.push_back("read " + std::string(fieldInfo(field).name));
        return model.value(field);
    }
    void setValue(Field field, CheckValue value) override
    {
        log.push_back("write " + std::string(fieldInfo(field).name));
        model.setValue(field, value);
    }
    bool isSelected(Field field) const override
    {
        log.push_back("read " + std::string(fieldInfo(field).name));
        return model.isSelected(field);
    }
    void showInformation(std::string_view, std::string_view) override { log.push_back("message"); }
    void endProgram() override { log.push_back("end"); }

    std::vector<std::string> entries(std::string_view prefix) const
    {
        std::vector<std::string> result;
        for (const std::string &entry : log) {
            if (entry.starts_with(prefix))
                result.push_back(entry.substr(prefix.size()));
        }
        return result;
    }
};

std::vector<std::string> names(std::initializer_list<std::string_view> list)
{
    return {list.begin(), list.end()};
}

std::vector<std::string> gridNames()
{
    std::vector<std::string> result;
    for (int i = 1; i <= 24; ++i)
        result.push_back("Text" + std::to_string(i));
    return result;
}

TEST(CalculateOrder, WritesInItsFixedOrder)
{
    RecordingForm form;
    Form_Load(form.model);
    form.model.pickItem(1);
    form.model.setText(Field::level, "0");
    calculate_Click(form, form);

    std::vector<std::string> expected
        = names({"level", "exp", "HP", "attack", "defense", "speed", "special1", "special2"});
    for (const std::string &box : gridNames())
        expected.push_back(box);
    for (std::string_view rest : {"total", "avg", "a", "b", "c", "d", "e", "f", "pts"})
        expected.emplace_back(rest);
    EXPECT_EQ(form.entries("write "), expected);
}

TEST(CalculateOrder, ReadsEveryInputAfreshForEachStep)
{
    RecordingForm form;
    Form_Load(form.model);
    calculate_Click(form, form);

    const std::vector<std::string> &log = form.log;
    // The level check reads twice, then the selection is read and refused.
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
              names({"read level", "read level", "read vexlist", "message"}));
    // Each grid box reads its statistic and the level again.
    EXPECT_EQ(std::vector<std::string>(log.begin() + 4, log.begin() + 7),
              names({"read HP", "read level", "write Text1"}));
    // Each flag reads its statistic and the average box again; the yield reads last.
    const auto countOf
        = [&](std::string_view entry) { return std::count(log.begin(), log.end(), entry); };
    EXPECT_EQ(countOf("read avg"), 6);
    EXPECT_EQ(countOf("read HP"), 6);
    EXPECT_EQ(countOf("read total"), 1);
    EXPECT_EQ(countOf("read level"), 2 + 24 + 1);
    EXPECT_EQ(std::vector<std::string>(log.end() - 5, log.end()),
              names({"read wild", "read traded", "read level", "read exp", "write pts"}));
}

TEST(GrowthOrder, WritesTheTotalBeforeTheStrictReading)
{
    RecordingForm form;
    form.model.setText(Field::level, "70");
    fast_Click(form, form);
    EXPECT_EQ(form.log,
              names({"read level", "write growth", "read level", "write up", "read level",
                     "read growth", "read up", "read level", "message"}));
}

TEST(FormLoad, AppendsThe152LabelsAndNothingElse)
{
    RecordingForm form;
    Form_Load(form);
    EXPECT_EQ(form.log, std::vector<std::string>(152, "append"));
    ASSERT_EQ(form.model.items().size(), 152u);
    EXPECT_EQ(form.model.items().front(), "< select from list >");
    EXPECT_EQ(form.model.items()[151], listLabels()[151]);
    EXPECT_EQ(form.model.selectedPosition(), -1);
}

} // namespace
} // namespace vexlet::test
