#pragma once

#include "platform/jet/FoldedSearch.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace velox::jet::sql {

// A Jet LIKE pattern: * any run of characters, ? one character, # one
// digit, [abc] / [a-z] one of a set, [!abc] one not in it; letters match
// without regard to case. Raises JetError 3075 for an unclosed set.
class LikePattern {
public:
    explicit LikePattern(const QString& pattern);
    [[nodiscard]] bool matches(const QString& text) const;
    // "*": any text at all.
    [[nodiscard]] bool matchesAnything() const { return matchesAll_; }
    // "*text*" with plain characters: the search for the text in stored
    // text; null otherwise.
    [[nodiscard]] const FoldedSearch* containedSearch() const {
        return contained_ ? &*contained_ : nullptr;
    }

private:
    enum class Kind { Char, AnyRun, AnyOne, Digit, Set };
    struct Range {
        char16_t low;
        char16_t high;
    };
    struct Element {
        Kind kind = Kind::Char;
        char16_t ch = 0;
        bool negated = false;
        std::vector<Range> ranges;
    };
    [[nodiscard]] bool matchOne(const Element& e, char16_t folded) const;

    std::vector<Element> elements_;
    // "*text*" and "*": answered by a plain search.
    bool containsOnly_ = false;
    bool matchesAll_ = false;
    QString literal_;
    std::optional<FoldedSearch> contained_;
};

} // namespace velox::jet::sql
