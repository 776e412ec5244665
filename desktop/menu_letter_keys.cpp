#include "desktop/menu_letter_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <array>
#include <optional>
#include <string_view>

namespace vexlet {

namespace {

// The letter keys by position. xkb numbers a key by its Linux input code plus 8, on X11 and on
// Wayland alike, and Qt gives that number as the key event's native scan code; each row of
// letters lies on consecutive numbers.
struct LetterRow
{
    quint32 first;
    std::string_view letters;
};

constexpr std::array<LetterRow, 3> kLetterRows = {{
    {24, "qwertyuiop"},
    {38, "asdfghjkl"},
    {52, "zxcvbnm"},
}};

std::optional<char> letterAt(quint32 scanCode)
{
    for (const LetterRow &row : kLetterRows) {
        if (scanCode >= row.first && scanCode - row.first < row.letters.size())
            return row.letters[scanCode - row.first];
    }
    return std::nullopt;
}

} // namespace

bool MenuLetterKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() == 1 && text.front().unicode() < 0x80)
        return false;
    const std::optional<char> letter = letterAt(key->nativeScanCode());
    if (!letter)
        return false;
    QKeyEvent latin(QEvent::KeyPress, Qt::Key_A + (*letter - 'a'), key->modifiers(),
                    key->nativeScanCode(), key->nativeVirtualKey(), key->nativeModifiers(),
                    QString(QLatin1Char(*letter)), key->isAutoRepeat(),
                    static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(watched, &latin);
    return true;
}

} // namespace vexlet
