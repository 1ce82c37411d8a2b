#include "shell/value.h"

#include <type_traits>

namespace shell {

namespace {
bool sameValue(const Value& a, const Value& b);
}

bool ACOMPARE(const ValueList& a, const ValueList& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameValue(a[i], b[i])) return false;
    return true;
}

namespace {
bool sameValue(const Value& a, const Value& b) {
    if (a.index() != b.index()) return false;
    return std::visit(
        [&](const auto& left) {
            using T = std::decay_t<decltype(left)>;
            const T& right = std::get<T>(b);
            if constexpr (std::is_same_v<T, ValueList>) return ACOMPARE(left, right);
            else return left == right;
        },
        static_cast<const Value::variant&>(a));
}
}  // namespace

}  // namespace shell
