#include "core/species_catalogue.h"

namespace vexlet {

namespace {

// The species names in the game's numbering; a family stands at consecutive numbers, first
// stage first. Every name follows from the base values alone. A family is named after its last
// stage: its strongest statistic gives the opening sound (HP Br, attack Kr, defense Dw, speed Fl,
// special attack Zh, special defense Yl), its second strongest the vowel after it (u, a, o, i,
// e, y in the same order), and its stat total the rest, read digit by digit: the hundreds as a
// vowel (2 i, 3 e, 4 a, 5 o, 6 u) between the tens and the units as consonants (0 n, 1 r, 2 l,
// 3 k, 4 s, 5 z, 6 m, 7 x, 8 v, 9 d). Equal statistics rank in window order. The first stage
// bears that stem, the second adds "el", the third "orn"; a species without stages adds "a".
// Of two families that would share a name, the one whose last stage yields more experience
// takes the vowel of its third strongest statistic instead.
// clang-format off
constexpr std::array<std::string_view, kListLabelCount> kListLabels = {
    kPlaceholderLabel,
    "Zhimos", "Zhimosel", "Zhimosorn",          // 1-3
    "Flenon", "Flenonel", "Flenonorn",          // 4-6
    "Dwasox", "Dwasoxel", "Dwasoxorn",          // 7-9
    "Zhilak", "Zhilakel", "Zhilakorn",          // 10-12
    "Kruran", "Kruranel", "Kruranorn",          // 13-15
    "Flevam", "Flevamel", "Flevamorn",          // 16-18
    "Krunoz", "Krunozel",                       // 19-20
    "Fladam", "Fladamel",                       // 21-22
    "Krusar", "Krusarel",                       // 23-24
    "Flelar", "Flelarel",                       // 25-26
    "Dwunov", "Dwunovel",                       // 27-28
    "Brosom", "Brosomel", "Brosomorn",          // 29-31
    "Kruman", "Krumanel", "Krumanorn",          // 32-34
    "Bromaz", "Bromazel",                       // 35-36
    "Flalar", "Flalarel",                       // 37-38
    "Brodak", "Brodakel",                       // 39-40
    "Flaxev", "Flaxevel",                       // 41-42
    "Zhikok", "Zhikokel", "Zhikokorn",          // 43-45
    "Dwuzad", "Dwuzadel",                       // 46-47
    "Zhilan", "Zhilanel",                       // 48-49
    "Fleran", "Fleranel",                       // 50-51
    "Flekax", "Flekaxel",                       // 52-53
    "Zhyram", "Zhyramel",                       // 54-55
    "Kromak", "Kromakel",                       // 56-57
    "Krunaz", "Krunazel",                       // 58-59
    "Zhodak", "Zhodakel", "Zhodakorn",          // 60-62
    "Zhyroz", "Zhyrozel", "Zhyrozorn",          // 63-65
    "Krunon", "Krunonel", "Krunonorn",          // 66-68
    "Bramam", "Bramamel", "Bramamorn",          // 69-71
    "Ylular", "Ylularel",                       // 72-73
    "Dwalon", "Dwalonel", "Dwalonorn",          // 74-76
    "Flaxaz", "Flaxazel",                       // 77-78
    "Braxaz", "Braxazel",                       // 79-80
    "Zhizaz", "Zhizazel",                       // 81-82
    "Bromera",                                  // 83
    "Flazal", "Flazalel",                       // 84-85
    "Ylukav", "Ylukavel",                       // 86-87
    "Bryron", "Bryronel",                       // 88-89
    "Dwaloz", "Dwalozel",                       // 90-91
    "Zhyros", "Zhyrosel", "Zhyrosorn",          // 92-94
    "Dwaveza",                                  // 95
    "Ylulak", "Ylulakel",                       // 96-97
    "Krumaz", "Krumazel",                       // 98-99
    "Flevan", "Flevanel",                       // 100-101
    "Zhyvaz", "Zhyvazel",                       // 102-103
    "Dwazan", "Dwazanel",                       // 104-105
    "Krozaza",                                  // 106
    "Ylukama",                                  // 107
    "Bryxeva",                                  // 108
    "Dwumam", "Dwumamel",                       // 109-110
    "Krozas", "Krozasel",                       // 111-112
    "Bryzana",                                  // 113
    "Dwamaka",                                  // 114
    "Broxasa",                                  // 115
    "Zhykad", "Zhykadel",                       // 116-117
    "Flekad", "Flekadel",                       // 118-119
    "Flakal", "Flakalel",                       // 120-121
    "Ylusaza",                                  // 122
    "Kruvava",                                  // 123
    "Zhyvaza",                                  // 124
    "Flasaxa",                                  // 125
    "Zhivaxa",                                  // 126
    "Krodaka",                                  // 127
    "Flaxama",                                  // 128
    "Krimev", "Krimevel",                       // 129-130
    "Bryzoda",                                  // 131
    "Braviva",                                  // 132
    "Kroreza",                                  // 133
    "Ylexad", "Ylexadel", "Ylexadorn",          // 134-136
    "Zhinasa",                                  // 137
    "Dwavaz", "Dwavazel",                       // 138-139
    "Kroxas", "Kroxasel",                       // 140-141
    "Flanona",                                  // 142
    "Brykoka",                                  // 143
    "Ylovona",                                  // 144
    "Zhimola",                                  // 145
    "Zhyxona",                                  // 146
    "Krenun", "Krenunel", "Krenunorn",          // 147-149
    "Zhivuna",                                  // 150
    "Branuna",                                  // 151
};
// clang-format on

// Base values by species number (row n - 1 holds species n), in the field order of
// SpeciesRecord: exp, HP, attack, defense, speed, special1, special2. Every value lies between 5
// and 255; each field's extremes belong to one or a few species only (e.g. HP 250 and exp 255 to
// 113, defense 180 to 91), and the six statistics sum to between 195 (10 and 13) and 680 (150).
constexpr std::array<SpeciesRecord, kSpeciesCount> kRecords = {{
    {64, 45, 49, 49, 45, 65, 65}, // 1 Zhimos
    {150, 70, 50, 60, 68, 126, 85}, // 2 Zhimosel
    {211, 95, 65, 70, 97, 143, 94}, // 3 Zhimosorn
    {59, 35, 55, 33, 85, 49, 40}, // 4 Flenon
    {124, 45, 75, 50, 130, 70, 55}, // 5 Flenonel
    {187, 53, 93, 55, 130, 100, 69}, // 6 Flenonorn
    {62, 50, 60, 90, 30, 45, 55}, // 7 Dwasox
    {122, 70, 75, 100, 45, 65, 85}, // 8 Dwasoxel
    {213, 80, 110, 130, 50, 72, 105}, // 9 Dwasoxorn
    {53, 45, 30, 35, 45, 20, 20}, // 10 Zhilak
    {90, 40, 35, 45, 53, 88, 50}, // 11 Zhilakel
    {172, 55, 45, 55, 85, 110, 73}, // 12 Zhilakorn
    {52, 40, 35, 30, 50, 20, 20}, // 13 Kruran
    {106, 60, 85, 55, 48, 35, 35}, // 14 Kruranel
    {162, 70, 110, 65, 65, 45, 55}, // 15 Kruranorn
    {62, 40, 52, 34, 83, 55, 52}, // 16 Flevam
    {139, 55, 65, 37, 115, 60, 70}, // 17 Flevamel
    {165, 61, 80, 50, 130, 85, 80}, // 18 Flevamorn
    {67, 71, 85, 50, 50, 35, 40}, // 19 Krunoz
    {165, 100, 120, 85, 80, 50, 70}, // 20 Krunozel
    {80, 45, 70, 35, 105, 55, 40}, // 21 Fladam
    {176, 60, 101, 60, 130, 80, 65}, // 22 Fladamel
    {57, 50, 75, 50, 50, 25, 40}, // 23 Krusar
    {173, 85, 110, 75, 66, 45, 60}, // 24 Krusarel
    {64, 35, 54, 32, 65, 45, 45}, // 25 Flelar
    {157, 55, 81, 45, 105, 75, 60}, // 26 Flelarel
    {83, 66, 61, 95, 31, 40, 55}, // 27 Dwunov
    {164, 95, 75, 150, 40, 65, 83}, // 28 Dwunovel
    {63, 100, 40, 50, 30, 40, 50}, // 29 Brosom
    {125, 115, 60, 60, 45, 45, 65}, // 30 Brosomel
    {226, 180, 70, 90, 55, 74, 77}, // 31 Brosomorn
    {57, 40, 70, 45, 42, 25, 35}, // 32 Kruman
    {106, 51, 95, 55, 55, 40, 45}, // 33 Krumanel
    {156, 80, 120, 75, 70, 50, 65}, // 34 Krumanorn
    {83, 90, 50, 60, 35, 50, 60}, // 35 Bromaz
    {155, 115, 75, 80, 50, 65, 80}, // 36 Bromazel
    {66, 30, 55, 30, 70, 45, 40}, // 37 Flalar
    {140, 55, 77, 50, 105, 70, 64}, // 38 Flalarel
    {74, 85, 43, 60, 25, 50, 55}, // 39 Brodak
    {186, 130, 75, 90, 40, 75, 83}, // 40 Brodakel
    {54, 30, 50, 30, 80, 45, 30}, // 41 Flaxev
    {135, 43, 75, 45, 110, 60, 45}, // 42 Flaxevel
    {66, 45, 30, 40, 55, 80, 55}, // 43 Zhikok
    {127, 65, 45, 55, 88, 105, 75}, // 44 Zhikokel
    {195, 75, 55, 75, 100, 135, 93}, // 45 Zhikokorn
    {64, 52, 40, 90, 25, 30, 38}, // 46 Dwuzad
    {164, 84, 75, 140, 40, 55, 65}, // 47 Dwuzadel
    {53, 40, 25, 30, 50, 65, 45}, // 48 Zhilan
    {165, 65, 41, 54, 75, 110, 75}, // 49 Zhilanel
    {81, 10, 55, 25, 95, 35, 45}, // 50 Fleran
    {159, 55, 70, 50, 100, 75, 60}, // 51 Fleranel
    {66, 30, 50, 35, 70, 55, 45}, // 52 Flekax
    {160, 45, 72, 60, 110, 80, 70}, // 53 Flekaxel
    {51, 30, 30, 35, 35, 70, 55}, // 54 Zhyram
    {154, 50, 45, 60, 71, 110, 80}, // 55 Zhyramel
    {64, 47, 85, 63, 55, 30, 35}, // 56 Kromak
    {159, 70, 120, 93, 80, 40, 60}, // 57 Kromakel
    {52, 40, 70, 42, 38, 20, 35}, // 58 Krunaz
    {142, 75, 105, 70, 65, 35, 55}, // 59 Krunazel
    {53, 40, 45, 60, 45, 55, 45}, // 60 Zhodak
    {126, 60, 65, 69, 60, 70, 60}, // 61 Zhodakel
    {180, 70, 75, 91, 87, 95, 75}, // 62 Zhodakorn
    {73, 50, 34, 40, 54, 100, 55}, // 63 Zhyroz
    {126, 62, 43, 65, 60, 120, 65}, // 64 Zhyrozel
    {193, 80, 60, 70, 75, 140, 90}, // 65 Zhyrozorn
    {51, 45, 85, 40, 45, 30, 30}, // 66 Krunon
    {127, 70, 125, 55, 65, 40, 45}, // 67 Krunonel
    {205, 95, 125, 80, 80, 55, 65}, // 68 Krunonorn
    {47, 50, 60, 40, 50, 25, 30}, // 69 Bramam
    {109, 70, 85, 62, 65, 35, 44}, // 70 Bramamel
    {153, 100, 99, 75, 85, 45, 62}, // 71 Bramamorn
    {65, 50, 25, 50, 40, 45, 70}, // 72 Ylular
    {150, 70, 44, 70, 57, 70, 110}, // 73 Ylularel
    {67, 60, 60, 80, 25, 40, 45}, // 74 Dwalon
    {109, 73, 70, 105, 35, 58, 55}, // 75 Dwalonel
    {208, 100, 105, 135, 40, 60, 80}, // 76 Dwalonorn
    {61, 35, 46, 35, 95, 55, 50}, // 77 Flaxaz
    {165, 55, 85, 50, 125, 80, 80}, // 78 Flaxazel
    {99, 90, 65, 65, 15, 40, 40}, // 79 Braxaz
    {176, 112, 85, 70, 44, 80, 84}, // 80 Braxazel
    {57, 35, 25, 40, 45, 80, 45}, // 81 Zhizaz
    {180, 55, 50, 60, 80, 130, 80}, // 82 Zhizazel
    {122, 65, 56, 60, 60, 60, 60}, // 83 Bromera
    {73, 43, 60, 35, 95, 55, 45}, // 84 Flazal
    {153, 56, 100, 45, 115, 80, 56}, // 85 Flazalel
    {67, 60, 30, 45, 35, 55, 65}, // 86 Ylukav
    {173, 80, 45, 65, 60, 75, 113}, // 87 Ylukavel
    {62, 90, 50, 42, 25, 45, 60}, // 88 Bryron
    {173, 160, 75, 75, 35, 70, 95}, // 89 Bryronel
    {88, 70, 60, 98, 30, 44, 65}, // 90 Dwaloz
    {203, 50, 95, 180, 70, 85, 45}, // 91 Dwalozel
    {61, 35, 33, 37, 65, 75, 60}, // 92 Zhyros
    {117, 47, 50, 50, 85, 113, 75}, // 93 Zhyrosel
    {193, 63, 60, 60, 98, 123, 110}, // 94 Zhyrosorn
    {122, 55, 75, 95, 40, 45, 75}, // 95 Dwaveza
    {59, 45, 31, 40, 35, 45, 80}, // 96 Ylulak
    {141, 70, 45, 63, 60, 65, 120}, // 97 Ylulakel
    {73, 65, 85, 45, 50, 35, 44}, // 98 Krumaz
    {172, 90, 125, 70, 80, 45, 55}, // 99 Krumazel
    {73, 45, 52, 41, 80, 50, 50}, // 100 Flevan
    {150, 60, 50, 70, 140, 80, 80}, // 101 Flevanel
    {67, 50, 40, 45, 60, 75, 64}, // 102 Zhyvaz
    {193, 80, 55, 65, 85, 110, 90}, // 103 Zhyvazel
    {69, 45, 55, 75, 31, 45, 50}, // 104 Dwazan
    {174, 75, 80, 115, 40, 65, 75}, // 105 Dwazanel
    {134, 80, 130, 85, 65, 45, 50}, // 106 Krozaza
    {129, 80, 50, 70, 61, 70, 105}, // 107 Ylukama
    {124, 105, 49, 57, 40, 57, 70}, // 108 Bryxeva
    {63, 55, 60, 73, 30, 40, 45}, // 109 Dwumam
    {188, 85, 85, 116, 50, 60, 70}, // 110 Dwumamel
    {52, 45, 70, 50, 35, 25, 40}, // 111 Krozas
    {154, 80, 124, 85, 60, 40, 65}, // 112 Krozasel
    {255, 250, 5, 5, 50, 35, 105}, // 113 Bryzana
    {138, 65, 95, 127, 36, 65, 75}, // 114 Dwamaka
    {149, 135, 65, 85, 49, 55, 85}, // 115 Broxasa
    {54, 45, 35, 30, 38, 60, 50}, // 116 Zhykad
    {142, 64, 55, 60, 70, 95, 95}, // 117 Zhykadel
    {70, 35, 50, 34, 77, 60, 40}, // 118 Flekad
    {165, 47, 75, 50, 130, 80, 57}, // 119 Flekadel
    {58, 31, 40, 30, 65, 40, 36}, // 120 Flakal
    {165, 50, 70, 52, 125, 70, 65}, // 121 Flakalel
    {162, 89, 50, 55, 70, 80, 101}, // 122 Ylusaza
    {162, 95, 120, 80, 85, 40, 68}, // 123 Kruvava
    {174, 75, 50, 70, 85, 115, 90}, // 124 Zhyvaza
    {136, 60, 72, 55, 125, 70, 65}, // 125 Flasaxa
    {147, 70, 50, 72, 90, 120, 85}, // 126 Zhivaxa
    {153, 85, 115, 100, 86, 52, 55}, // 127 Krodaka
    {168, 65, 85, 50, 120, 85, 71}, // 128 Flaxama
    {20, 20, 10, 55, 80, 15, 20}, // 129 Krimev
    {129, 55, 100, 65, 70, 38, 40}, // 130 Krimevel
    {191, 160, 90, 74, 55, 80, 100}, // 131 Bryzoda
    {61, 48, 48, 48, 48, 48, 48}, // 132 Braviva
    {114, 40, 60, 60, 40, 60, 55}, // 133 Kroreza
    {45, 35, 25, 46, 30, 45, 60}, // 134 Ylexad
    {115, 60, 40, 65, 50, 70, 85}, // 135 Ylexadel
    {188, 85, 50, 80, 67, 92, 105}, // 136 Ylexadorn
    {123, 64, 45, 57, 76, 97, 65}, // 137 Zhinasa
    {67, 45, 50, 100, 30, 45, 50}, // 138 Dwavaz
    {157, 70, 80, 145, 45, 65, 80}, // 139 Dwavazel
    {83, 57, 90, 60, 60, 35, 45}, // 140 Kroxas
    {159, 84, 110, 85, 85, 45, 65}, // 141 Kroxasel
    {181, 65, 100, 65, 125, 65, 80}, // 142 Flanona
    {162, 170, 80, 80, 55, 61, 87}, // 143 Brykoka
    {215, 90, 85, 100, 85, 95, 125}, // 144 Ylovona
    {196, 90, 65, 70, 102, 135, 100}, // 145 Zhimola
    {174, 85, 55, 80, 100, 135, 115}, // 146 Zhyxona
    {70, 60, 100, 50, 65, 35, 35}, // 147 Krenun
    {131, 80, 125, 70, 85, 50, 45}, // 148 Krenunel
    {218, 91, 134, 95, 80, 100, 100}, // 149 Krenunorn
    {220, 106, 110, 90, 130, 154, 90}, // 150 Zhivuna
    {64, 100, 100, 100, 100, 100, 100}, // 151 Branuna
}};

} // namespace

const std::array<std::string_view, kListLabelCount> &listLabels() noexcept
{
    return kListLabels;
}

LookupResult lookup(std::int16_t position) noexcept
{
    if (position < 1 || position > kSpeciesCount)
        return NoSelection {};
    return Found {kRecords[static_cast<std::size_t>(position - 1)]};
}

} // namespace vexlet
