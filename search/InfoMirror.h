#pragma once

#include <QString>
#include <optional>

// The search result text's mirror file, Info.txt in the current directory.
// The file always holds the text it was last given followed by CR LF.
class InfoMirror
{
public:
    static QString path();

    // Replaces the file's content by the text and CR LF; false when the file
    // cannot be written.
    static bool write(const QString &text);
    // Writes the text, then reads the whole file back; no answer when either
    // step fails.
    static std::optional<QString> pass(const QString &text);
};
