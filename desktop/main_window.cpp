#include "desktop/main_window.h"

#include "desktop/accessibility.h"
#include "desktop/app_icon.h"
#include "desktop/menu_letter_keys.h"
#include "desktop/qt_text.h"
#include "desktop/separator_line.h"
#include "desktop/window_fonts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
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
// A label that holds a field speaks its number as text; the others are plain captions.
QLabel *createLabel(const layout::Control &control, QWidget *client)
{
    const QString caption = toQString(control.caption);
    QLabel *label = control.field ? new ValueLabel(caption, client) : new QLabel(caption, client);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(toQtAlignment(control.look.align) | Qt::AlignTop);
    label->setWordWrap(control.look.wraps);
    if (control.look.border) // the form's single border is drawn sunken, like an edit frame
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (control.look.colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(*control.look.colour));
        palette.setColor(QPalette::Window, toQColor(layout::kBlack));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QLineEdit *createTextBox(const layout::Control &control, QWidget *client)
{
    auto *edit = new QLineEdit(toQString(control.caption), client);
    edit->setAlignment(toQtAlignment(control.look.align) | Qt::AlignVCenter);
    edit->setReadOnly(control.look.readOnly);
    if (control.look.maxLength > 0)
        edit->setMaxLength(control.look.maxLength);
    if (control.look.colour) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, toQColor(*control.look.colour));
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

QCheckBox *createCheckBox(const layout::Control &control, QWidget *client)
{
    auto *box = new QCheckBox(toQString(control.caption), client);
    box->setChecked(control.look.selected);
    return box;
}

QRadioButton *createOptionButton(const layout::Control &control, QWidget *client)
{
    auto *button = new QRadioButton(toQString(control.caption), client);
    button->setChecked(control.look.selected);
    return button;
}

} // namespace

void setupApplication()
{
    // Wayland desktops match the window to its desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VEXLET_APP_ID));
    // The window's pixel sizes are made for Fusion's controls (a 17 pixel button, a 21 pixel
    // list); a desktop's own style may draw them larger and clip them. Fusion still takes its
    // colours from the desktop's palette, so a dark theme stays dark.
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerFontLookAlikes();
    installAccessibleInterfaces();
}

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
    connect(m_calculate, &QPushButton::clicked, this, [this] { calculate_Click(*m_form, *this); });
    Form_Load(*m_form);
    m_speciesList->setFocus();
}

MainWindow::~MainWindow() = default;

// A fixed single border: no resizing, no minimise or maximise box.
void MainWindow::setupWindow()
{
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
    std::array<QFont, layout::kFontKeys.size()> fonts;
    for (layout::FontKey key : layout::kFontKeys)
        fonts[static_cast<std::size_t>(key)] = windowFont(key);

    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control &control = layout::kControls[i];
        QWidget *widget = createControl(control, client);
        m_controls[i] = widget;
        widget->setObjectName(toQString(control.name));
        const layout::Rect &place = control.place;
        widget->setGeometry(toPixels(place.left), toPixels(place.top), toPixels(place.width),
                            toPixels(place.height));
        widget->setFont(fonts[static_cast<std::size_t>(control.font)]);
        widget->setEnabled(!control.look.disabled);
        widget->setVisible(!control.look.hidden);
    }
}

// The species list and the button are the two controls the window wires itself.
QWidget *MainWindow::createControl(const layout::Control &control, QWidget *client)
{
    switch (control.kind) {
    case ControlKind::label:
        return createLabel(control, client);
    case ControlKind::textBox:
        return createTextBox(control, client);
    case ControlKind::comboBox:
        m_speciesList = createComboBox(control, client);
        return m_speciesList;
    case ControlKind::button:
        m_calculate = createButton(control, client);
        return m_calculate;
    case ControlKind::checkBox:
        return createCheckBox(control, client);
    case ControlKind::optionButton:
        return createOptionButton(control, client);
    }
    return nullptr;
}

// Thin lines in the window-text colour.
void MainWindow::setupLines(QWidget *client)
{
    for (const layout::Line &line : layout::kLines) {
        auto *frame = new SeparatorLine(client);
        frame->setObjectName(toQString(line.name));
        frame->setGeometry(toPixels(line.x1), toPixels(line.y), toPixels(line.x2 - line.x1), 1);
    }
}

// The menu bar, its menus and their items from the menu table; an item runs its command. The
// access letters work under every keyboard layout.
void MainWindow::setupMenu()
{
    auto *letterKeys = new MenuLetterKeys(this);
    menuBar()->installEventFilter(letterKeys);
    std::array<QMenu *, layout::kMenu.size()> menus {};
    for (std::size_t i = 0; i < layout::kMenu.size(); ++i) {
        const layout::MenuEntry &entry = layout::kMenu[i];
        const QString caption = toQString(entry.caption);
        QMenu *parent = entry.parent == layout::kMenuBar ? nullptr : menus[entry.parent];
        QAction *action = nullptr;
        if (entry.action == layout::MenuAction::submenu) {
            menus[i] = parent != nullptr ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menus[i]->setObjectName(toQString(entry.name));
            menus[i]->installEventFilter(letterKeys);
            action = menus[i]->menuAction();
        } else {
            action = parent->addAction(caption);
            connect(action, &QAction::triggered, this, [this, &entry] { runMenuEntry(entry); });
        }
        action->setObjectName(toQString(entry.name));
    }
}

void MainWindow::runMenuEntry(const layout::MenuEntry &entry)
{
    switch (entry.action) {
    case layout::MenuAction::growth:
        runGrowthCommand(entry.curve, *m_form, *this);
        break;
    case layout::MenuAction::exit:
        exit_Click(*this);
        break;
    case layout::MenuAction::submenu:
        break;
    }
}

// Tab visits the controls in their keyboard order. Controls that never take focus (labels) stay
// out of the chain; Qt's Tab passes over those that cannot take it now (the hidden captions, the
// disabled flags, the unselected option button).
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
// never show, so each control gets a name to be spoken: its own, or its caption label's. A
// caption label is its control's label, so a screen reader announces the two once.
void MainWindow::setupAccessibility()
{
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control &control = layout::kControls[i];
        if (const QString name = toQString(control.speech.spokenName()); !name.isEmpty())
            m_controls[i]->setAccessibleName(name);
        const auto &field = control.speech.labels;
        auto *label = qobject_cast<QLabel *>(m_controls[i]);
        if (!field || label == nullptr)
            continue;
        const std::size_t named = fieldInfo(*field).control;
        label->setBuddy(m_controls[named]);
        if (layout::kControls[named].speech.spokenName().empty())
            m_controls[named]->setAccessibleName(toQString(control.caption));
    }
    // The list's own name is the text it shows; its edit field carries the label's.
    m_speciesList->lineEdit()->setAccessibleName(m_speciesList->accessibleName());
}

void MainWindow::bindFields()
{
    std::array<QWidget *, kFieldCount> widgets {};
    for (const FieldInfo &info : kFieldTable)
        widgets[static_cast<std::size_t>(info.field)] = m_controls[info.control];
    m_form = std::make_unique<WidgetFormState>(widgets);
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
