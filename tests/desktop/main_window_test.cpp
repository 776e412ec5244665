// The window itself: what a user sees and can do with keyboard and mouse.

#include "core/species_catalogue.h"
#include "desktop/window_fonts.h"
#include "shown_window_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace vexlet {
namespace {

class MainWindowTest : public test::ShownWindowTest
{
protected:
    // The name of the layout control that holds the focus.
    std::string focusedControl()
    {
        for (QWidget *widget = QApplication::focusWidget(); widget != nullptr;
             widget = widget->parentWidget()) {
            const std::string name = widget->objectName().toStdString();
            if (std::ranges::any_of(layout::kControls,
                                    [&](const auto &c) { return c.name == name; }))
                return name;
        }
        return "(none)";
    }

    std::vector<std::string> tabTour(int presses)
    {
        std::vector<std::string> visited {focusedControl()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(focusedControl());
        }
        return visited;
    }
};

std::vector<std::string> expectedTour(std::string_view option)
{
    std::vector<std::string> tour = {"vexlist", "level"};
    for (int i = 1; i <= 24; ++i)
        tour.push_back("Text" + std::to_string(i));
    for (std::string_view rest : {"calculate", "avg"})
        tour.emplace_back(rest);
    tour.emplace_back(option);
    for (std::string_view rest : {"traded", "pts", "vexlist"})
        tour.emplace_back(rest);
    return tour;
}

TEST_F(MainWindowTest, TabVisitsTheKeyboardOrderStartingInTheList)
{
    EXPECT_EQ(tabTour(31), expectedTour("wild"));

    QTest::mouseClick(child("trainer"), Qt::LeftButton, {}, child("trainer")->rect().center());
    child("vexlist")->setFocus();
    EXPECT_EQ(tabTour(31), expectedTour("trainer"));
}

TEST_F(MainWindowTest, IsAFixedWindowOfTheDesignedClientSize)
{
    EXPECT_EQ(m_window.windowTitle(), "Vexlet Statistics Finder by Quendrick");
    EXPECT_EQ(m_window.centralWidget()->size(), QSize(466, 449));
    EXPECT_EQ(m_window.minimumSize(), m_window.maximumSize());
    EXPECT_FALSE(m_window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m_window.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize before = m_window.size();
    m_window.resize(before + QSize(100, 80));
    QApplication::processEvents();
    EXPECT_EQ(m_window.size(), before);
    EXPECT_EQ(m_window.windowIcon().availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(m_window.style()->name().toStdString(), "fusion"); // whatever the desktop's style
}

// Colours as designed: column colours for the grid, cyan for the base values, white total,
// magenta result.
TEST_F(MainWindowTest, ValueDisplaysStartAsARightAlignedZeroInTheirColourOnBlack)
{
    std::vector<std::pair<std::string, QColor>> displays = {
        {"HP", Qt::cyan},       {"attack", Qt::cyan},   {"defense", Qt::cyan}, {"speed", Qt::cyan},
        {"special1", Qt::cyan}, {"special2", Qt::cyan}, {"exp", Qt::cyan},     {"avg", Qt::cyan},
        {"total", Qt::white},   {"pts", Qt::magenta}};
    const QColor columns[]
        = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 128, 0), QColor(255, 0, 0)};
    for (int box = 1; box <= 24; ++box)
        displays.emplace_back("Text" + std::to_string(box), columns[(box - 1) % 4]);

    for (const auto &[name, colour] : displays) {
        SCOPED_TRACE(name);
        QWidget *widget = child(name);
        const QPalette &palette = widget->palette();
        EXPECT_EQ(palette.color(widget->foregroundRole()), colour);
        EXPECT_EQ(palette.color(widget->backgroundRole()), QColor(Qt::black));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            EXPECT_EQ(label->text(), "0");
            EXPECT_TRUE(label->alignment() & Qt::AlignRight);
            EXPECT_TRUE(label->autoFillBackground());
        } else {
            auto *edit = qobject_cast<QLineEdit *>(widget);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text(), "0");
            EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
        }
    }
}

TEST_F(MainWindowTest, HiddenCaptionsNeverShow)
{
    child<QAction>("fast")->trigger();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(child<QLabel>("growth")->text(), "274400");
    for (std::string_view name : {"growth", "up"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(child(name)->isVisible());
    }
}

TEST_F(MainWindowTest, FlagsAreGreyedAndIgnoreClicks)
{
    m_window.form().setValue(Field::b, 1);
    for (std::string_view name : {"a", "b", "c", "d", "e", "f"}) {
        SCOPED_TRACE(name);
        auto *flag = child<QCheckBox>(name);
        EXPECT_FALSE(flag->isEnabled());
        const Qt::CheckState before = flag->checkState();
        QTest::mouseClick(flag, Qt::LeftButton, {}, flag->rect().center());
        QTest::keyClick(flag, Qt::Key_Space);
        EXPECT_EQ(flag->checkState(), before);
    }
}

TEST_F(MainWindowTest, EnterInAFieldDoesNotPressCalculate)
{
    for (std::string_view name : {"level", "Text1", "avg", "pts"}) {
        child(name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    }
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_window.form().text(Field::Text1), "0");
}

// An editable combo box selects its first item when items arrive, completes typed text
// inline, and selects a matching item on Return or focus-out; the species list does none of
// that: it reports -1 after any typing and the picked item after a pick.
TEST_F(MainWindowTest, TheListSelectsOnlyWhatIsPicked)
{
    auto *list = child<QComboBox>("vexlist");
    const FormState &form = m_window.form();
    EXPECT_EQ(list->count(), 152);
    EXPECT_EQ(list->currentText(), "< select from list >");
    EXPECT_EQ(form.selectedPosition(), -1);

    QLineEdit *edit = list->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "Zhim");
    EXPECT_EQ(list->currentText(), "Zhim"); // no inline completion
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form.selectedPosition(), -1);
    EXPECT_EQ(list->count(), 152); // Return adds nothing

    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(form.selectedPosition(), 3);

    // The exact text of an item, then Return and focus-out, still selects nothing.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QString::fromUtf8(listLabels()[5].data()));
    QTest::keyClick(edit, Qt::Key_Return);
    child("level")->setFocus();
    EXPECT_EQ(form.selectedPosition(), -1);
    EXPECT_EQ(list->currentText().toStdString(), listLabels()[5]);

    // The arrow keys pick, as in the drop-down.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form.selectedPosition(), 4);
}

TEST_F(MainWindowTest, MessagesAreModalInformationBoxesWithOneOkButton)
{
    bool inspected = false;
    m_answerer.setInspector([&](const QMessageBox &box) {
        inspected = true;
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(box.parentWidget(), &m_window);
    });
    QTest::mouseClick(child("calculate"), Qt::LeftButton);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(m_messages,
              std::vector<std::string> {"Vexlet Statistics Finder | Please select a "
                                        "Vexlet from this list."});
}

TEST_F(MainWindowTest, SubHeadingsWrapOntoTwoLines)
{
    for (std::string_view name : {"Label11", "Label12", "Label13", "Label14"}) {
        SCOPED_TRACE(name);
        auto *label = child<QLabel>(name);
        EXPECT_TRUE(label->wordWrap());
        const int lineHeight = label->fontMetrics().height();
        EXPECT_GT(label->heightForWidth(label->width()), lineHeight);
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    }
}

// Where the designed families are missing, the look-alikes stand in.
TEST_F(MainWindowTest, DesignedFontsResolveToInstalledLookAlikes)
{
    for (const layout::Control &control : layout::kControls) {
        SCOPED_TRACE(control.name);
        const QFont font = child(control.name)->font();
        EXPECT_TRUE(resolvesAsDesigned(font, layout::fontInfo(control.font)))
            << QFontInfo(font).family().toStdString();
    }
}

TEST_F(MainWindowTest, TheMenuHoldsFileExperienceAndExit)
{
    QMenu *file = child<QMenu>("file");
    ASSERT_NE(file, nullptr);
    QStringList fileItems;
    for (QAction *action : file->actions())
        fileItems << action->text();
    EXPECT_EQ(fileItems, QStringList({"&Experience", "E&xit"}));
    QStringList growthItems;
    for (QAction *action : child<QMenu>("experience")->actions())
        growthItems << action->text();
    EXPECT_EQ(growthItems,
              QStringList({"F&ast Growth", "&Medium Growth", "&Slow Growth", "&Parabolic Growth"}));
}

} // namespace
} // namespace vexlet
