#pragma once
// Recipients as a payer's files name them: Macedonian first names and
// surnames (a woman's surname in its own form), places, notes and amounts,
// thousands of distinct people spread over the rows instead of a few copies.
#include <cstdint>
#include <string>

namespace bench {

// The same number always gives the same choices, unrelated to its neighbours'.
inline std::uint64_t mixed(std::uint64_t n) {
    n += 0x9E3779B97F4A7C15;
    n = (n ^ (n >> 30)) * 0xBF58476D1CE4E5B9;
    n = (n ^ (n >> 27)) * 0x94D049BB133111EB;
    return n ^ (n >> 31);
}

template <std::size_t N>
const char* pick(const char* const (&choices)[N], std::uint64_t n) {
    return choices[n % N];
}

struct Person {
    std::string firstName, surname, place;
};

// Person `n` of some 5,000 distinct ones: 5,000 numbers apart, the same person.
inline Person person(int n) {
    static const char* const men[] = {
        "Александар", "Благоја", "Бојан",  "Васил",   "Горан",   "Драган",  "Ѓорѓи",   "Живко",  "Зоран",
        "Игор",       "Јордан",  "Кирил",  "Љупчо",   "Марко",   "Никола",  "Огнен",   "Петар",  "Ристо",
        "Сашо",       "Трајче",  "Ќирко",  "Филип",   "Христијан", "Цветан", "Чедо",   "Џемаил", "Стојан"};
    static const char* const women[] = {
        "Ана",     "Билјана", "Весна",  "Гордана", "Даниела", "Елена",  "Жаклина", "Зорица", "Ивана",
        "Јасмина", "Катерина", "Лидија", "Љубица", "Марија",  "Наташа", "Оливера", "Снежана", "Татјана",
        "Фросина", "Христина", "Цвета", "Ѕвезда",  "Мирјана", "Симона", "Благица"};
    // Stems that take -ски/-ска, -ов/-ова and -ев/-ева; a few do not change.
    static const char* const ski[] = {"Петров", "Стојанов", "Трајков", "Николов", "Јованов", "Ангелов",
                                      "Димитров", "Шуплинов", "Караџов", "Ристов", "Велков", "Митрев",
                                      "Богдано", "Тодоров", "Наумов", "Блажев", "Кочов", "Ѓорѓиев"};
    static const char* const ov[] = {"Стефан", "Костадин", "Спас", "Цветков", "Атанас", "Илиев", "Мален",
                                     "Јакимов", "Поп", "Ѓуров", "Зафир", "Муча", "Ласков", "Чаушев"};
    static const char* const fixed[] = {"Јовановиќ", "Николиќ", "Бериша", "Шаќири", "Зендели", "Бајрами"};
    static const char* const places[] = {"Скопје", "Битола", "Куманово", "Прилеп", "Тетово", "Велес", "Штип",
                                         "Охрид", "Гостивар", "Струмица", "Кавадарци", "Кочани", "Кичево",
                                         "Струга", "Радовиш", "Гевгелија", "Дебар", "Крива Паланка"};
    const std::uint64_t h = mixed(static_cast<std::uint64_t>(n % 5000));
    const bool woman = h & 1;
    Person p;
    p.firstName = woman ? pick(women, h >> 1) : pick(men, h >> 1);
    const std::uint64_t kind = (h >> 9) % 10, stem = h >> 13;
    if (kind < 5) p.surname = std::string(pick(ski, stem)) + (woman ? "ска" : "ски");
    else if (kind < 9) p.surname = std::string(pick(ov, stem)) + (woman ? "ова" : "ов");
    else p.surname = pick(fixed, stem);
    p.place = pick(places, h >> 21);
    return p;
}

// A note of a payment or purpose of an order, varied in length and words.
inline std::string note(int n) {
    static const char* const what[] = {"Авторски хонорар за", "Надомест за", "Патни трошоци за",
                                       "Договор на дело за", "Исплата за", "Хонорар за превод на"};
    static const char* const of[] = {"предавања", "рецензија", "книжевно дело", "семинар", "консултации",
                                     "учество во комисија", "истражување", "прирачник", "обука на вработени"};
    static const char* const months[] = {"јануари", "февруари", "март",     "април",    "мај",     "јуни",
                                         "јули",    "август",   "септември", "октомври", "ноември", "декември"};
    const std::uint64_t h = mixed(static_cast<std::uint64_t>(n) + 77);
    return std::string(pick(what, h)) + " " + pick(of, h >> 4) + " " + pick(months, h >> 9) + " 2026";
}

// An amount in denars from a few hundred to some hundred thousand, most small.
inline long long amount(int n) {
    const std::uint64_t h = mixed(static_cast<std::uint64_t>(n) + 991);
    const long long scales[] = {1000, 10000, 50000, 200000};
    return 300 + static_cast<long long>((h >> 8) % static_cast<std::uint64_t>(scales[h % 4]));
}

}  // namespace bench
