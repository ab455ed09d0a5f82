#pragma once

class QDialog;
class QDialogButtonBox;

namespace gorlin {

/// OK (the default) and Cancel, named "btnOK" and "btnCancel" as the dialogs' buttons are
/// everywhere; Cancel rejects the dialog, OK is the caller's to connect.
QDialogButtonBox* OkCancel(QDialog* dialog);

} // namespace gorlin
