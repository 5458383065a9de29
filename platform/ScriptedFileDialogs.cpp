#include "platform/ScriptedFileDialogs.h"

QString ScriptedFileDialogs::answer(const Call &call)
{
    calls.append(call);
    if (m_answers.isEmpty()) {
        problems << QStringLiteral("unexpected file dialog: \"%1\"").arg(call.title);
        return QString();
    }
    return m_answers.takeFirst();
}

QString ScriptedFileDialogs::saveFileName(const QString &title, const QString &filter,
                                          const QString &presetName)
{
    return answer({true, title, filter, presetName});
}

QString ScriptedFileDialogs::openFileName(const QString &title, const QString &filter)
{
    return answer({false, title, filter, QString()});
}

QString ScriptedFileDialogs::folderName(const QString &title, const QString &start)
{
    return answer({false, title, QString(), start, true});
}

void ScriptedFileDialogs::reset()
{
    calls.clear();
    problems.clear();
    m_answers.clear();
}
