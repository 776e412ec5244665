#pragma once

#include <QObject>

namespace vexlet {

// Watches the menu bar and its menus so that their access letters work under any keyboard
// layout. A key that types an ASCII character keeps it, so a layout's own Latin letters count
// (AZERTY's A is the key at US Q). A key that types anything else (a Cyrillic or Greek letter,
// or nothing, as a dead key) stands for the Latin letter of its position on the keyboard, as the
// page reads event.code: under a Russian layout the key that types "у" chooses "&Experience".
class MenuLetterKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vexlet
