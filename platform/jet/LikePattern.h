#pragma once

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
    // "*text*" with plain characters: the text, case-folded; empty otherwise.
    [[nodiscard]] const std::optional<std::u16string>& containedText() const { return contained_; }

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
    std::optional<std::u16string> contained_;
};

} // namespace velox::jet::sql
