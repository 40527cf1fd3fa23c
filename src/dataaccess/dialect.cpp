// The suite's SQL dialect on our back ends, and the one quoting routine.

#include "dataaccess/dialect.h"

#include <algorithm>
#include <vector>

#include "dataaccess/dravix.h"
#include "dataaccess/internal.h"

namespace zelk {

namespace da {

namespace {

struct Token {
    enum Kind { Word, Text, Number, Space, Punct } kind;
    QString text;  // as written; for Text the whole literal with its quotes
};

bool wordStart(QChar c) {
    return c.isLetter() || c == '_' || c.unicode() >= 0x80;
}
bool wordPart(QChar c) {
    return wordStart(c) || c.isDigit() || c == '$';
}

std::vector<Token> tokenize(const QString& sql) {
    std::vector<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        qsizetype j = i + 1;
        Token::Kind kind;
        if (c == '\'') {
            kind = Token::Text;
            while (j < n) {
                if (sql[j] == '\'') {
                    if (j + 1 < n && sql[j + 1] == '\'') {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
        } else if (c.isSpace()) {
            kind = Token::Space;
            while (j < n && sql[j].isSpace()) ++j;
        } else if (wordStart(c)) {
            kind = Token::Word;
            while (j < n && wordPart(sql[j])) ++j;
        } else if (c.isDigit()) {
            kind = Token::Number;
            while (j < n && (sql[j].isDigit() || sql[j] == '.')) ++j;
        } else {
            kind = Token::Punct;
            const QString two = sql.mid(i, 2);
            if (two == "<>" || two == "!=" || two == "<=" || two == ">=") j = i + 2;
        }
        tokens.push_back({kind, sql.mid(i, j - i)});
        i = j;
    }
    return tokens;
}

// Index of the next token that is not blank, or tokens.size().
std::size_t nextSolid(const std::vector<Token>& t, std::size_t i) {
    while (i < t.size() && t[i].kind == Token::Space) ++i;
    return i;
}

bool isComparison(const Token& token) {
    if (token.kind != Token::Punct) return false;
    static const QStringList ops{"=", "<>", "!=", "<", ">", "<=", ">="};
    return ops.contains(token.text);
}

bool isIntegerColumn(const QString& word) {
    const auto& names = integerColumnNames();
    return std::binary_search(names.begin(), names.end(), word.toLower());
}

QString literalBody(const QString& literal) {
    QString body = literal.mid(1, literal.size() - (literal.endsWith('\'') ? 2 : 1));
    return body;
}

// A quoted text that holds a whole number (blanks around it allowed) or nothing at all.
bool numberInText(const QString& body, QString* number) {
    const QString trimmed = body.trimmed();
    if (trimmed.isEmpty()) {
        *number = "0";  // the suite's server reads an empty text as 0
        return true;
    }
    qsizetype i = (trimmed[0] == '-' || trimmed[0] == '+') ? 1 : 0;
    if (i == trimmed.size() || trimmed.size() - i > 10) return false;
    for (qsizetype k = i; k < trimmed.size(); ++k)
        if (!trimmed[k].isDigit() || trimmed[k].unicode() >= 0x80) return false;
    *number = trimmed.startsWith('+') ? trimmed.mid(1) : trimmed;
    return true;
}

void rewriteTokens(std::vector<Token>& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i].kind != Token::Word) continue;
        const QString word = t[i].text.toLower();
        // "delete indt where" -> "delete from indt where"
        if (word == "delete") {
            const std::size_t k = nextSolid(t, i + 1);
            if (k < t.size() && t[k].kind == Token::Word && t[k].text.toLower() != "from")
                t.insert(t.begin() + static_cast<std::ptrdiff_t>(k), Token{Token::Word, "from "});
            continue;
        }
        const std::size_t op = nextSolid(t, i + 1);
        if (op >= t.size() || !isComparison(t[op])) continue;
        const std::size_t value = nextSolid(t, op + 1);
        if (value >= t.size() || t[value].kind != Token::Text) continue;
        const QString body = literalBody(t[value].text);
        QString number;
        if (isIntegerColumn(t[i].text)) {
            if (numberInText(body, &number)) {
                // "'3'and" was one word apart; "3and" would not be.
                const bool glued = value + 1 < t.size() && t[value + 1].kind == Token::Word;
                t[value] = Token{Token::Number, glued ? number + " " : number};
            }
        } else if (body.endsWith(' ') &&
                   (t[op].text == "=" || t[op].text == "<>" || t[op].text == "!=")) {
            QString kept = body;
            while (kept.endsWith(' ')) kept.chop(1);
            t[value].text = "'" + kept + "'";
        }
    }
}

// Renders tokens [from, to), turning left(x, n) into substr(x, 1, n) on the way.
QString render(const std::vector<Token>& t, std::size_t from, std::size_t to) {
    QString out;
    for (std::size_t i = from; i < to; ++i) {
        if (t[i].kind == Token::Word && t[i].text.compare("left", Qt::CaseInsensitive) == 0) {
            const std::size_t open = nextSolid(t, i + 1);
            if (open < to && t[open].kind == Token::Punct && t[open].text == "(") {
                int depth = 0;
                std::size_t close = to;
                std::size_t comma = to;
                for (std::size_t k = open; k < to; ++k) {
                    if (t[k].kind != Token::Punct) continue;
                    if (t[k].text == "(") ++depth;
                    if (t[k].text == ")" && --depth == 0) {
                        close = k;
                        break;
                    }
                    if (t[k].text == "," && depth == 1) comma = k;
                }
                if (close < to && comma < close) {
                    out += "substr(" + render(t, open + 1, comma) + ",1," +
                           render(t, comma + 1, close) + ")";
                    i = close;
                    continue;
                }
            }
        }
        out += t[i].text;
    }
    return out;
}

}  // namespace

QString adaptSql(const QString& sql) {
    std::vector<Token> tokens = tokenize(sql);
    rewriteTokens(tokens);
    return render(tokens, 0, tokens.size());
}

}  // namespace da

QString sqlQuote(const QString& value) {
    QString quoted = value;
    quoted.replace('\'', "''");
    return "'" + quoted + "'";
}

}  // namespace zelk
