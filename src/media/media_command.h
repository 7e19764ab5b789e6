#pragma once

#include <QByteArray>

namespace media {

enum class MediaVerb { Open, Play, Close, Status, Seek };

// One parsed media command. The alias is kept as written; the service compares it without
// regard to case.
struct MediaCommand {
    MediaVerb verb = MediaVerb::Play;
    QByteArray alias;
    QByteArray path;        // open: the bytes between the quotes, UTF-8
    bool fromStart = false; // play ... from 0
    bool notify = false;    // play / close ... notify: accepted, no message is ever sent
};

// Longer texts are rejected before any other look: no command the game sends comes near this.
constexpr qsizetype maxMediaCommandLength = 8192;

// Parses one command text:
//   open "<path>" alias <name>
//   play <name> [from 0] [notify]
//   close <name> [notify]
//   status <name> mode
//   seek <name> to start
// Words are separated by blanks (spaces or tabs) and compared without regard to case. A quoted
// path runs to the next quote, which must end the word. Returns MediaOk and fills *command, or
// MediaUnknownCommand (a first word that is no verb) or MediaMalformedCommand (anything else:
// empty text, control characters, NUL bytes, an unclosed or stray quote, missing or extra words,
// text longer than maxMediaCommandLength); *command is left untouched on failure.
int parseMediaCommand(const QByteArray& text, MediaCommand* command);

} // namespace media
