// What a screen reader finds in the window: a spoken name for every control, message boxes
// that speak their prompt, and every function within reach of the keyboard alone.

#include "shown_window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace vexlet {
namespace {

// Every interface in the window's accessibility tree, by the object name of its widget.
void collectNames(QAccessibleInterface *node, std::map<std::string, std::string> &names)
{
    if (node == nullptr)
        return;
    if (QObject *object = node->object(); object != nullptr && !object->objectName().isEmpty())
        names[object->objectName().toStdString()] = node->text(QAccessible::Name).toStdString();
    for (int i = 0; i < node->childCount(); ++i)
        collectNames(node->child(i), names);
}

class AccessibilityTest : public test::ShownWindowTest
{
protected:
    std::vector<std::pair<int, QString>> m_spoken; // role and value of each message box
};

TEST_F(AccessibilityTest, EveryControlHasASpokenName)
{
    std::map<std::string, std::string> names;
    collectNames(QAccessible::queryAccessibleInterface(&m_window), names);

    const std::vector<std::string> statistics
        = {"HP", "Attack", "Defense", "Speed", "Special attack", "Special defense"};
    const std::vector<std::string> fields
        = {"HP", "attack", "defense", "speed", "special1", "special2"};
    const std::vector<std::string> columns
        = {"wild minimum", "wild maximum", "trained minimum", "trained maximum"};
    std::map<std::string, std::string> expected = {
        {"level", "Level"},           {"calculate", "Calculate"},
        {"avg", "Base average"},      {"total", "Total base"},
        {"exp", "Experience points"}, {"pts", "Experience given"},
        {"wild", "vs. Wild Vexlet"},  {"trainer", "vs. Trainer's Vexlet"},
        {"traded", "Traded Vexlet"},  {"Label1", "Select Vexlet:"},
        {"Label17", "Base Average:"}, {"Label25", "Given:"},
    };
    for (std::size_t row = 0; row < statistics.size(); ++row) {
        expected[fields[row]] = statistics[row] + " base value";
        expected[std::string(1, static_cast<char>('a' + row))] = statistics[row] + " below average";
        for (std::size_t column = 0; column < columns.size(); ++column)
            expected["Text" + std::to_string(4 * row + column + 1)]
                = statistics[row] + ", " + columns[column];
    }
    for (const auto &[control, name] : expected) {
        SCOPED_TRACE(control);
        ASSERT_TRUE(names.contains(control));
        EXPECT_EQ(names[control], name);
    }
    for (const layout::Control &control : layout::kControls) {
        SCOPED_TRACE(control.name);
        EXPECT_FALSE(names[std::string(control.name)].empty());
    }
    // On Linux a combo box speaks the text it shows; its label and edit field name it.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(child("vexlist"));
    ASSERT_NE(list, nullptr);
    bool labelled = false;
    for (const auto &[label, relation] : list->relations(QAccessible::Label))
        labelled = labelled || label->text(QAccessible::Name) == "Select Vexlet:";
    EXPECT_TRUE(labelled);
    EXPECT_EQ(child("vexlist")->accessibleName(), "Select Vexlet");
    EXPECT_EQ(names["HP"], "HP base value");
    EXPECT_EQ(names["Text4"], "HP, trained maximum");
    EXPECT_EQ(names["a"], "HP below average");
}

TEST_F(AccessibilityTest, MessageBoxesSpeakTheirPrompt)
{
    m_answerer.setInspector([this](const QMessageBox &box) {
        QAccessibleInterface *alert
            = QAccessible::queryAccessibleInterface(const_cast<QMessageBox *>(&box));
        ASSERT_NE(alert, nullptr);
        m_spoken.emplace_back(alert->role(), alert->text(QAccessible::Value));
        EXPECT_EQ(alert->text(QAccessible::Name), box.windowTitle());
    });
    QTest::mouseClick(child("calculate"), Qt::LeftButton);
    ASSERT_EQ(m_spoken.size(), 1u);
    EXPECT_EQ(m_spoken[0].first, QAccessible::AlertMessage);
    EXPECT_EQ(m_spoken[0].second, "Please select a Vexlet from this list.");
}

TEST_F(AccessibilityTest, TheKeyboardReachesEveryFunction)
{
    // Calculate: Tab from the list to the button, then Space.
    QWidget *calculate = child("calculate");
    for (int presses = 0; QApplication::focusWidget() != calculate && presses < 40; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), calculate);
    QTest::keyClick(calculate, Qt::Key_Space);
    EXPECT_EQ(m_messages,
              std::vector<std::string> {"Vexlet Statistics Finder | Please select a "
                                        "Vexlet from this list."});

    // The growth items by their access keys: Alt+F, E, then the item's letter.
    const std::pair<Qt::Key, std::string> items[] = {
        {Qt::Key_A, "Vexlet Statistics - Fast Growth"},
        {Qt::Key_M, "Vexlet Statistics - Medium Growth"},
        {Qt::Key_S, "Vexlet Statistics - Slow Growth"},
        {Qt::Key_P, "Vexlet Statistics - Parabolic Growth"},
    };
    for (const auto &[key, title] : items) {
        m_messages.clear();
        QTest::keyClick(&m_window, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(child<QMenu>("file"), Qt::Key_E);
        QTest::keyClick(child<QMenu>("experience"), key);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_TRUE(m_messages[0].starts_with(title + " | A ")) << m_messages[0];
    }

    // Exit: Alt+F, X.
    QTest::keyClick(&m_window, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(child<QMenu>("file"), Qt::Key_X);
    EXPECT_FALSE(m_window.isVisible());
}

} // namespace
} // namespace vexlet
