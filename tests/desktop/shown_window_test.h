#pragma once

// A test with the main window shown and active on the offscreen platform; every message box is
// answered with OK and recorded as "TITLE | PROMPT".

#include "desktop/main_window.h"
#include "desktop/qt_text.h"
#include "window_session.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vexlet::test {

class ShownWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    // The window's widget or action of that object name.
    template <typename Child = QWidget> Child *child(std::string_view name) const
    {
        return m_window.findChild<Child *>(toQString(name));
    }

    std::vector<std::string> m_messages;
    drive::MessageAnswerer m_answerer {[this](std::string_view title, std::string_view prompt) {
        m_messages.push_back(std::string(title) + " | " + std::string(prompt));
    }};
    MainWindow m_window;
};

} // namespace vexlet::test
