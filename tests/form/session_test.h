#pragma once

// Behaviour tests that run against every backend: the same user actions and commands on the
// plain field model and on the real window must give the same fields and messages.

#include "session.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vexlet::test {

// The names of the backends this build has ("Model", "Window").
std::vector<std::string> allBackends();

// The program started on the backend of that name.
std::unique_ptr<drive::Session> startSession(const std::string &backend,
                                             drive::MessageObserver observer);

struct Message
{
    std::string title;
    std::string prompt;
    friend bool operator==(const Message &, const Message &) = default;
};

class SessionTest : public testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        m_session
            = startSession(GetParam(), [this](std::string_view title, std::string_view prompt) {
                  m_messages.push_back({std::string(title), std::string(prompt)});
              });
    }

    drive::Session &session() { return *m_session; }
    FormState &form() { return m_session->form(); }
    std::string text(Field field) { return form().text(field); }

    // The texts of the fields `first` to `last`, in field order.
    std::vector<std::string> texts(Field first, Field last)
    {
        std::vector<std::string> result;
        for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i)
            result.push_back(text(static_cast<Field>(i)));
        return result;
    }

    std::vector<CheckValue> flags()
    {
        std::vector<CheckValue> result;
        for (Field flag : {Field::a, Field::b, Field::c, Field::d, Field::e, Field::f})
            result.push_back(form().value(flag));
        return result;
    }

    std::vector<Message> takeMessages() { return std::exchange(m_messages, {}); }

private:
    std::unique_ptr<drive::Session> m_session;
    std::vector<Message> m_messages;
};

inline std::string backendName(const testing::TestParamInfo<std::string> &info)
{
    return info.param;
}

} // namespace vexlet::test
