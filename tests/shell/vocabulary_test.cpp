#include "shell/vocabulary.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/text/utf8.h"

namespace {

const vocab::Entry* find(std::string_view name) {
    for (const vocab::Entry& e : vocab::entries())
        if (e.name == name) return &e;
    return nullptr;
}

struct Expected {
    const char* name;
    const std::string& constant;
    std::string_view text;
};

TEST(Vocabulary, ChosenEntriesMatchByteForByte) {
    const Expected cases[] = {
        {"CMAINSTATUSITEM", vocab::CMAINSTATUSITEM, "Најавен корисник: "},
        {"CTITNALOZI", vocab::CTITNALOZI, "Налози образец "},
        {"CPORDALIBRISEZAPIS", vocab::CPORDALIBRISEZAPIS,
         "Дали навистина сакате да го избришете записот "},
        {"CPORDALIBRISESITEREDOVI", vocab::CPORDALIBRISESITEREDOVI,
         "Дали навистина сакате да ги избришете сите селектирани редови ?"},
        {"CVALUELBLEMAIL", vocab::CVALUELBLEMAIL, "e-mail:"},
        {"CCAPTIONOK", vocab::CCAPTIONOK, "&OK"},
        {"CPORNEMOZEOTVORIBAZA", vocab::CPORNEMOZEOTVORIBAZA, "Не можам да ја отворам Kasavel.db"},
        {"CPORGRESKA", vocab::CPORGRESKA, "Грешка!!!"},
        {"CPORPRAZENEMBG", vocab::CPORPRAZENEMBG, "Полето со единствен матичен број е празно!"},
        {"CMENUEPDD", vocab::CMENUEPDD, "&еПДД"},
        {"CSTATUSITEM", vocab::CSTATUSITEM, "Ins: Додај нов, Dbl-Click: Измени, Del: Избриши"},
        {"CTOOLTIPSMETKAPRIMAC", vocab::CTOOLTIPSMETKAPRIMAC, "Жиро сметка на примачот"},
        {"CVALUELBLDO", vocab::CVALUELBLDO, "до:"},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.constant, c.text);
        // The listing and the constants come from two expansions of the same list.
        const vocab::Entry* e = find(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->text, c.text);
    }
}

TEST(Vocabulary, EmailLabelKeepsTheLaterOfItsTwoTexts) {
    std::size_t seen = 0;
    for (const vocab::Entry& e : vocab::entries())
        if (e.name == "CVALUELBLEMAIL") ++seen;
    EXPECT_EQ(seen, 1u);
    EXPECT_NE(vocab::CVALUELBLEMAIL, "Електронска пошта:");
}

TEST(Vocabulary, NamesAreUniqueAndTextsWellFormed) {
    std::set<std::string_view> names;
    std::set<std::string_view> endingWithBlank;
    for (const vocab::Entry& e : vocab::entries()) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_TRUE(names.insert(e.name).second) << "set twice";
        ASSERT_FALSE(e.text.empty());
        EXPECT_TRUE(utf8::valid(e.text));
        EXPECT_NE(e.text.front(), ' ');
        EXPECT_EQ(e.text.find('\0'), std::string_view::npos);
        if (e.text.back() == ' ') endingWithBlank.insert(e.name);
    }
    // Only the texts that get a value appended end with a blank.
    const std::set<std::string_view> appended = {"CMAINSTATUSITEM", "CPORDALIBRISEZAPIS",
                                                 "CTITNALOZI", "CPORNEMOZESOCUVAFAJL",
                                                 "CPORNEGATIVENIZNOSNALOG", "CPORPREGOLEMIZNOSNALOG",
                                                 "CPORNEMOZESOCUVATABELA", "CPORTABELAZACUVANA",
                                                 "CPORNEMOZEPROCITAFAJL", "CPORKRATOKRED", "CPORNEISPRAVENIZNOS",
                                                 "CPORNEISPRAVENBROJVOPOLE", "CPORSTAVKAIZMENETA",
                                                 "CPORPRIMACBEZOPSTINA", "CPORNEUTF8", "CPORNALOGNEPOSTOI",
                                                 "CPORNALOGIZMENET", "CPORNEISPRAVENDATUM", "CPORNEPOSTOIDATUM",
                                                 "CPORNEMOZEDASEOTVORI", "CPORIZNOSNESOBIRA",
                                                 "CPORFAJLNALOZINEPODNESENI", "CPORFAJLSTAVKINEPLATENI",
                                                 "CPORPREMNOGUNALOZI", "CPORFAJLNESMESTEN",
                                                 "CPORFAJLZADRZAN", "CPORNECITLIVAVREDNOST", "CPORNALOG",
                                                 "CPORSTAVKA", "CPORNEGATIVENZACUVANIZNOS",
                                                 "CPORPREGOLEMZACUVANIZNOS", "CPORPREDOLGAKELIJA", "CPORKOLONA"};
    EXPECT_EQ(endingWithBlank, appended);
}

TEST(Vocabulary, EveryKindIsComplete) {
    // A dropped or doubled line in the list changes one of these counts.
    const std::map<std::string_view, std::size_t> expected = {
        {"CPOR", 131},  {"CMENU", 25}, {"CTIT", 33}, {"CCAPTION", 20},
        {"CTOOLTIP", 118}, {"CVALUE", 81}, {"COPT", 7}, {"STATUS", 2},
    };
    std::map<std::string_view, std::size_t> counted;
    for (const vocab::Entry& e : vocab::entries()) {
        std::string_view kind = "STATUS";
        for (std::string_view prefix :
             {"CPOR", "CMENU", "CTIT", "CCAPTION", "CTOOLTIP", "CVALUE", "COPT"}) {
            if (e.name.starts_with(prefix)) kind = prefix;
        }
        if (kind == "STATUS") {
            EXPECT_TRUE(e.name == "CSTATUSITEM" || e.name == "CMAINSTATUSITEM") << e.name;
        }
        ++counted[kind];
    }
    EXPECT_EQ(counted, expected);
}

}  // namespace
