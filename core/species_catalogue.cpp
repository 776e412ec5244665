#include "core/species_catalogue.h"

namespace vexlet {

namespace {

// The game's species names in its own numbering. Names of one family share a sound and stand
// at consecutive numbers, first stage first.
// clang-format off
constexpr std::array<std::string_view, kListLabelCount> kListLabels = {
    kPlaceholderLabel,
    "Fernip", "Ferngrove", "Fernwarden",            // 1-3
    "Cindrel", "Cindrax", "Cindromar",              // 4-6
    "Ripplet", "Ripclaw", "Riptidon",               // 7-9
    "Nibwig", "Nibcoon", "Nibwing",                 // 10-12
    "Stinglet", "Stingpod", "Stingvex",             // 13-15
    "Pipwit", "Pipgale", "Piptempest",              // 16-18
    "Gnawby", "Gnawbrute",                          // 19-20
    "Skreel", "Skreelhawk",                         // 21-22
    "Slinkra", "Slinkobra",                         // 23-24
    "Fizzet", "Fizzferret",                         // 25-26
    "Dustmole", "Dustmaul",                         // 27-28
    "Quillip", "Quillora", "Quillqueen",            // 29-31
    "Hornix", "Hornadon", "Hornarch",               // 32-34
    "Lumie", "Lumiella",                            // 35-36
    "Emberkit", "Embervixen",                       // 37-38
    "Puffsy", "Puffsworth",                         // 39-40
    "Nyctip", "Nyctwing",                           // 41-42
    "Sporet", "Sporella", "Sporanth",               // 43-45
    "Fungrab", "Fungrabber",                        // 46-47
    "Mothdew", "Mothveil",                          // 48-49
    "Tunnek", "Tunnekko",                           // 50-51
    "Whiskit", "Whiskarch",                         // 52-53
    "Paddlo", "Paddlomir",                          // 54-55
    "Grumpo", "Grumpalon",                          // 56-57
    "Kindlepup", "Kindlemane",                      // 58-59
    "Swirlet", "Swirlog", "Swirlgrip",              // 60-62
    "Mindle", "Mindalor", "Mindazar",               // 63-65
    "Brawlik", "Brawlox", "Brawlgant",              // 66-68
    "Snaplet", "Snapvine", "Snapmaw",               // 69-71
    "Jellune", "Jellunox",                          // 72-73
    "Pebbit", "Pebbrock", "Pebbolith",              // 74-76
    "Flarecolt", "Flaresteed",                      // 77-78
    "Drowsel", "Drowselord",                        // 79-80
    "Voltick", "Voltrio",                           // 81-82
    "Stalkwing",                                    // 83
    "Scurrak", "Scurrakon",                         // 84-85
    "Floebe", "Floeborne",                          // 86-87
    "Sludgit", "Sludgemire",                        // 88-89
    "Carapod", "Carapex",                           // 90-91
    "Wispen", "Wispectra", "Wisperion",             // 92-94
    "Slatecoil",                                    // 95
    "Dreamole", "Dreamonger",                       // 96-97
    "Pincrab", "Pincrusher",                        // 98-99
    "Sparkorb", "Sparkorbit",                       // 100-101
    "Podlet", "Podpalm",                            // 102-103
    "Skullkit", "Skullmarrow",                      // 104-105
    "Strikara",                                     // 106
    "Jabbrax",                                      // 107
    "Lapsnout",                                     // 108
    "Fumlet", "Fumulous",                           // 109-110
    "Rammox", "Rammoth",                            // 111-112
    "Nurturine",                                    // 113
    "Tanglor",                                      // 114
    "Marsupex",                                     // 115
    "Finlet", "Finspire",                           // 116-117
    "Glimmet", "Glimmaris",                         // 118-119
    "Starlo", "Starlorium",                         // 120-121
    "Mimecho",                                      // 122
    "Scythora",                                     // 123
    "Frostiva",                                     // 124
    "Voltazar",                                     // 125
    "Magmora",                                      // 126
    "Pincerex",                                     // 127
    "Taurage",                                      // 128
    "Floppet", "Floptyrant",                        // 129-130
    "Tidehulk",                                     // 131
    "Blobbit",                                      // 132
    "Shiftail",                                     // 133
    "Tidepup", "Tidewolf", "Tidewarden",            // 134-136
    "Polyglyph",                                    // 137
    "Spiralith", "Spiralodon",                      // 138-139
    "Shellkin", "Shellscythe",                      // 140-141
    "Ambrawing",                                    // 142
    "Slumbron",                                     // 143
    "Glacivane",                                    // 144
    "Thundrel",                                     // 145
    "Pyrrhawk",                                     // 146
    "Wyvlet", "Wyvessa", "Wyvaroth",                // 147-149
    "Mentaryx",                                     // 150
    "Primavex",                                     // 151
};
// clang-format on

// Base values by species number (row n - 1 holds species n), in the field order of
// SpeciesRecord: exp, HP, attack, defense, speed, special1, special2. Every value lies between 5
// and 255; each field's extremes belong to one or a few species only (e.g. HP 250 and exp 255 to
// 113, defense 180 to 91), and the six statistics sum to between 195 (10 and 13) and 680 (150).
constexpr std::array<SpeciesRecord, kSpeciesCount> kRecords = {{
    {64, 45, 49, 49, 45, 65, 65}, // 1 Fernip
    {150, 70, 50, 60, 68, 126, 85}, // 2 Ferngrove
    {211, 95, 65, 70, 97, 143, 94}, // 3 Fernwarden
    {59, 35, 55, 33, 85, 49, 40}, // 4 Cindrel
    {124, 45, 75, 50, 130, 70, 55}, // 5 Cindrax
    {187, 53, 93, 55, 130, 100, 69}, // 6 Cindromar
    {62, 50, 60, 90, 30, 45, 55}, // 7 Ripplet
    {122, 70, 75, 100, 45, 65, 85}, // 8 Ripclaw
    {213, 80, 110, 130, 50, 72, 105}, // 9 Riptidon
    {53, 45, 30, 35, 45, 20, 20}, // 10 Nibwig
    {90, 40, 35, 45, 53, 88, 50}, // 11 Nibcoon
    {172, 55, 45, 55, 85, 110, 73}, // 12 Nibwing
    {52, 40, 35, 30, 50, 20, 20}, // 13 Stinglet
    {106, 60, 85, 55, 48, 35, 35}, // 14 Stingpod
    {162, 70, 110, 65, 65, 45, 55}, // 15 Stingvex
    {62, 40, 52, 34, 83, 55, 52}, // 16 Pipwit
    {139, 55, 65, 37, 115, 60, 70}, // 17 Pipgale
    {165, 61, 80, 50, 130, 85, 80}, // 18 Piptempest
    {67, 71, 85, 50, 50, 35, 40}, // 19 Gnawby
    {165, 100, 120, 85, 80, 50, 70}, // 20 Gnawbrute
    {80, 45, 70, 35, 105, 55, 40}, // 21 Skreel
    {176, 60, 101, 60, 130, 80, 65}, // 22 Skreelhawk
    {57, 50, 75, 50, 50, 25, 40}, // 23 Slinkra
    {173, 85, 110, 75, 66, 45, 60}, // 24 Slinkobra
    {64, 35, 54, 32, 65, 45, 45}, // 25 Fizzet
    {157, 55, 81, 45, 105, 75, 60}, // 26 Fizzferret
    {83, 66, 61, 95, 31, 40, 55}, // 27 Dustmole
    {164, 95, 75, 150, 40, 65, 83}, // 28 Dustmaul
    {63, 100, 40, 50, 30, 40, 50}, // 29 Quillip
    {125, 115, 60, 60, 45, 45, 65}, // 30 Quillora
    {226, 180, 70, 90, 55, 74, 77}, // 31 Quillqueen
    {57, 40, 70, 45, 42, 25, 35}, // 32 Hornix
    {106, 51, 95, 55, 55, 40, 45}, // 33 Hornadon
    {156, 80, 120, 75, 70, 50, 65}, // 34 Hornarch
    {83, 90, 50, 60, 35, 50, 60}, // 35 Lumie
    {155, 115, 75, 80, 50, 65, 80}, // 36 Lumiella
    {66, 30, 55, 30, 70, 45, 40}, // 37 Emberkit
    {140, 55, 77, 50, 105, 70, 64}, // 38 Embervixen
    {74, 85, 43, 60, 25, 50, 55}, // 39 Puffsy
    {186, 130, 75, 90, 40, 75, 83}, // 40 Puffsworth
    {54, 30, 50, 30, 80, 45, 30}, // 41 Nyctip
    {135, 43, 75, 45, 110, 60, 45}, // 42 Nyctwing
    {66, 45, 30, 40, 55, 80, 55}, // 43 Sporet
    {127, 65, 45, 55, 88, 105, 75}, // 44 Sporella
    {195, 75, 55, 75, 100, 135, 93}, // 45 Sporanth
    {64, 52, 40, 90, 25, 30, 38}, // 46 Fungrab
    {164, 84, 75, 140, 40, 55, 65}, // 47 Fungrabber
    {53, 40, 25, 30, 50, 65, 45}, // 48 Mothdew
    {165, 65, 41, 54, 75, 110, 75}, // 49 Mothveil
    {81, 10, 55, 25, 95, 35, 45}, // 50 Tunnek
    {159, 55, 70, 50, 100, 75, 60}, // 51 Tunnekko
    {66, 30, 50, 35, 70, 55, 45}, // 52 Whiskit
    {160, 45, 72, 60, 110, 80, 70}, // 53 Whiskarch
    {51, 30, 30, 35, 35, 70, 55}, // 54 Paddlo
    {154, 50, 45, 60, 71, 110, 80}, // 55 Paddlomir
    {64, 47, 85, 63, 55, 30, 35}, // 56 Grumpo
    {159, 70, 120, 93, 80, 40, 60}, // 57 Grumpalon
    {52, 40, 70, 42, 38, 20, 35}, // 58 Kindlepup
    {142, 75, 105, 70, 65, 35, 55}, // 59 Kindlemane
    {53, 40, 45, 60, 45, 55, 45}, // 60 Swirlet
    {126, 60, 65, 69, 60, 70, 60}, // 61 Swirlog
    {180, 70, 75, 91, 87, 95, 75}, // 62 Swirlgrip
    {73, 50, 34, 40, 54, 100, 55}, // 63 Mindle
    {126, 62, 43, 65, 60, 120, 65}, // 64 Mindalor
    {193, 80, 60, 70, 75, 140, 90}, // 65 Mindazar
    {51, 45, 85, 40, 45, 30, 30}, // 66 Brawlik
    {127, 70, 125, 55, 65, 40, 45}, // 67 Brawlox
    {205, 95, 125, 80, 80, 55, 65}, // 68 Brawlgant
    {47, 50, 60, 40, 50, 25, 30}, // 69 Snaplet
    {109, 70, 85, 62, 65, 35, 44}, // 70 Snapvine
    {153, 100, 99, 75, 85, 45, 62}, // 71 Snapmaw
    {65, 50, 25, 50, 40, 45, 70}, // 72 Jellune
    {150, 70, 44, 70, 57, 70, 110}, // 73 Jellunox
    {67, 60, 60, 80, 25, 40, 45}, // 74 Pebbit
    {109, 73, 70, 105, 35, 58, 55}, // 75 Pebbrock
    {208, 100, 105, 135, 40, 60, 80}, // 76 Pebbolith
    {61, 35, 46, 35, 95, 55, 50}, // 77 Flarecolt
    {165, 55, 85, 50, 125, 80, 80}, // 78 Flaresteed
    {99, 90, 65, 65, 15, 40, 40}, // 79 Drowsel
    {176, 112, 85, 70, 44, 80, 84}, // 80 Drowselord
    {57, 35, 25, 40, 45, 80, 45}, // 81 Voltick
    {180, 55, 50, 60, 80, 130, 80}, // 82 Voltrio
    {122, 65, 56, 60, 60, 60, 60}, // 83 Stalkwing
    {73, 43, 60, 35, 95, 55, 45}, // 84 Scurrak
    {153, 56, 100, 45, 115, 80, 56}, // 85 Scurrakon
    {67, 60, 30, 45, 35, 55, 65}, // 86 Floebe
    {173, 80, 45, 65, 60, 75, 113}, // 87 Floeborne
    {62, 90, 50, 42, 25, 45, 60}, // 88 Sludgit
    {173, 160, 75, 75, 35, 70, 95}, // 89 Sludgemire
    {88, 70, 60, 98, 30, 44, 65}, // 90 Carapod
    {203, 50, 95, 180, 70, 85, 45}, // 91 Carapex
    {61, 35, 33, 37, 65, 75, 60}, // 92 Wispen
    {117, 47, 50, 50, 85, 113, 75}, // 93 Wispectra
    {193, 63, 60, 60, 98, 123, 110}, // 94 Wisperion
    {122, 55, 75, 95, 40, 45, 75}, // 95 Slatecoil
    {59, 45, 31, 40, 35, 45, 80}, // 96 Dreamole
    {141, 70, 45, 63, 60, 65, 120}, // 97 Dreamonger
    {73, 65, 85, 45, 50, 35, 44}, // 98 Pincrab
    {172, 90, 125, 70, 80, 45, 55}, // 99 Pincrusher
    {73, 45, 52, 41, 80, 50, 50}, // 100 Sparkorb
    {150, 60, 50, 70, 140, 80, 80}, // 101 Sparkorbit
    {67, 50, 40, 45, 60, 75, 64}, // 102 Podlet
    {193, 80, 55, 65, 85, 110, 90}, // 103 Podpalm
    {69, 45, 55, 75, 31, 45, 50}, // 104 Skullkit
    {174, 75, 80, 115, 40, 65, 75}, // 105 Skullmarrow
    {134, 80, 130, 85, 65, 45, 50}, // 106 Strikara
    {129, 80, 50, 70, 61, 70, 105}, // 107 Jabbrax
    {124, 105, 49, 57, 40, 57, 70}, // 108 Lapsnout
    {63, 55, 60, 73, 30, 40, 45}, // 109 Fumlet
    {188, 85, 85, 116, 50, 60, 70}, // 110 Fumulous
    {52, 45, 70, 50, 35, 25, 40}, // 111 Rammox
    {154, 80, 124, 85, 60, 40, 65}, // 112 Rammoth
    {255, 250, 5, 5, 50, 35, 105}, // 113 Nurturine
    {138, 65, 95, 127, 36, 65, 75}, // 114 Tanglor
    {149, 135, 65, 85, 49, 55, 85}, // 115 Marsupex
    {54, 45, 35, 30, 38, 60, 50}, // 116 Finlet
    {142, 64, 55, 60, 70, 95, 95}, // 117 Finspire
    {70, 35, 50, 34, 77, 60, 40}, // 118 Glimmet
    {165, 47, 75, 50, 130, 80, 57}, // 119 Glimmaris
    {58, 31, 40, 30, 65, 40, 36}, // 120 Starlo
    {165, 50, 70, 52, 125, 70, 65}, // 121 Starlorium
    {162, 89, 50, 55, 70, 80, 101}, // 122 Mimecho
    {162, 95, 120, 80, 85, 40, 68}, // 123 Scythora
    {174, 75, 50, 70, 85, 115, 90}, // 124 Frostiva
    {136, 60, 72, 55, 125, 70, 65}, // 125 Voltazar
    {147, 70, 50, 72, 90, 120, 85}, // 126 Magmora
    {153, 85, 115, 100, 86, 52, 55}, // 127 Pincerex
    {168, 65, 85, 50, 120, 85, 71}, // 128 Taurage
    {20, 20, 10, 55, 80, 15, 20}, // 129 Floppet
    {129, 55, 100, 65, 70, 38, 40}, // 130 Floptyrant
    {191, 160, 90, 74, 55, 80, 100}, // 131 Tidehulk
    {61, 48, 48, 48, 48, 48, 48}, // 132 Blobbit
    {114, 40, 60, 60, 40, 60, 55}, // 133 Shiftail
    {45, 35, 25, 46, 30, 45, 60}, // 134 Tidepup
    {115, 60, 40, 65, 50, 70, 85}, // 135 Tidewolf
    {188, 85, 50, 80, 67, 92, 105}, // 136 Tidewarden
    {123, 64, 45, 57, 76, 97, 65}, // 137 Polyglyph
    {67, 45, 50, 100, 30, 45, 50}, // 138 Spiralith
    {157, 70, 80, 145, 45, 65, 80}, // 139 Spiralodon
    {83, 57, 90, 60, 60, 35, 45}, // 140 Shellkin
    {159, 84, 110, 85, 85, 45, 65}, // 141 Shellscythe
    {181, 65, 100, 65, 125, 65, 80}, // 142 Ambrawing
    {162, 170, 80, 80, 55, 61, 87}, // 143 Slumbron
    {215, 90, 85, 100, 85, 95, 125}, // 144 Glacivane
    {196, 90, 65, 70, 102, 135, 100}, // 145 Thundrel
    {174, 85, 55, 80, 100, 135, 115}, // 146 Pyrrhawk
    {70, 60, 100, 50, 65, 35, 35}, // 147 Wyvlet
    {131, 80, 125, 70, 85, 50, 45}, // 148 Wyvessa
    {218, 91, 134, 95, 80, 100, 100}, // 149 Wyvaroth
    {220, 106, 110, 90, 130, 154, 90}, // 150 Mentaryx
    {64, 100, 100, 100, 100, 100, 100}, // 151 Primavex
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
