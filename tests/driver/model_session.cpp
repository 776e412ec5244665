#include "model_session.h"

#include "form/commands.h"
#include "form/form_model.h"

namespace vexlet::drive {

namespace {

class ModelSession final : public Session, private Platform
{
public:
    explicit ModelSession(MessageObserver observer)
        : m_observer(std::move(observer))
    {
        Form_Load(m_form);
    }

    void pick(int position) override { m_form.pickItem(position); }
    void typeListText(std::string_view text) override { m_form.typeListText(typeableText(text)); }
    void typeLevel(std::string_view text) override
    {
        m_form.setText(Field::level, typeableText(text));
    }
    void clickOption(Field option) override { m_form.clickOption(option); }
    void clickCheck(Field check) override { m_form.clickCheck(check); }

    void click(Command command) override
    {
        switch (command.kind) {
        case Command::Kind::calculate:
            return calculate_Click(m_form, *this);
        case Command::Kind::growth:
            return runGrowthCommand(command.curve, m_form, *this);
        case Command::Kind::exit:
            return exit_Click(*this);
        }
    }

    [[nodiscard]] FormState &form() override { return m_form; }
    [[nodiscard]] int listItemCount() override { return static_cast<int>(m_form.items().size()); }
    [[nodiscard]] std::string listEditText() override { return m_form.listEditText(); }
    [[nodiscard]] bool hasEnded() const override { return m_ended; }
    bool describeLayout(std::ostream &) override { return false; }

private:
    void showInformation(std::string_view title, std::string_view prompt) override
    {
        m_observer(title, prompt);
    }
    void endProgram() override { m_ended = true; }

    MessageObserver m_observer;
    FormModel m_form;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<Session> startModelSession(MessageObserver observer)
{
    return std::make_unique<ModelSession>(std::move(observer));
}

} // namespace vexlet::drive
