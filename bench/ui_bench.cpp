// The commands' cost on the plain field model and on the real window's widgets (offscreen).
// Messages go to a platform that only counts them, so each figure is the command itself.

#include "desktop/main_window.h"
#include "form/commands.h"
#include "form/form_model.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <benchmark/benchmark.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace vexlet;

class CountingPlatform final : public Platform
{
public:
    void showInformation(std::string_view, std::string_view) override { ++messages; }
    void endProgram() override { }
    int messages = 0;
};

using Command = void (*)(FormState &, Platform &);

void runCommand(benchmark::State &state, FormState &form, Command command)
{
    CountingPlatform platform;
    for (auto _ : state)
        command(form, platform);
    benchmark::DoNotOptimize(platform.messages);
}

void onModel(benchmark::State &state, Command command)
{
    FormModel form;
    Form_Load(form);
    form.pickItem(1);
    runCommand(state, form, command);
}

// Shows the window and picks the first species, as from the drop-down; gives the list.
QComboBox *showWithFirstSpecies(MainWindow &window)
{
    window.show();
    QApplication::processEvents();
    auto *list = window.findChild<QComboBox *>(QStringLiteral("vexlist"));
    list->setCurrentIndex(1);
    emit list->activated(1);
    return list;
}

void onWindow(benchmark::State &state, Command command)
{
    MainWindow window;
    showWithFirstSpecies(window);
    runCommand(state, window.form(), command);
}

// The user's whole Calculate: a click on the button, the command, and the window painted anew.
void clickCalculateAndRepaint(benchmark::State &state)
{
    MainWindow window;
    QComboBox *list = showWithFirstSpecies(window);
    auto *button = window.findChild<QWidget *>(QStringLiteral("calculate"));
    const bool wholeWindow = state.range(0) == 1;
    int species = 1;
    for (auto _ : state) {
        species = species == 1 ? 150 : 1; // every value changes, so every display repaints
        emit list->activated(species);
        QTest::mouseClick(button, Qt::LeftButton);
        if (wholeWindow)
            window.repaint();
        else
            QApplication::processEvents(); // paints what changed
    }
}
BENCHMARK(clickCalculateAndRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Calculate and each growth item's command, on both backends.
void registerCommands()
{
    const std::vector<std::pair<std::string, Command>> commands = {{"calculate", &calculate_Click},
                                                                   {"fast", &fast_Click},
                                                                   {"medium", &medium_Click},
                                                                   {"slow", &slow_Click},
                                                                   {"parabolic", &parabolic_Click}};
    for (const auto &[name, command] : commands)
        benchmark::RegisterBenchmark(("onModel/" + name + "_Click").c_str(), &onModel, command);
    for (const auto &[name, command] : commands)
        benchmark::RegisterBenchmark(("onWindow/" + name + "_Click").c_str(), &onWindow, command);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setupApplication();
    registerCommands();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
