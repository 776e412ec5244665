#include "model_session.h"
#include "session_test.h"

namespace vexlet::test {

std::vector<std::string> allBackends()
{
    return {"Model"};
}

std::unique_ptr<drive::Session> startSession(const std::string &backend,
                                             drive::MessageObserver observer)
{
    (void)backend;
    return drive::startModelSession(std::move(observer));
}

} // namespace vexlet::test
