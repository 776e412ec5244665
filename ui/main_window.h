#pragma once

// The program's one window, built in code from the layout table: create the controls, bind the
// fields, connect the commands, then fill the species list.

#include "ui/commands.h"
#include "ui/widget_form_state.h"
#include "ui/window_layout.h"

#include <QMainWindow>
#include <memory>
#include <string_view>

class QAction;
class QFrame;

namespace vexlet {

class MainWindow final : public QMainWindow, private Platform
{
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] FormState &form() { return *m_form; }
    // The control, line or menu item of that name, or nullptr.
    [[nodiscard]] QWidget *control(std::string_view name) const;
    [[nodiscard]] QFrame *line(std::string_view name) const;
    [[nodiscard]] QAction *menuAction(std::string_view name) const;

private:
    void setupWindow();
    void setupControls(QWidget *client);
    void setupLines(QWidget *client);
    void setupMenu();
    void setupTabOrder();
    void setupAccessibility();
    void bindFields();
    void connectCommands();
    QWidget *createControl(const layout::Control &control, QWidget *client);

    void showInformation(std::string_view title, std::string_view prompt) override;
    void endProgram() override;

    std::array<QWidget *, layout::kControls.size()> m_controls {};
    std::array<QFrame *, layout::kLines.size()> m_lines {};
    std::array<QAction *, layout::kMenu.size()> m_menuActions {};
    std::unique_ptr<WidgetFormState> m_form;
};

} // namespace vexlet
