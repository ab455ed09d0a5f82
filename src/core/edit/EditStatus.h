#pragma once

#include "core/model/Expected.h"

namespace gorlin {

/// A refusal the program marks with a beep only (no message box): a failed Status whose
/// message is empty. Editing operations that can either beep or show a message return this
/// for the beep.
inline Status Beep() {
    return Status::Failure({});
}

/// True for a refusal that only beeps.
inline bool IsBeep(const Status& status) {
    return !status.Ok && status.Message.empty();
}
inline bool IsBeep(const Error& error) {
    return error.Message.empty();
}

/// An Error that only beeps, for operations returning Expected.
inline Error BeepError() {
    return Error{};
}

} // namespace gorlin
