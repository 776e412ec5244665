#include "layout_report.h"

#include "core/number_text.h"
#include "desktop/main_window.h"
#include "desktop/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <ostream>

namespace vexlet::drive {

namespace {

using layout::kTwipsPerPixel;

std::string colourText(const QColor &colour)
{
    return std::to_string(colour.red()) + ',' + std::to_string(colour.green()) + ','
        + std::to_string(colour.blue());
}

std::string fontText(const QFont &font)
{
    return font.family().toStdString() + '/' + formatNumber(font.pointSizeF()) + '/'
        + std::to_string(font.weight());
}

std::string_view alignText(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return "center";
    if (alignment & Qt::AlignRight)
        return "right";
    return "left";
}

struct Look
{
    std::string_view kind;
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    bool border = false;
    bool readOnly = false;
    int maxLength = 0;
};

Look lookOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return {"label", label->text(), label->alignment(), label->frameShape() != QFrame::NoFrame};
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return {"textbox",        edit->text(),       edit->alignment(),
                edit->hasFrame(), edit->isReadOnly(), edit->maxLength()};
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return {"combobox", combo->currentText(), Qt::AlignLeft, combo->hasFrame()};
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return {"button", button->text(), Qt::AlignHCenter};
    if (const auto *check = qobject_cast<const QCheckBox *>(widget))
        return {"checkbox", check->text()};
    if (const auto *option = qobject_cast<const QRadioButton *>(widget))
        return {"option", option->text()};
    return {"line", {}};
}

// Whether the Tab key can land on the widget: it takes focus by Tab, is enabled and shown, and
// an option button only when it is the selected one of its group.
bool tabReaches(const QWidget *widget, const QWidget *window)
{
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled()
        || !widget->isVisibleTo(window))
        return false;
    const auto *option = qobject_cast<const QRadioButton *>(widget);
    return option == nullptr || option->isChecked();
}

void printWidget(std::ostream &out, std::string_view name, const QWidget *widget,
                 const QWidget *window, std::string_view tab)
{
    const Look look = lookOf(widget);
    const QRect geometry = widget->geometry();
    const QPalette &palette = widget->palette();
    out << name << '\t' << look.kind << '\t' << geometry.x() * kTwipsPerPixel << '\t'
        << geometry.y() * kTwipsPerPixel << '\t' << geometry.width() * kTwipsPerPixel << '\t'
        << geometry.height() * kTwipsPerPixel << "\ttext=" << look.text.toStdString()
        << "\tfont=" << fontText(widget->font())
        << "\tfg=" << colourText(palette.color(widget->foregroundRole()))
        << "\tbg=" << colourText(palette.color(widget->backgroundRole()))
        << "\talign=" << alignText(look.align) << "\tborder=" << look.border
        << "\tvisible=" << widget->isVisibleTo(window) << "\tenabled=" << widget->isEnabled()
        << "\treadonly=" << look.readOnly << "\tmaxlength=" << look.maxLength << "\ttab=" << tab
        << "\tfocus=" << tabReaches(widget, window) << '\n';
}

void printMenuItem(std::ostream &out, const QAction *action)
{
    out << action->objectName().toStdString() << '\t'
        << (action->menu() != nullptr ? "menu" : "menuitem")
        << "\t-\t-\t-\t-\ttext=" << action->text().toStdString()
        << "\tfont=" << fontText(action->font()) << "\tfg=-\tbg=-\talign=left\tborder=0"
        << "\tvisible=" << action->isVisible() << "\tenabled=" << action->isEnabled()
        << "\treadonly=0\tmaxlength=0\ttab=-\tfocus=0\n";
}

// Each menu item, then what its submenu holds, in menu order.
void printMenu(std::ostream &out, const QList<QAction *> &actions)
{
    for (const QAction *action : actions) {
        printMenuItem(out, action);
        if (const QMenu *menu = action->menu())
            printMenu(out, menu->actions());
    }
}

} // namespace

void printLayout(std::ostream &out, const MainWindow &window)
{
    for (const layout::Control &control : layout::kControls)
        printWidget(out, control.name, window.findChild<QWidget *>(toQString(control.name)),
                    &window, std::to_string(control.tab));
    for (const layout::Line &line : layout::kLines)
        printWidget(out, line.name, window.findChild<QFrame *>(toQString(line.name)), &window, "-");
    printMenu(out, window.menuBar()->actions());
}

} // namespace vexlet::drive
