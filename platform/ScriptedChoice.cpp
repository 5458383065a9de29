#include "platform/ScriptedChoice.h"

int ScriptedChoice::choose(const QString &label, const QString &title, const QStringList &items)
{
    calls.append({label, title, items});
    if (m_answers.isEmpty()) {
        problems << QStringLiteral("unexpected list choice: \"%1\"").arg(label);
        return -1;
    }
    const int index = m_answers.takeFirst();
    if (index >= int(items.size())) {
        problems << QStringLiteral("scripted choice %1 beyond the %2 items offered").arg(index).arg(items.size());
        return -1;
    }
    return index;
}
