#include "core/update/DialUp.h"

namespace gorlin {

// Work in progress.
std::string ConnectionStateText(int) {
    return {};
}
DialUpActions DialUpSession::Proceed(const Settings&) {
    return {};
}
DialUpActions DialUpSession::DetailsGiven(const std::string&, const std::string&) {
    return {};
}
DialUpActions DialUpSession::DetailsCancelled() {
    return {};
}
DialUpActions DialUpSession::DialState(int, int) {
    return {};
}
DialUpActions DialUpSession::Disconnect() {
    return {};
}
CloseStep DialUpSession::DialogClosing(const Settings&) {
    return {};
}
void DialUpSession::CloseAnswer(bool) {}
bool DialUpSession::LeavingNeedsHangUp() {
    return false;
}
void DialUpSession::HangUpStarted() {}
bool DialUpSession::HangUpPoll() {
    return true;
}
void DialUpSession::HangUpCancelled() {}
DialUpActions DialUpSession::DialUp() {
    return {};
}

} // namespace gorlin
