#include "core/species_catalogue.h"
#include "session_test.h"

namespace vexlet::test {
namespace {

class FormStateTest : public SessionTest
{
};

TEST_P(FormStateTest, StartsWithTheInitialValuesAndTheFullList)
{
    for (const FieldInfo &info : kFieldTable) {
        SCOPED_TRACE(info.name);
        switch (info.kind) {
        case layout::ControlKind::label:
        case layout::ControlKind::textBox:
            EXPECT_EQ(text(info.field), info.initial);
            break;
        case layout::ControlKind::comboBox:
            EXPECT_EQ(form().selectedPosition(), -1);
            break;
        case layout::ControlKind::checkBox:
            EXPECT_EQ(form().value(info.field), 0);
            break;
        case layout::ControlKind::optionButton:
            EXPECT_EQ(form().isSelected(info.field), info.field == Field::wild);
            break;
        case layout::ControlKind::button:
            break;
        }
    }
    EXPECT_EQ(text(Field::level), "70");
}

TEST_P(FormStateTest, TextFieldsKeepTheirFirstCharacters)
{
    struct Case
    {
        Field field;
        std::string_view written;
        std::string_view kept;
    };
    const Case cases[] = {
        {Field::avg, "44.1666666666667", "44.1"},
        {Field::avg, "113.333333333333", "113."},
        {Field::Text1, "35.4", "35."},
        {Field::Text24, "187.8", "187"},
        {Field::Text12, "7", "7"},
        {Field::pts, "457.142857142857", "457."},
        {Field::pts, "", ""},
        {Field::level, "70", "70"},
        {Field::level, "1234", "123"},
        {Field::total, "1234567", "1234567"}, // captions keep any length
        {Field::growth, "797602399.2", "797602399.2"},
        {Field::up, "2397600.79999995", "2397600.79999995"},
    };
    for (const auto &[field, written, kept] : cases) {
        SCOPED_TRACE(testing::Message() << fieldInfo(field).name << " <- " << written);
        form().setText(field, written);
        EXPECT_EQ(text(field), kept);
    }
}

TEST_P(FormStateTest, TheLevelBoxTakesAtMostThreeTypedCharacters)
{
    const std::pair<std::string_view, std::string_view> typed[] = {
        {"5", "5"},
        {"100", "100"},
        {"1000", "100"},
        {"", ""},
        {"0.5", "0.5"},
        {"abcdef", "abc"},
        {"\xc3\xa9t\xc3\xa9s", "\xc3\xa9t\xc3\xa9"}, // é counts as one character
    };
    for (const auto &[text, kept] : typed) {
        SCOPED_TRACE(text);
        session().typeLevel(text);
        EXPECT_EQ(this->text(Field::level), kept);
    }
}

TEST_P(FormStateTest, TheListReportsAPickedPositionAndMinusOneAfterTyping)
{
    session().pick(1);
    EXPECT_EQ(form().selectedPosition(), 1);
    session().typeListText(listLabels()[1]); // even the very text of an item
    EXPECT_EQ(form().selectedPosition(), -1);
    session().pick(0);
    EXPECT_EQ(form().selectedPosition(), 0);
    session().pick(151);
    EXPECT_EQ(form().selectedPosition(), 151);
    session().typeListText("");
    EXPECT_EQ(form().selectedPosition(), -1);
}

TEST_P(FormStateTest, OptionButtonsFormOneGroup)
{
    session().clickOption(Field::trainer);
    EXPECT_FALSE(form().isSelected(Field::wild));
    EXPECT_TRUE(form().isSelected(Field::trainer));
    session().clickOption(Field::trainer);
    EXPECT_TRUE(form().isSelected(Field::trainer));
    session().clickOption(Field::wild);
    EXPECT_TRUE(form().isSelected(Field::wild));
    EXPECT_FALSE(form().isSelected(Field::trainer));
}

TEST_P(FormStateTest, TradedTogglesAndTheFlagsIgnoreClicks)
{
    session().clickCheck(Field::traded);
    EXPECT_EQ(form().value(Field::traded), 1);
    session().clickCheck(Field::traded);
    EXPECT_EQ(form().value(Field::traded), 0);

    form().setValue(Field::c, 1);
    for (Field flag : {Field::a, Field::b, Field::c, Field::d, Field::e, Field::f})
        session().clickCheck(flag);
    EXPECT_EQ(flags(), (std::vector<CheckValue> {0, 0, 1, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Backends, FormStateTest, testing::ValuesIn(allBackends()), backendName);

TEST(KeepCharacters, CountsAsTheWindowDoes)
{
    struct Case
    {
        std::string_view text;
        int limit;
        std::string_view kept;
    };
    const Case cases[] = {
        {"abcd", 3, "abc"},
        {"ab", 3, "ab"},
        {"", 3, ""},
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", 3, "\xc3\xa9\xc3\xa9\xc3\xa9"},
        {"\xe2\x82\xac"
         "12",
         3,
         "\xe2\x82\xac"
         "12"},
        // Beyond the basic plane a character takes two units and is never split.
        {"1\xf0\x9f\x98\x80"
         "2",
         3, "1\xf0\x9f\x98\x80"},
        {"12\xf0\x9f\x98\x80", 3, "12"},
        // A stray byte counts as one character.
        {"\xff\xfe"
         "12",
         3,
         "\xff\xfe"
         "1"},
        {"\xe2\x82"
         "1",
         3,
         "\xe2\x82"
         "1"},
    };
    for (const auto &[text, limit, kept] : cases)
        EXPECT_EQ(keepCharacters(text, limit), kept);
}

} // namespace
} // namespace vexlet::test
