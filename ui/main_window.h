#pragma once

// The program's one window, built in code from the layout table: create the controls, bind the
// fields, connect the commands, then fill the species list.

#include "ui/commands.h"
#include "ui/widget_form_state.h"
#include "ui/window_layout.h"

#include <QMainWindow>
#include <memory>

class QAction;

namespace vexlet {

class MainWindow final : public QMainWindow, private Platform
{
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] FormState &form() { return *m_form; }

private:
    void setupWindow();
    void setupControls(QWidget *client);
    void setupLines(QWidget *client);
    void setupMenu();
    void setupTabOrder();
    void setupAccessibility();
    void bindFields();
    void connectCommands();

    // The widget of the control at `index` in layout::kControls, typed by the control's kind.
    template <std::size_t index> [[nodiscard]] auto *controlAt() const
    {
        return std::get<WidgetFor<layout::kControls[index].kind>>(m_controls[index]);
    }
    template <Field field> [[nodiscard]] auto *fieldControl() const
    {
        return controlAt<fieldInfo(field).control>();
    }
    [[nodiscard]] QWidget *widgetAt(std::size_t index) const;

    void showInformation(std::string_view title, std::string_view prompt) override;
    void endProgram() override;

    std::array<ControlWidget, layout::kControls.size()> m_controls {};
    std::array<QAction *, kGrowthItems.size()> m_growthActions {};
    QAction *m_exitAction = nullptr;
    std::unique_ptr<WidgetFormState> m_form;
};

} // namespace vexlet
