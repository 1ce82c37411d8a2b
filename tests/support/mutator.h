#pragma once
// Damaged inputs for robustness tests: a small valid input changed by a few
// random edits (bytes replaced, inserted, removed, repeated, the input cut),
// the same inputs on every run and every machine for the same seed.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace testing_support {

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    // `valid` with one to four edits; `tokens` are pieces worth inserting
    // (separators, line ends, encodings' marks), beside single random bytes.
    std::string mutate(std::string_view valid, std::initializer_list<std::string_view> tokens = {}) {
        std::string s(valid);
        for (unsigned edits = 1 + below(4); edits > 0; --edits) edit(s, tokens);
        return s;
    }

    // A number below n; the generator's own arithmetic, so no library's
    // distribution can make the inputs differ between machines.
    unsigned below(unsigned n) { return n == 0 ? 0 : static_cast<unsigned>(random_() % n); }

private:
    void edit(std::string& s, std::initializer_list<std::string_view> tokens) {
        const auto at = [&] { return below(static_cast<unsigned>(s.size()) + 1); };
        switch (below(6)) {
            case 0:  // one byte replaced
                if (!s.empty()) s[below(static_cast<unsigned>(s.size()))] = static_cast<char>(below(256));
                break;
            case 1:  // a random byte inserted
                s.insert(at(), 1, static_cast<char>(below(256)));
                break;
            case 2:  // a token inserted
                if (tokens.size() > 0) s.insert(at(), tokens.begin()[below(static_cast<unsigned>(tokens.size()))]);
                break;
            case 3: {  // a piece removed
                const unsigned from = at();
                s.erase(from, 1 + below(16));
                break;
            }
            case 4: {  // a piece repeated
                const unsigned from = at();
                const std::string piece = s.substr(from, 1 + below(32));
                s.insert(at(), piece);
                break;
            }
            default:  // cut short
                s.resize(at());
        }
    }

    std::mt19937 random_;
};

}  // namespace testing_support
