#pragma once

#include <QString>

class QFile;

// The files the program writes for itself beside other people's files
// (Lap.txt, Info.txt). A symbolic link at such a name is replaced by the
// program's own file; the link's target is never opened for writing.
class OwnFile
{
public:
    // Opens the file at path for writing, emptied, never through a link.
    // False, with the system's error number, when it cannot.
    static bool openEmptied(QFile &file, const QString &path, int *error);

    // Removes a symbolic link at path, not its target, so that a writer that
    // puts a new file in place (QSaveFile) puts it there and not at the
    // target. False when a link is there and cannot be removed.
    static bool removeLink(const QString &path);
};
