#pragma once

#include <optional>

// The interface language. The files and the command line keep it as a
// number (0 Russian, 1 English); inside the program it is one of two values.
enum class Language { Russian = 0, English = 1 };

// The language a stored number stands for; none for any other number.
inline std::optional<Language> languageFromNumber(int number)
{
    if (number == 0)
        return Language::Russian;
    if (number == 1)
        return Language::English;
    return std::nullopt;
}

inline int languageNumber(Language language)
{
    return language == Language::English ? 1 : 0;
}
