#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a script; an empty name stands for Cancel.
class ScriptedFileDialogs : public FileDialogs
{
public:
    struct Call
    {
        bool save;
        QString title;
        QString filter;
        QString presetName; // the starting folder of a folder dialog
        bool folder = false;
    };

    void expect(const QString &fileName) { m_answers.append(fileName); }
    QString saveFileName(const QString &title, const QString &filter,
                         const QString &presetName) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString folderName(const QString &title, const QString &start) override;

    QList<Call> calls;
    QStringList problems;
    int pending() const { return int(m_answers.size()); }
    void reset();

private:
    QString answer(const Call &call);
    QStringList m_answers;
};
