#include "core/update/DialUp.h"

#include "core/app/Settings.h"
#include "core/update/UpdateRetrieval.h"

#include <array>
#include <utility>

namespace gorlin {

namespace {

struct StateText {
    int State;
    const char* Text;
};

constexpr std::array<StateText, 32> kStateTexts = {{
    {0, "Opening Port"},
    {1, "Port Opened"},
    {2, "Connecting Device"},
    {3, "Device Connected"},
    {4, "All Devices Connected"},
    {5, "Starting Authentication"},
    {6, "Authentication Notify"},
    {7, "Authentication Retry"},
    {8, "Callback Requested"},
    {9, "Change Password Requested"},
    {10, "Projection Phase Started"},
    {11, "Link Speed Calculation"},
    {12, "Authentication Acknowledged"},
    {13, "Reauthentication Started"},
    {14, "Authenticated"},
    {15, "Preparation For Callback"},
    {16, "Waiting For Modem Reset"},
    {17, "Waiting For Callback"},
    {18, "Projected"},
    {19, "Start Authentication"},
    {20, "Callback Complete"},
    {21, "Logon Network"},
    {22, ""},
    {23, ""},
    {4096, "Interactive"},
    {4097, "Retry Authentication"},
    {4098, "Callback Set By Caller"},
    {4099, "Password Expired"},
    {kDialStateConnected, "Connected"},
    {kDialStateDisconnected, "Disconnected"},
}};

DialUpAction Say(std::string text) {
    DialUpAction a;
    a.Text = std::move(text);
    return a;
}

DialUpAction Act(DialUpAction::Kind kind) {
    DialUpAction a;
    a.Type = kind;
    return a;
}

std::string Formatted(const char* format, const std::string& value) {
    std::string text = format;
    text.replace(text.find("%s"), 2, value);
    return text;
}

} // namespace

std::string ConnectionStateText(int state) {
    for (const StateText& s : kStateTexts)
        if (s.Text != nullptr && s.State == state)
            return s.Text;
    return "Connection state #" + std::to_string(state);
}

DialUpActions DialUpSession::Proceed(const Settings& settings) {
    DialUpActions out{Say(kMsgConnectingServer)};
    if (settings.ManualConnect || !m_service.Present()) {
        out.push_back(Act(DialUpAction::StartRetrieval));
        return out;
    }
    // SessionConnected: a connection already up will do.
    const ActiveConnections active = m_service.EnumConnections();
    if (active.Error != 0)
        out.push_back(Say(m_service.ErrorString(active.Error)));
    else if (active.Count > 0) {
        out.push_back(Act(DialUpAction::StartRetrieval));
        return out;
    }
    m_entry = settings.ConnectName;
    m_params = m_service.GetEntryDialParams(m_entry);
    if (m_params.Error == 0 && !m_params.UserName.empty() && !m_params.Password.empty() &&
        m_params.PasswordReturned) {
        DialUpActions dial = Dial(m_params.UserName, m_params.Password);
        out.insert(out.end(), dial.begin(), dial.end());
        return out;
    }
    DialUpAction ask = Act(DialUpAction::AskDetails);
    ask.UserName = m_params.UserName;
    ask.Password = m_params.Password;
    out.push_back(std::move(ask));
    return out;
}

DialUpActions DialUpSession::DetailsGiven(const std::string& userName, const std::string& password) {
    return Dial(userName.substr(0, kMaxDialCredential), password.substr(0, kMaxDialCredential));
}

DialUpActions DialUpSession::DetailsCancelled() {
    return {Act(DialUpAction::Reset)};
}

DialUpActions DialUpSession::Dial(const std::string& userName, const std::string& password) {
    m_handle = 0;
    DialHandle handle = 0;
    const int error = m_service.Dial(m_entry, userName, password, handle);
    // A failed dial may still hold a handle, which Disconnect hangs up.
    m_handle = handle;
    if (error != 0) {
        DialUpActions out{Say(std::to_string(error) + " " + m_service.ErrorString(error))};
        DialUpActions reset = Disconnect();
        out.insert(out.end(), reset.begin(), reset.end());
        return out;
    }
    return {Say(Formatted(kDialingFormat, m_entry))};
}

DialUpActions DialUpSession::DialState(int state, int error) {
    DialUpActions out{Say(ConnectionStateText(state))};
    if (state == kDialStateConnected) {
        out.push_back(Act(DialUpAction::StartRetrieval));
    } else if (state == kDialStateDisconnected) {
        out.push_back(Say(m_service.ErrorString(error)));
        DialUpActions reset = Disconnect();
        out.insert(out.end(), reset.begin(), reset.end());
    }
    return out;
}

DialUpActions DialUpSession::Disconnect() {
    if (m_handle != 0)
        m_service.HangUp(std::exchange(m_handle, 0));
    return {Act(DialUpAction::Reset)};
}

CloseStep DialUpSession::DialogClosing(const Settings& settings) {
    CloseStep step;
    if (m_handle == 0 || !m_service.Present())
        return step;
    if (settings.DiscOption == 1) {
        m_service.HangUp(std::exchange(m_handle, 0));
        step.Type = CloseStep::HungUp;
    } else if (settings.DiscOption == 2) {
        step.Type = CloseStep::Ask;
        step.Question = Formatted(kDisconnectQuestionFormat, settings.ConnectName);
    }
    return step;
}

void DialUpSession::CloseAnswer(bool yes) {
    if (yes && m_handle != 0)
        m_service.HangUp(std::exchange(m_handle, 0));
}

bool DialUpSession::LeavingNeedsHangUp() {
    if (m_handle != 0 && !m_service.ConnectionValid(m_handle))
        m_handle = 0;
    return m_handle != 0;
}

void DialUpSession::HangUpStarted() {
    if (m_handle != 0)
        m_service.HangUp(m_handle);
}

bool DialUpSession::HangUpPoll() {
    if (m_handle != 0 && !m_service.ConnectionValid(m_handle))
        m_handle = 0;
    return m_handle == 0;
}

void DialUpSession::HangUpCancelled() {}

} // namespace gorlin
