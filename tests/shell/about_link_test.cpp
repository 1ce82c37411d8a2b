#include "shell/about_link.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutLink, WebAddressesOpenAsTheyAreEverythingElseAsMail) {
    struct Case {
        std::string text, target;
    } cases[] = {
        {"http://kasavel.mk", "http://kasavel.mk"},
        {"https://kasavel.mk", "https://kasavel.mk"},
        {"HTTP://KASAVEL.MK", "HTTP://KASAVEL.MK"},
        {"Https://kasavel.mk/za", "Https://kasavel.mk/za"},
        {"info@kasavel.mk", "mailto:info@kasavel.mk"},
        {"www.kasavel.mk", "mailto:www.kasavel.mk"},
        {"http:/kasavel.mk", "mailto:http:/kasavel.mk"},
        {"", "mailto:"},
    };
    for (const Case& c : cases) EXPECT_EQ(shell::linkTarget(c.text), c.target) << c.text;
}

}  // namespace
