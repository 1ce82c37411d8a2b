// Damaged report settings, made deterministically from a saved section: the
// value decoder reads any text without a crash or a hang and writes back what
// it read unchanged, and a damaged section restores only values its controls
// can take.
#include <gtest/gtest.h>

#include <cmath>

#include "gridreport/paper.h"
#include "gridreport/settings_file.h"
#include "report_fixture.h"
#include "support/mutator.h"

namespace {

using namespace gridreport;
using shell::Value;
using shell::ValueList;

const std::initializer_list<std::string_view> tokens = {
    "A", "C", "N", "L", "U", "   0", "   1", "   5", "  -1", "9999", "nan", "inf", "1e308", "-", ".", "Ж", "\xD0",
    "T", "F", "=", "[", "]", "\r\n", "\xFF\xFE",
};

// Nothing restored, or a value within the control's range.
bool within(std::optional<double> v, double low, double high) { return !v || (std::isfinite(*v) && *v >= low && *v <= high); }
bool within(std::optional<int> v, int low, int high) { return !v || (*v >= low && *v <= high); }

TEST(SettingsMutation, ListTextsReadBackAsTheyAreWritten) {
    const std::string seeds[] = {
        ATOC({ValueList{"ID", 12.7, 1.0}, ValueList{"Име ^", 31.75, 2.0}}),
        ATOC({"Наслов", "", Value{}, true}),
    };
    testing_support::Mutator mutator(7);
    for (int i = 0; i < 50000; ++i) {
        const std::string damaged = mutator.mutate(seeds[mutator.below(2)], tokens);
        const std::string written = ATOC(CTOA(damaged));
        ASSERT_EQ(ATOC(CTOA(written)), written) << testing::PrintToString(damaged);
    }
}

TEST(SettingsMutation, DamagedSectionsRestoreOnlyUsableValues) {
    const ui::TextTable rows = report_fixture::table({{"1", "Ана"}});
    ReportState s = report_fixture::report(rows, {"ID", "Име"}, {1, 0});
    Settings v;
    v.headers = {"Наслов", "", ""};
    v.footer = "Подножје";
    v.mergeList = {{1, 2, "Износ"}};
    ini::File saved;
    saveSettings(saved, s, v);
    const std::string section = s.section();
    const std::string seeds[] = {saved.bytes(), ini::File(saved.bytes()).bytes()};
    // The section's own text in UTF-8, so that edits hit the values rather than the encoding.
    std::string text;
    for (int n = 1; n <= 20; ++n)
        text += "gridprintdata" + std::to_string(n) + "=" + saved.read(section, "gridprintdata" + std::to_string(n)).value() + "\r\n";
    const std::string utf8Seed = "[" + section + "]\r\ncontrolname=" + section + "\r\n" + text;

    testing_support::Mutator mutator(2026);
    int restored = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string damaged = mutator.mutate(i % 4 ? utf8Seed : seeds[0], tokens);
        const auto stored = storedSettings(ini::File(damaged), section, 2, 1);
        if (!stored) continue;
        ++restored;
        const auto what = testing::PrintToString(damaged);
        if (stored->columns) {
            ASSERT_EQ(stored->columns->size(), 2u) << what;
            for (const Column& c : *stored->columns) {
                ASSERT_TRUE(c.include == 1 || c.include == 2) << what;
                ASSERT_TRUE(std::isfinite(c.width) && c.width >= 0) << what;
            }
        }
        ASSERT_TRUE(within(stored->fontEntry, 1, static_cast<int>(FONTSIZESSTR.size()))) << what;
        ASSERT_TRUE(within(stored->lengthyLine, WordWrap, Truncate)) << what;
        ASSERT_TRUE(within(stored->pagination, PageNoOff, PageNoBottom)) << what;
        ASSERT_TRUE(within(stored->orientation, Landscape, Portrait)) << what;
        ASSERT_TRUE(within(stored->printer, 1, 1)) << what;
        ASSERT_TRUE(within(stored->paper, 1, userDefinedEntry)) << what;
        for (const auto& length : {stored->width, stored->height}) ASSERT_TRUE(within(length, 0.01, 999.99)) << what;
        for (const auto& margin : {stored->top, stored->right, stored->left, stored->bottom})
            ASSERT_TRUE(within(margin, 0.0, 99.99)) << what;
        for (const MergeRow& m : stored->mergeList.value_or(std::vector<MergeRow>{}))
            ASSERT_TRUE(within(m.from, 0, 999) && within(m.to, 0, 999)) << what;
    }
    EXPECT_GT(restored, 0);  // the edits leave some sections to restore; the count is no target
}

}  // namespace
