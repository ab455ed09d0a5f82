#include "gui/widgets/OkCancel.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace gorlin {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
    box->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace gorlin
