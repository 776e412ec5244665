#pragma once

#include "session.h"

#include <QObject>
#include <memory>

class QMessageBox;

namespace vexlet::drive {

// Answers every message box of the application as soon as it shows: reports it to the
// observer, then presses OK. An optional inspector sees the box first.
class MessageAnswerer final : public QObject
{
public:
    explicit MessageAnswerer(MessageObserver observer);
    ~MessageAnswerer() override;
    MessageAnswerer(const MessageAnswerer &) = delete;
    MessageAnswerer &operator=(const MessageAnswerer &) = delete;

    void setInspector(std::function<void(const QMessageBox &)> inspector)
    {
        m_inspector = std::move(inspector);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MessageObserver m_observer;
    std::function<void(const QMessageBox &)> m_inspector;
};

// Before the QApplication exists: choose Qt's offscreen platform, and keep only critical
// toolkit messages, since that platform warns about window features it does not have and the
// driver's and tests' standard error must stay clean.
void prepareOffscreenToolkit();

// The program started on its real window, shown on the current Qt platform (a QApplication
// must exist). Actions are keyboard and mouse events on the widgets; messages are real message
// boxes, reported to `observer` and answered with OK.
[[nodiscard]] std::unique_ptr<Session> startWindowSession(MessageObserver observer);

} // namespace vexlet::drive
