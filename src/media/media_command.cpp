#include "media/media_command.h"

#include "media/media_service.h"

#include <QList>

#include <utility>

namespace media {

namespace {

struct Token {
    QByteArray text;
    bool quoted = false;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Control bytes (NUL included) never belong in a command; a tab counts as a blank.
bool hasControlBytes(const QByteArray& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
            return true;
        }
    }
    return false;
}

// Splits the text into words; a quoted word runs to the next quote. False for an unclosed quote,
// a quote inside a plain word, or a closing quote followed by anything but a blank.
bool tokenize(const QByteArray& text, QList<Token>* tokens) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && isBlank(text[i])) {
            ++i;
        }
        if (i == n) {
            return true;
        }
        if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            if (close < 0 || (close + 1 < n && !isBlank(text[close + 1]))) {
                return false;
            }
            tokens->append(Token{text.mid(i + 1, close - i - 1), true});
            i = close + 1;
        } else {
            qsizetype end = i;
            while (end < n && !isBlank(text[end])) {
                if (text[end] == '"') {
                    return false;
                }
                ++end;
            }
            tokens->append(Token{text.mid(i, end - i), false});
            i = end;
        }
    }
}

bool isKeyword(const Token& token, const char* keyword) {
    return !token.quoted && token.text.compare(QByteArrayView(keyword), Qt::CaseInsensitive) == 0;
}

// Reads the optional trailing "notify" from position i; true when nothing else follows.
bool optionalNotify(const QList<Token>& tokens, qsizetype i, MediaCommand* parsed) {
    if (i < tokens.size() && isKeyword(tokens[i], "notify")) {
        parsed->notify = true;
        ++i;
    }
    return i == tokens.size();
}

bool parseVerb(const Token& token, MediaVerb* verb) {
    static constexpr struct {
        const char* word;
        MediaVerb verb;
    } verbs[] = {{"open", MediaVerb::Open},
                 {"play", MediaVerb::Play},
                 {"close", MediaVerb::Close},
                 {"status", MediaVerb::Status},
                 {"seek", MediaVerb::Seek}};
    for (const auto& entry : verbs) {
        if (isKeyword(token, entry.word)) {
            *verb = entry.verb;
            return true;
        }
    }
    return false;
}

// The words after the verb, by verb. tokens[0] is the verb.
bool parseArguments(const QList<Token>& tokens, MediaCommand* parsed) {
    const qsizetype count = tokens.size();
    if (parsed->verb == MediaVerb::Open) {
        if (count != 4 || !tokens[1].quoted || tokens[1].text.isEmpty() ||
            !isKeyword(tokens[2], "alias") || tokens[3].quoted) {
            return false;
        }
        parsed->path = tokens[1].text;
        parsed->alias = tokens[3].text;
        return true;
    }
    if (count < 2 || tokens[1].quoted) {
        return false;
    }
    parsed->alias = tokens[1].text;
    switch (parsed->verb) {
    case MediaVerb::Play: {
        qsizetype i = 2;
        if (i < count && isKeyword(tokens[i], "from")) {
            if (i + 1 >= count || !isKeyword(tokens[i + 1], "0")) {
                return false;
            }
            parsed->fromStart = true;
            i += 2;
        }
        return optionalNotify(tokens, i, parsed);
    }
    case MediaVerb::Close:
        return optionalNotify(tokens, 2, parsed);
    case MediaVerb::Status:
        return count == 3 && isKeyword(tokens[2], "mode");
    case MediaVerb::Seek:
        return count == 4 && isKeyword(tokens[2], "to") && isKeyword(tokens[3], "start");
    case MediaVerb::Open:
        break;
    }
    return false;
}

} // namespace

int parseMediaCommand(const QByteArray& text, MediaCommand* command) {
    if (text.size() > maxMediaCommandLength || hasControlBytes(text)) {
        return MediaMalformedCommand;
    }
    QList<Token> tokens;
    if (!tokenize(text, &tokens) || tokens.isEmpty()) {
        return MediaMalformedCommand;
    }
    MediaCommand parsed;
    if (!parseVerb(tokens[0], &parsed.verb)) {
        return tokens[0].quoted ? MediaMalformedCommand : MediaUnknownCommand;
    }
    if (!parseArguments(tokens, &parsed)) {
        return MediaMalformedCommand;
    }
    *command = std::move(parsed);
    return MediaOk;
}

} // namespace media
