#include "window_session.h"

#include "desktop/main_window.h"
#include "desktop/qt_text.h"
#include "layout_report.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace vexlet::drive {

namespace {

void keepCriticalMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void prepareOffscreenToolkit()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&keepCriticalMessages);
}

MessageAnswerer::MessageAnswerer(MessageObserver observer)
    : m_observer(std::move(observer))
{
    qApp->installEventFilter(this);
}

MessageAnswerer::~MessageAnswerer()
{
    qApp->removeEventFilter(this);
}

bool MessageAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
        QTimer::singleShot(0, box, [this, box] {
            if (m_inspector)
                m_inspector(*box);
            m_observer(box->windowTitle().toStdString(), box->text().toStdString());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    }
    return false;
}

namespace {

// The key of the letter after '&' in a menu caption.
Qt::Key accessKeyOf(std::string_view caption)
{
    return static_cast<Qt::Key>(QChar(layout::accessLetter(caption)).toUpper().unicode());
}

// Types `text` as a user would: printable ASCII by key presses, other characters through the
// input method, each only while it still fits the box.
void typeInto(QLineEdit *edit, std::string_view text)
{
    const QString typed = QString::fromStdString(typeableText(text));
    for (qsizetype i = 0; i < typed.size();) {
        const qsizetype width = typed.at(i).isHighSurrogate() ? 2 : 1;
        const QString character = typed.mid(i, width);
        i += width;
        if (edit->text().size() + width > edit->maxLength())
            break;
        const char16_t unit = character.at(0).unicode();
        if (width == 1 && unit >= 0x20 && unit < 0x7F) {
            QTest::keyClick(edit, static_cast<char>(unit));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(character);
            QApplication::sendEvent(edit, &commit);
        }
    }
}

// Select all, delete.
void clearLine(QLineEdit *edit)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
}

class WindowSession final : public Session
{
public:
    explicit WindowSession(MessageObserver observer)
        : m_answerer(std::move(observer))
    {
        m_window.show();
        QApplication::processEvents();
    }

    void pick(int position) override
    {
        auto *list = widget<QComboBox>("vexlist");
        list->showPopup();
        QAbstractItemView *view = list->view();
        view->setCurrentIndex(list->model()->index(position, 0));
        QTest::keyClick(view, Qt::Key_Return);
        settle();
    }

    void typeListText(std::string_view text) override
    {
        QLineEdit *edit = widget<QComboBox>("vexlist")->lineEdit();
        clearLine(edit);
        typeInto(edit, text);
        settle();
    }

    void typeLevel(std::string_view text) override
    {
        auto *edit = widget<QLineEdit>("level");
        clearLine(edit);
        typeInto(edit, text);
        settle();
    }

    void clickOption(Field option) override { clickControl(fieldInfo(option).name); }
    void clickCheck(Field check) override { clickControl(fieldInfo(check).name); }

    void click(Command command) override
    {
        switch (command.kind) {
        case Command::Kind::calculate:
            return clickControl("calculate");
        case Command::Kind::growth:
            return chooseMenuEntry(layout::growthItem(command.curve));
        case Command::Kind::exit:
            return chooseMenuEntry(layout::kMenu[layout::menuIndex("exit")]);
        }
    }

    FormState &form() override { return m_window.form(); }
    int listItemCount() override { return widget<QComboBox>("vexlist")->count(); }
    std::string listEditText() override
    {
        return widget<QComboBox>("vexlist")->currentText().toStdString();
    }
    [[nodiscard]] bool hasEnded() const override { return !m_window.isVisible(); }
    bool describeLayout(std::ostream &out) override
    {
        printLayout(out, m_window);
        return true;
    }

private:
    template <typename Widget> Widget *widget(std::string_view name) const
    {
        return m_window.findChild<Widget *>(toQString(name));
    }

    void clickControl(std::string_view name)
    {
        QWidget *control = widget<QWidget>(name);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        settle();
    }

    // Alt and a menu's access key open it from the menu bar; the access keys walk on from there.
    void chooseMenuEntry(const layout::MenuEntry &entry)
    {
        if (const layout::MenuEntry *parent = layout::parentOf(entry)) {
            chooseMenuEntry(*parent);
            QTest::keyClick(widget<QMenu>(parent->name), accessKeyOf(entry.caption));
        } else {
            QTest::keyClick(&m_window, accessKeyOf(entry.caption), Qt::AltModifier);
        }
        settle();
    }

    static void settle() { QApplication::processEvents(); }

    MessageAnswerer m_answerer;
    MainWindow m_window;
};

} // namespace

std::unique_ptr<Session> startWindowSession(MessageObserver observer)
{
    return std::make_unique<WindowSession>(std::move(observer));
}

} // namespace vexlet::drive
