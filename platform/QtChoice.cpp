#include "platform/QtChoice.h"

#include "platform/Messages.h"

#include <QApplication>
#include <QInputDialog>

int QtChoice::choose(const QString &label, const QString &title, const QStringList &items)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? Messages::defaultTitle() : title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Batal"));
    dialog.resize(dialog.sizeHint().expandedTo(QSize(560, 360)));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return int(items.indexOf(dialog.textValue()));
}
