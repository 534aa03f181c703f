#include "library/WildcardMatch.h"

namespace {
QChar fold(QChar c, bool caseSensitive) {
    return caseSensitive ? c : c.toUpper();
}
} // namespace

WildcardMatch::WildcardMatch(const QString& pattern, bool caseSensitive)
    : caseSensitive_(caseSensitive) {
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        Token token;
        if (c == QLatin1Char('*')) {
            if (!tokens_.isEmpty() && tokens_.last().kind == Kind::AnyRun) continue;
            token.kind = Kind::AnyRun;
        } else if (c == QLatin1Char('?')) {
            token.kind = Kind::AnyOne;
        } else if (c == QLatin1Char('#')) {
            token.kind = Kind::Digit;
        } else if (c == QLatin1Char('[') && pattern.indexOf(QLatin1Char(']'), i + 1) > i) {
            const qsizetype close = pattern.indexOf(QLatin1Char(']'), i + 1);
            qsizetype j = i + 1;
            token.kind = Kind::Set;
            if (j < close && pattern[j] == QLatin1Char('!')) {
                token.negated = true;
                ++j;
            }
            for (; j < close; ++j) {
                const QChar low = fold(pattern[j], caseSensitive);
                if (j + 2 < close && pattern[j + 1] == QLatin1Char('-')) {
                    token.ranges.append({low, fold(pattern[j + 2], caseSensitive)});
                    j += 2;
                } else {
                    token.ranges.append({low, low});
                }
            }
            i = close;
        } else {
            token.ch = fold(c, caseSensitive);
        }
        tokens_.append(token);
    }
}

bool WildcardMatch::tokenMatches(const Token& token, QChar c) {
    switch (token.kind) {
    case Kind::Literal:
        return c == token.ch;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case Kind::Set: {
        bool inSet = false;
        for (const auto& [low, high] : token.ranges)
            inSet = inSet || (c >= low && c <= high);
        return inSet != token.negated;
    }
    case Kind::AnyRun:
        break;
    }
    return false;
}

bool WildcardMatch::matches(const QString& name) const {
    // Greedy matching that, on a mismatch, lets the last "*" take one more character: every
    // other token takes exactly one character, so this never needs more than one way back.
    qsizetype n = 0, t = 0, starToken = -1, starName = 0;
    while (n < name.size()) {
        const QChar c = fold(name[n], caseSensitive_);
        if (t < tokens_.size() && tokens_[t].kind == Kind::AnyRun) {
            starToken = t++;
            starName = n;
        } else if (t < tokens_.size() && tokenMatches(tokens_[t], c)) {
            ++t;
            ++n;
        } else if (starToken >= 0) {
            t = starToken + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (t < tokens_.size() && tokens_[t].kind == Kind::AnyRun)
        ++t;
    return t == tokens_.size();
}
