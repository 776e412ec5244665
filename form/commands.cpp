#include "form/commands.h"

#include "core/growth_curves.h"
#include "core/number_text.h"
#include "core/species_catalogue.h"
#include "core/stat_ranges.h"

namespace vexlet {

namespace {

constexpr std::int16_t kDefaultLevel = 70;
constexpr double kHighestLevel = 100.0;

constexpr std::array<Field, 7> kBaseValueFields
    = {Field::exp,   Field::HP,       Field::attack,  Field::defense,
       Field::speed, Field::special1, Field::special2};

constexpr Field labelOf(Statistic statistic) noexcept
{
    return kBaseValueFields[static_cast<std::size_t>(statistic) + 1];
}

constexpr Field flagOf(Statistic statistic) noexcept
{
    return fieldAfter(Field::a, static_cast<int>(statistic));
}

// The captions hold texts this program wrote with formatInteger, and the level has passed its
// check, so a strict reading here cannot fail; zero only keeps a broken invariant from throwing.
double readStrict(const FormState &form, Field field)
{
    return parseStrict(form.text(field)).value_or(0.0);
}

double readLenient(const FormState &form, Field field)
{
    return parseLenient(form.text(field));
}

// Both readings and both tests always happen. A text that is no number at all is refused like
// a number out of range, rather than left in place to break every later step.
void checkLevel(FormState &form)
{
    const std::optional<double> first = parseStrict(form.text(Field::level));
    const std::optional<double> second = parseStrict(form.text(Field::level));
    const bool tooLow = !first || *first <= 0.0;
    const bool tooHigh = !second || *second > kHighestLevel;
    if (tooLow || tooHigh)
        form.setText(Field::level, formatInteger(kDefaultLevel));
}

void showBaseValues(FormState &form, Platform &platform)
{
    const LookupResult result = lookup(form.selectedPosition());
    const auto *found = std::get_if<Found>(&result);
    if (found == nullptr) {
        platform.showInformation(kProgramTitle, kSelectPrompt);
        return;
    }
    const std::array<std::int16_t, 7> values = valuesOf(found->record);
    for (std::size_t i = 0; i < values.size(); ++i)
        form.setText(kBaseValueFields[i], formatInteger(values[i]));
}

void fillStatRanges(FormState &form)
{
    for (Statistic statistic : kStatistics) {
        for (StatBand band : kStatBands) {
            const double base = readStrict(form, labelOf(statistic));
            const double level = readStrict(form, Field::level);
            form.setText(gridField(gridBoxNumber(statistic, band)),
                         formatNumber(rangeValue(base, level, statistic, band)));
        }
    }
}

void writeTotal(FormState &form)
{
    std::array<double, 6> bases {};
    for (Statistic statistic : kStatistics)
        bases[static_cast<std::size_t>(statistic)] = readLenient(form, labelOf(statistic));
    form.setText(Field::total, formatNumber(statTotal(bases)));
}

void writeAverage(FormState &form)
{
    form.setText(Field::avg, formatNumber(statAverage(readLenient(form, Field::total))));
}

// The flags compare with what the average box kept, not with the full quotient.
void setFlags(FormState &form)
{
    for (Statistic statistic : kStatistics) {
        const double base = readLenient(form, labelOf(statistic));
        const double averageShown = readLenient(form, Field::avg);
        form.setValue(flagOf(statistic), belowAverage(base, averageShown));
    }
}

void writeBattleExperience(FormState &form)
{
    const bool wild = form.isSelected(Field::wild);
    const CheckValue traded = form.value(Field::traded);
    const std::string level = form.text(Field::level);
    const std::string yield = form.text(Field::exp);
    form.setText(Field::pts, battleExperience(yield, level, wild, traded));
}

// The growth sentence's opening, before the level, and its message box's title.
struct GrowthTexts
{
    std::string_view lead;
    std::string_view title;
};

constexpr GrowthTexts growthTexts(GrowthCurve curve) noexcept
{
    switch (curve) {
    case GrowthCurve::fast:
        return {"A fast growing Lv. ", "Vexlet Statistics - Fast Growth"};
    case GrowthCurve::medium:
        return {"A medium growing Lv. ", "Vexlet Statistics - Medium Growth"};
    case GrowthCurve::slow:
        return {"A slow growing Lv. ", "Vexlet Statistics - Slow Growth"};
    case GrowthCurve::parabolic:
        break;
    }
    return {"A parabolic growing Lv. ", "Vexlet Statistics - Parabolic Growth"};
}

} // namespace

void runGrowthCommand(GrowthCurve curve, FormState &form, Platform &platform)
{
    const GrowthTexts texts = growthTexts(curve);
    const double level = readLenient(form, Field::level);
    form.setText(Field::growth, formatNumber(experienceAt(curve, level)));

    const std::optional<double> gap = gapToNextLevel(curve, form.text(Field::level));
    if (!gap) {
        platform.showInformation(texts.title, kLevelNotNumberPrompt);
        return;
    }
    form.setText(Field::up, formatNumber(*gap));

    const double levelShown = readLenient(form, Field::level);
    const double total = readLenient(form, Field::growth);
    const double needed = readLenient(form, Field::up);
    const double nextShown = readLenient(form, Field::level);
    std::string prompt(texts.lead);
    prompt += formatNumber(levelShown);
    prompt += " Vexlet have at least ";
    prompt += formatNumber(total);
    prompt += " experience points. It will need ";
    prompt += formatNumber(needed);
    prompt += " more points in order to reach Lv ";
    prompt += formatNumber(nextShown + 1.0);
    prompt += ".";
    platform.showInformation(texts.title, prompt);
}

void Form_Load(FormState &form)
{
    form.appendItems(listLabels());
}

void calculate_Click(FormState &form, Platform &platform)
{
    checkLevel(form);
    showBaseValues(form, platform);
    fillStatRanges(form);
    writeTotal(form);
    writeAverage(form);
    setFlags(form);
    writeBattleExperience(form);
}

void fast_Click(FormState &form, Platform &platform)
{
    runGrowthCommand(GrowthCurve::fast, form, platform);
}

void medium_Click(FormState &form, Platform &platform)
{
    runGrowthCommand(GrowthCurve::medium, form, platform);
}

void slow_Click(FormState &form, Platform &platform)
{
    runGrowthCommand(GrowthCurve::slow, form, platform);
}

void parabolic_Click(FormState &form, Platform &platform)
{
    runGrowthCommand(GrowthCurve::parabolic, form, platform);
}

void exit_Click(Platform &platform)
{
    platform.endProgram();
}

} // namespace vexlet
