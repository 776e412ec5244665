#include "model_session.h"
#include "session_test.h"
#include "window_session.h"

namespace vexlet::test {

std::vector<std::string> allBackends()
{
    return {"Model", "Window"};
}

std::unique_ptr<drive::Session> startSession(const std::string &backend,
                                             drive::MessageObserver observer)
{
    if (backend == "Window")
        return drive::startWindowSession(std::move(observer));
    return drive::startModelSession(std::move(observer));
}

} // namespace vexlet::test
