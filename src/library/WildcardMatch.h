#pragma once
// File-name patterns: "*" any run of characters, "?" one character, "#" one digit, and a
// bracketed list ("[abc]", ranges "[a-z]", negated "[!0-9]") one character of the set. Every
// other character stands for itself. Matching takes time linear in name × pattern at worst.
#include <QList>
#include <QString>

class WildcardMatch {
public:
    WildcardMatch(const QString& pattern, bool caseSensitive);
    bool matches(const QString& name) const;

private:
    enum class Kind { Literal, AnyOne, Digit, Set, AnyRun };
    struct Token {
        Kind kind = Kind::Literal;
        QChar ch;
        bool negated = false;
        QList<QPair<QChar, QChar>> ranges;
    };
    static bool tokenMatches(const Token& token, QChar c);

    QList<Token> tokens_;
    bool caseSensitive_;
};
