#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::saveFileName(const QString &title, const QString &filter,
                                    const QString &presetName)
{
    // No overwrite question, as the reports and the search results expect.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, presetName,
                                        toQtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::folderName(const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
}

QString QtFileDialogs::openFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(),
                                        toQtFilter(filter));
}
