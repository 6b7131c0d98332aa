#include "platform/jet/LikePattern.h"

#include "platform/jet/JetError.h"

namespace velox::jet::sql {

namespace {
char16_t fold(QChar c) {
    return c.toCaseFolded().unicode();
}
} // namespace

LikePattern::LikePattern(const QString& pattern) {
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        Element e;
        if (c == QLatin1Char('*')) {
            e.kind = Kind::AnyRun;
            if (!elements_.empty() && elements_.back().kind == Kind::AnyRun) {
                continue;
            }
        } else if (c == QLatin1Char('?')) {
            e.kind = Kind::AnyOne;
        } else if (c == QLatin1Char('#')) {
            e.kind = Kind::Digit;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = pattern.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0) {
                throw JetError(errors::SyntaxErrorInExpression,
                               QStringLiteral("Invalid pattern string '%1'.").arg(pattern));
            }
            QString body = pattern.mid(i + 1, close - i - 1);
            i = close;
            e.kind = Kind::Set;
            if (body.startsWith(QLatin1Char('!'))) {
                e.negated = true;
                body.remove(0, 1);
            }
            for (qsizetype k = 0; k < body.size(); ++k) {
                if (k + 2 < body.size() && body.at(k + 1) == QLatin1Char('-')) {
                    e.ranges.push_back({fold(body.at(k)), fold(body.at(k + 2))});
                    k += 2;
                } else {
                    e.ranges.push_back({fold(body.at(k)), fold(body.at(k))});
                }
            }
        } else {
            e.kind = Kind::Char;
            e.ch = fold(c);
        }
        elements_.push_back(std::move(e));
    }
    // Shortcuts for the shapes queries use most.
    if (elements_.size() == 1 && elements_[0].kind == Kind::AnyRun) {
        matchesAll_ = true;
    } else if (elements_.size() >= 2 && elements_.front().kind == Kind::AnyRun &&
               elements_.back().kind == Kind::AnyRun) {
        bool plain = true;
        for (std::size_t k = 1; k + 1 < elements_.size(); ++k) {
            plain = plain && elements_[k].kind == Kind::Char;
        }
        if (plain) {
            containsOnly_ = true;
            std::u16string folded;
            for (std::size_t k = 1; k + 1 < elements_.size(); ++k) {
                literal_.append(QChar(elements_[k].ch));
                folded.push_back(elements_[k].ch);
            }
            contained_.emplace(folded);
        }
    }
}

bool LikePattern::matchOne(const Element& e, char16_t folded) const {
    switch (e.kind) {
    case Kind::Char:
        return e.ch == folded;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return folded >= u'0' && folded <= u'9';
    case Kind::Set: {
        bool in = false;
        for (const Range& r : e.ranges) {
            in = in || (folded >= r.low && folded <= r.high);
        }
        return in != e.negated;
    }
    case Kind::AnyRun:
        break;
    }
    return false;
}

bool LikePattern::matches(const QString& text) const {
    if (matchesAll_) {
        return true;
    }
    if (containsOnly_) {
        return text.contains(literal_, Qt::CaseInsensitive);
    }
    const std::size_t m = elements_.size();
    const qsizetype n = text.size();
    qsizetype i = 0;
    std::size_t p = 0;
    std::size_t star = m; // none
    qsizetype mark = 0;
    while (i < n) {
        if (p < m && elements_[p].kind == Kind::AnyRun) {
            star = p++;
            mark = i;
        } else if (p < m && matchOne(elements_[p], fold(text.at(i)))) {
            ++i;
            ++p;
        } else if (star < m) {
            p = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (p < m && elements_[p].kind == Kind::AnyRun) {
        ++p;
    }
    return p == m;
}

} // namespace velox::jet::sql
