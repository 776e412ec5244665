#include "desktop/accessibility.h"

#include "desktop/separator_line.h"

#include <QAccessibleWidget>

namespace vexlet {

namespace {

// A value label as static text with a text interface: read-only, no caret, no selection.
class ValueLabelInterface final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ValueLabelInterface(ValueLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text; // the name; the overload below is the shown number

    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<const QLabel *>(widget())->text(); }
};

QAccessibleInterface *windowInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()))
        return new ValueLabelInterface(static_cast<ValueLabel *>(object));
    if (className == QLatin1String(SeparatorLine::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<SeparatorLine *>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&windowInterfaces);
}

void announceTextChange(QLabel *label, const QString &old, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(label, 0, old, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace vexlet
