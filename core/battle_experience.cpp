#include "core/battle_experience.h"

#include "core/number_text.h"

#include <cstdint>

namespace vexlet {

std::string battleExperience(std::string_view expCaption, std::string_view levelText,
                             bool wildSelected, CheckValue traded)
{
    constexpr Variant one = std::int16_t {1};
    constexpr Variant bonus = 1.5;
    constexpr Variant divisor = std::int16_t {7};

    const Variant battleFactor = wildSelected ? one : bonus;
    const Variant tradeFactor = traded == 1 ? bonus : one;
    const double level = parseLenient(levelText);
    const double yield = parseLenient(expCaption);
    const double base = yield * level;
    const Variant withBattle = variantProduct(base, battleFactor);
    const Variant withTrade = variantProduct(withBattle, tradeFactor);
    return variantText(variantQuotient(withTrade, divisor));
}

} // namespace vexlet
