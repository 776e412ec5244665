#include "ui/main_window.h"

#include "ui/app_icon.h"
#include "ui/qt_text.h"
#include "ui/window_fonts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace vexlet {

namespace {

using layout::ControlKind;

constexpr int toPixels(int twips) noexcept
{
    return twips / layout::kTwipsPerPixel;
}

QColor toQColor(layout::Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

Qt::Alignment toQtAlignment(layout::Align align)
{
    switch (align) {
    case layout::Align::center:
        return Qt::AlignHCenter;
    case layout::Align::right:
        return Qt::AlignRight;
    case layout::Align::left:
        break;
    }
    return Qt::AlignLeft;
}

// Labels keep their caption at the top, as the form draws them; text boxes centre vertically.
QLabel *createLabel(const layout::Control &control, QWidget *client)
{
    auto *label = new QLabel(toQString(control.caption), client);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(toQtAlignment(control.align) | Qt::AlignTop);
    label->setWordWrap(control.wraps);
    if (control.border) // the form's single border is drawn sunken, like an edit frame
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (control.valueDisplay) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(control.textColour));
        palette.setColor(QPalette::Window, toQColor(layout::kBlack));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QLineEdit *createTextBox(const layout::Control &control, QWidget *client)
{
    auto *edit = new QLineEdit(toQString(control.caption), client);
    edit->setAlignment(toQtAlignment(control.align) | Qt::AlignVCenter);
    edit->setReadOnly(control.readOnly);
    edit->setMaxLength(control.maxLength);
    if (control.valueDisplay) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, toQColor(control.textColour));
        palette.setColor(QPalette::Base, toQColor(layout::kBlack));
        edit->setPalette(palette);
    }
    return edit;
}

QComboBox *createComboBox(const layout::Control &control, QWidget *client)
{
    auto *combo = new QComboBox(client);
    combo->setEditable(true);
    combo->setEditText(toQString(control.caption));
    return combo;
}

// Enter in a field never presses Calculate: the button is nobody's default.
QPushButton *createButton(const layout::Control &control, QWidget *client)
{
    auto *button = new QPushButton(toQString(control.caption), client);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// What a screen reader calls a control: its designed spoken name, or for the stat rows the row
// and column ("HP, trained maximum", "HP below average"); empty keeps the caption.
QString spokenNameOf(const layout::Control &control)
{
    if (!control.spokenName.empty())
        return toQString(control.spokenName);
    const layout::StatRowPlace place = layout::statRowPlaceOf(control.name);
    if (place.row == nullptr)
        return {};
    const QString statistic = toQString(place.row->spokenName);
    if (place.column >= 0)
        return statistic + QStringLiteral(", ")
            + toQString(layout::kGridSpokenColumns[static_cast<std::size_t>(place.column)]);
    if (control.name == place.row->flag)
        return statistic + QStringLiteral(" below average");
    return statistic + QStringLiteral(" base value");
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setupWindow();
    auto *client = new QWidget(this);
    client->setFixedSize(toPixels(layout::kClientWidth), toPixels(layout::kClientHeight));
    setCentralWidget(client);
    setupControls(client);
    setupLines(client);
    setupMenu();
    setupTabOrder();
    setupAccessibility();
    bindFields();
    connectCommands();
    Form_Load(*m_form);
    control("vexlist")->setFocus();
}

MainWindow::~MainWindow() = default;

// A fixed single border: no resizing, no minimise or maximise box.
void MainWindow::setupWindow()
{
    registerFontLookAlikes();
    setObjectName(QStringLiteral("main"));
    setWindowTitle(toQString(layout::kWindowTitle));
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFont(windowFont(layout::FontKey::D));
}

void MainWindow::setupControls(QWidget *client)
{
    std::array<QFont, 6> fonts;
    for (std::size_t key = 0; key < fonts.size(); ++key)
        fonts[key] = windowFont(static_cast<layout::FontKey>(key));

    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control &control = layout::kControls[i];
        QWidget *widget = createControl(control, client);
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                            toPixels(control.height));
        widget->setFont(fonts[static_cast<std::size_t>(control.font)]);
        widget->setEnabled(!control.disabled);
        widget->setVisible(!control.hidden);
        m_controls[i] = widget;
    }
}

QWidget *MainWindow::createControl(const layout::Control &control, QWidget *client)
{
    switch (control.kind) {
    case ControlKind::label:
        return createLabel(control, client);
    case ControlKind::textBox:
        return createTextBox(control, client);
    case ControlKind::comboBox:
        return createComboBox(control, client);
    case ControlKind::button:
        return createButton(control, client);
    case ControlKind::checkBox:
        return new QCheckBox(toQString(control.caption), client);
    case ControlKind::optionButton:
        return new QRadioButton(toQString(control.caption), client);
    }
    return nullptr;
}

// Thin lines in the window-text colour.
void MainWindow::setupLines(QWidget *client)
{
    for (std::size_t i = 0; i < layout::kLines.size(); ++i) {
        const layout::Line &line = layout::kLines[i];
        auto *frame = new QFrame(client);
        frame->setObjectName(toQString(line.name));
        frame->setFrameStyle(QFrame::HLine | QFrame::Plain);
        frame->setLineWidth(1);
        frame->setGeometry(toPixels(line.x1), toPixels(line.y1), toPixels(line.x2 - line.x1), 1);
        m_lines[i] = frame;
    }
}

void MainWindow::setupMenu()
{
    std::array<QMenu *, 3> openMenus {}; // the innermost open submenu at each depth
    for (std::size_t i = 0; i < layout::kMenu.size(); ++i) {
        const layout::MenuEntry &entry = layout::kMenu[i];
        const QString caption = toQString(entry.caption);
        const auto depth = static_cast<std::size_t>(entry.depth);
        QAction *action = nullptr;
        if (entry.isSubmenu) {
            QMenu *menu
                = depth == 0 ? menuBar()->addMenu(caption) : openMenus[depth - 1]->addMenu(caption);
            menu->setObjectName(toQString(entry.name));
            openMenus[depth] = menu;
            action = menu->menuAction();
        } else {
            action = openMenus[depth - 1]->addAction(caption);
        }
        action->setObjectName(toQString(entry.name));
        m_menuActions[i] = action;
    }
}

// The button and the menu items start their commands; nothing else starts anything.
void MainWindow::connectCommands()
{
    connect(static_cast<QPushButton *>(control("calculate")), &QPushButton::clicked, this,
            [this] { calculate_Click(*m_form, *this); });

    using GrowthCommand = void (*)(FormState &, Platform &);
    constexpr std::array<std::pair<std::string_view, GrowthCommand>, 4> growthItems = {{
        {"fast", &fast_Click},
        {"medium", &medium_Click},
        {"slow", &slow_Click},
        {"parabolic", &parabolic_Click},
    }};
    for (const auto &[name, command] : growthItems) {
        connect(menuAction(name), &QAction::triggered, this,
                [this, command] { command(*m_form, *this); });
    }
    connect(menuAction("exit"), &QAction::triggered, this, [this] { exit_Click(*this); });
}

// Tab visits the controls in their keyboard order; Qt skips those that take no focus (labels,
// the hidden captions, the disabled flags, the unselected option button).
void MainWindow::setupTabOrder()
{
    std::array<std::size_t, layout::kControls.size()> order {};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](std::size_t left, std::size_t right) {
        return layout::kControls[left].tab < layout::kControls[right].tab;
    });
    QWidget *previous = nullptr;
    for (std::size_t index : order) {
        QWidget *widget = m_controls[index];
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

// The value displays' captions are numbers and the option buttons' and check boxes' captions
// never show, so each control gets a name to be spoken; the two input labels name their field.
void MainWindow::setupAccessibility()
{
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const QString name = spokenNameOf(layout::kControls[i]);
        if (!name.isEmpty())
            m_controls[i]->setAccessibleName(name);
    }
    // The list's own name is the text it shows; its edit field carries the label's.
    static_cast<QComboBox *>(control("vexlist"))
        ->lineEdit()
        ->setAccessibleName(control("vexlist")->accessibleName());
    static_cast<QLabel *>(control("Label1"))->setBuddy(control("vexlist"));
    static_cast<QLabel *>(control("Label2"))->setBuddy(control("level"));
}

void MainWindow::bindFields()
{
    std::array<QWidget *, kFieldCount> widgets {};
    for (const FieldInfo &info : kFieldTable) {
        QWidget *widget = control(info.name);
        widgets[static_cast<std::size_t>(info.field)] = widget;
        if (auto *option = qobject_cast<QRadioButton *>(widget))
            option->setChecked(info.initial == "1");
    }
    m_form = std::make_unique<WidgetFormState>(widgets);
}

QWidget *MainWindow::control(std::string_view name) const
{
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        if (layout::kControls[i].name == name)
            return m_controls[i];
    }
    return nullptr;
}

QFrame *MainWindow::line(std::string_view name) const
{
    for (std::size_t i = 0; i < layout::kLines.size(); ++i) {
        if (layout::kLines[i].name == name)
            return m_lines[i];
    }
    return nullptr;
}

QAction *MainWindow::menuAction(std::string_view name) const
{
    for (std::size_t i = 0; i < layout::kMenu.size(); ++i) {
        if (layout::kMenu[i].name == name)
            return m_menuActions[i];
    }
    return nullptr;
}

void MainWindow::showInformation(std::string_view title, std::string_view prompt)
{
    QMessageBox box(QMessageBox::Information, toQString(title), toQString(prompt), QMessageBox::Ok,
                    this);
    box.exec();
}

void MainWindow::endProgram()
{
    close();
}

} // namespace vexlet
