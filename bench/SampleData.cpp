#include "SampleData.h"

#include <cstdio>
#include <random>

namespace {

// Escaped bytes are Windows-1252 letters, so that reading has to fall back from UTF-8.
const char* const Names[] = {"Jace, the Mind Sculptor",
                             "Black Lotus",
                             "\xC9owyn, Fearless Knight",
                             "Lim-D\xFBl's Vault",
                             "J\xF6tun Grunt",
                             "Dand\xE2n",
                             "Nicol Bolas, the Ravager",
                             "Thalia, Guardian of Thraben",
                             "Liliana, the Last Hope",
                             "Serra Angel",
                             "Shivan Dragon",
                             "Lightning Bolt",
                             "Birds of Paradise",
                             "Force of Will",
                             "Sol Ring",
                             "Counterspell",
                             "Dark Ritual",
                             "Llanowar Elves",
                             "Wrath of God",
                             "Charizard",
                             "Pikachu",
                             "Mewtwo",
                             "Blue-Eyes White Dragon",
                             "Dark Magician",
                             "Elspeth, Sun's Champion"};
const char* const Sets[] = {"Alpha",    "Beta",   "Unlimited", "Revised",     "Legends",  "Ice Age",
                            "Base Set", "Jungle", "Fossil",    "4th Edition", "Dominaria"};
const char* const SetCodes[] = {"alpha", "beta", "unl", "rev", "leg", "ice",
                                "base",  "jun",  "fos", "4ed", "dom"};
const char* const Conditions[] = {"Mint",      "Near Mint", "Near Mint", "Excellent",
                                  "Very Good", "Good",      "Played",    "Poor"};
const char* const Rarities[] = {"COMMON", "COMMON", "UNCOMMON", "RARE", "MYTHIC RARE", "Holo Rare"};

template <size_t N> const char* pick(const char* const (&texts)[N], std::mt19937& random)
{
    return texts[random() % N];
}

std::string money(unsigned cents)
{
    char text[32];
    std::snprintf(text, sizeof text, "$%u,%02u", cents / 100, cents % 100);
    return text;
}

} // namespace

namespace SampleData {

std::string collectionFile(int rows)
{
    std::mt19937 random(2024);
    std::string bytes;
    bytes.reserve(size_t(rows) * 80);
    const auto line = [&bytes](const std::string& text) {
        bytes += text + "\r\n";
    };
    for (int row = 0; row < rows; ++row) {
        const unsigned set = random() % std::size(Sets);
        const unsigned number = 1 + random() % 400;
        const unsigned quantity = random() % 10 ? 1 + random() % 4 : 12;
        const unsigned cents = random() % 4 ? 10 + random() % 2000 : random() % 500000;
        line(pick(Names, random));
        char cardNumber[8];
        std::snprintf(cardNumber, sizeof cardNumber, "%03u", number);
        line(cardNumber);
        line(std::to_string(quantity));
        line(Sets[set]);
        line(pick(Conditions, random));
        line(pick(Rarities, random));
        line(money(cents));
        line(money(cents * quantity));
        // Most cards have no picture of their own.
        char picture[96] = "";
        if (random() % 5 == 0) {
            std::snprintf(picture, sizeof picture, "C:\\Users\\ann\\Pictures\\cards\\%s-%04u.jpg",
                          SetCodes[set], number);
        }
        line(picture);
    }
    return bytes;
}

} // namespace SampleData
