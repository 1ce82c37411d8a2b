#pragma once
// People as an institution pays them: Macedonian first names and surnames in
// their male and female forms (-ски/-ска, -оски/-оска, -ов/-ова, -евски/-евска,
// -иќ), towns, amounts and notes, many distinct and none copied; the same in
// every run, so that figures of two runs compare.
#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct Person {
    std::string first, surname, place;
};

// A small fixed generator (splitmix64): the same numbers on every platform.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    template <class List>
    const auto& pick(const List& list) {
        return list[below(std::size(list))];
    }

private:
    std::uint64_t state_;
};

inline const std::array<const char*, 44> maleNames = {
    "Александар", "Андреј",  "Благоја", "Бојан",    "Борис",   "Владимир", "Горан",  "Дејан",    "Драган",
    "Ѓорѓи",      "Жарко",   "Зоран",   "Иван",     "Игор",    "Илија",    "Јован",  "Кирил",    "Коста",
    "Љупчо",      "Марко",   "Методија", "Милан",   "Никола",  "Ненад",    "Огнен",  "Павле",    "Петар",
    "Ристо",      "Сашо",    "Стефан",  "Тони",     "Трајче",  "Филип",    "Христијан", "Цане",  "Љубомир",
    "Давор",      "Дамјан",  "Васко",   "Мирко",    "Ѕвонко",  "Њего",     "Ќирко",  "Џемаил"};
inline const std::array<const char*, 42> femaleNames = {
    "Ана",     "Александра", "Билјана", "Бисера",  "Валентина", "Весна",    "Гордана", "Даниела", "Елена",
    "Емилија", "Жаклина",    "Зорица",  "Ивана",   "Ирена",     "Јасмина",  "Јована",  "Катерина", "Лидија",
    "Љубица",  "Маја",       "Марија",  "Наташа",  "Нада",      "Оливера",  "Павлина", "Радмила", "Сандра",
    "Светлана", "Симона",    "Снежана", "Софија",  "Тања",      "Фросина",  "Цветанка", "Христина", "Ѓурѓица",
    "Николина", "Бранка",    "Вера",    "Мирјана", "Ќерима",    "Џени"};
// Surname roots; each takes the endings of one family below.
inline const std::array<const char*, 96> surnameRoots = {
    "Петр",   "Стојан", "Трајк",  "Никол",  "Јован",  "Димитр", "Рист",   "Атанас", "Ѓорѓи",  "Кост",   "Спас",
    "Тодор",  "Васил",  "Ангел",  "Благој", "Велјан", "Зафир",  "Шуплин", "Тал",    "Дамч",   "Пејчин", "Наум",
    "Стефан", "Илиј",   "Арс",    "Цвет",   "Ѕвезд",  "Митр",   "Павл",   "Крст",   "Мицк",   "Најд",   "Бож",
    "Ѓурч",   "Здрав",  "Ковач",  "Лазар",  "Марк",   "Мил",    "Нед",    "Бојчин", "Јанк",   "Велич",  "Гаврил",
    "Доне",   "Јакимо", "Кузман", "Лошк",   "Мален",  "Неделк", "Јосиф",  "Саздо",  "Серафим", "Тас",   "Трпе",
    "Филип",  "Христ",  "Цеков",  "Чавдар", "Шопк",   "Џамбаз", "Љубен",  "Њагул",  "Ќурчи",  "Угрин",  "Алекс",
    "Бошк",   "Гроздан", "Дуко",  "Ефтим",  "Жив",    "Зарев",  "Ивано",  "Карај",  "Левк",   "Муче",   "Новач",
    "Орц",    "Пандо",  "Ралп",   "Сим",    "Тодос",  "Уст",    "Фот",    "Хаџи",   "Цвијан", "Чеп",    "Шишк",
    "Богдан", "Ванг",   "Горг",   "Дојч",   "Ено",    "Жупан",  "Зрнз",   "Исаил"};
// Endings, male and female, of the surname families.
inline const std::array<std::array<const char*, 2>, 7> surnameEndings = {{{"овски", "овска"},
                                                                         {"оски", "оска"},
                                                                         {"евски", "евска"},
                                                                         {"ески", "еска"},
                                                                         {"ов", "ова"},
                                                                         {"ев", "ева"},
                                                                         {"иќ", "иќ"}}};
inline const std::array<const char*, 30> places = {
    "Скопје",   "Битола",   "Куманово",  "Прилеп",  "Тетово",    "Велес",     "Штип",     "Охрид",
    "Гостивар", "Струмица", "Кавадарци", "Кочани",  "Кичево",    "Струга",    "Радовиш",  "Гевгелија",
    "Дебар",    "Крива Паланка", "Свети Николе", "Неготино", "Делчево", "Виница", "Ресен", "Пробиштип",
    "Берово",   "Кратово",  "Крушево",   "Македонски Брод", "Валандово", "Демир Хисар"};

// `count` people, men and women about half each.
inline std::vector<Person> people(int count) {
    Dice dice(31);
    std::vector<Person> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const bool woman = dice.below(2) == 1;
        Person p;
        p.first = woman ? dice.pick(femaleNames) : dice.pick(maleNames);
        p.surname = std::string(dice.pick(surnameRoots)) + dice.pick(surnameEndings)[woman ? 1 : 0];
        p.place = dice.pick(places);
        out.push_back(std::move(p));
    }
    return out;
}

// Inserts `count` people through `insert`, a statement that takes ?1 a number
// from 1, ?2 the first name, ?3 the surname and ?4 the town.
inline void insertPeople(sqlite3* db, const char* insert, int count) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, insert, -1, &statement, nullptr);
    int id = 0;
    for (const Person& p : people(count)) {
        sqlite3_bind_int(statement, 1, ++id);
        sqlite3_bind_text(statement, 2, p.first.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 3, p.surname.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 4, p.place.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace bench
