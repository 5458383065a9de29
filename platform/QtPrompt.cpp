#include "platform/QtPrompt.h"

#include "platform/Messages.h"

#include <QApplication>
#include <QInputDialog>

std::optional<QString> QtPrompt::ask(const QString &message, const QString &title,
                                     const QString &defaultText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(),
                                                 title.isEmpty() ? Messages::defaultTitle() : title,
                                                 message, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}
