#pragma once

// The program's one window, built in code from the layout table: create the controls, bind the
// fields, connect the commands, then fill the species list.

#include "desktop/widget_form_state.h"
#include "form/commands.h"
#include "form/window_layout.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QComboBox;
class QPushButton;

namespace vexlet {

// What the window needs of the whole process, once, after the QApplication exists: the desktop
// id, the style, the fonts that stand in for the designed ones, and the window's accessible
// interfaces.
void setupApplication();

class MainWindow final : public QMainWindow, private Platform
{
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] FormState &form() { return *m_form; }

private:
    void setupWindow();
    void setupControls(QWidget *client);
    QWidget *createControl(const layout::Control &control, QWidget *client);
    void setupLines(QWidget *client);
    void setupMenu();
    void setupTabOrder();
    void setupAccessibility();
    void bindFields();
    void runMenuEntry(const layout::MenuEntry &entry);

    void showInformation(std::string_view title, std::string_view prompt) override;
    void endProgram() override;

    std::array<QWidget *, layout::kControls.size()> m_controls {}; // in table order
    QComboBox *m_speciesList = nullptr;
    QPushButton *m_calculate = nullptr;
    std::unique_ptr<WidgetFormState> m_form;
};

} // namespace vexlet
