#pragma once

// Getting on line before an update: the dial-up service as an interface, and the program's
// dial-up logic over it (dial when asked, hang up on closing and on leaving). The logic returns
// actions and questions; the windows only show them. On this platform the service is absent:
// connections are then made by hand, and nothing is ever dialled or hung up.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gorlin {

struct Settings;

/// A connection this program dialled; 0 = none.
using DialHandle = std::uint64_t;

/// Dial-up states with a meaning of their own.
inline constexpr int kDialStateConnected = 8192;
inline constexpr int kDialStateDisconnected = 8193;
/// How often the hang-up window asks whether the connection has gone.
inline constexpr int kHangUpPollMs = 250;

inline constexpr const char* kDialingFormat = "Dialing %s";
inline constexpr const char* kConnectionDetailsCaption = "Connection Details";
inline constexpr const char* kUserNameLabel = "User Name:";
inline constexpr const char* kPasswordLabel = "Password:";
inline constexpr const char* kHangUpCaption = "Gorlin ";
inline constexpr const char* kHangUpText = "Disconnecting from the Internet";
inline constexpr const char* kHangUpWait = "Please Wait";
/// The Yes/No question on closing with DiscOption 2; %s is ConnectName.
inline constexpr const char* kDisconnectQuestionFormat = "Do you want to disconnect from %s?";
/// The longest user name or password taken from the Connection Details window.
inline constexpr std::size_t kMaxDialCredential = 256;

/// The stored dial parameters of an entry.
struct DialParams {
    int Error = 0; // 0: read
    std::string UserName;
    std::string Password;
    bool PasswordReturned = false;
};

/// The active connections.
struct ActiveConnections {
    int Error = 0; // 0: listed
    int Count = 0;
};

/// The platform's dial-up service: seven operations, plus whether it is there at all.
class DialUpService {
public:
    virtual ~DialUpService() = default;
    /// False: no service (connections are made by hand; nothing below is called).
    virtual bool Present() const = 0;
    /// Starts dialling entry; 0 and the connection's handle, or an error number. Progress
    /// arrives later as DialUpSession::DialState calls.
    virtual int Dial(const std::string& entry, const std::string& userName, const std::string& password,
                     DialHandle& handle) = 0;
    /// Hangs up a connection this program dialled.
    virtual void HangUp(DialHandle handle) = 0;
    /// Lists the active connections (room for 11).
    virtual ActiveConnections EnumConnections() = 0;
    /// The user name and password stored with entry.
    virtual DialParams GetEntryDialParams(const std::string& entry) = 0;
    /// False once the handle no longer names a connection (it has gone).
    virtual bool ConnectionValid(DialHandle handle) = 0;
    /// The text of an error number.
    virtual std::string ErrorString(int code) = 0;
    /// The dial-up entries (the Setup dialog's list).
    virtual std::vector<std::string> EnumEntries() = 0;
};

/// The service of this platform: none.
class AbsentDialUpService final : public DialUpService {
public:
    bool Present() const override { return false; }
    int Dial(const std::string&, const std::string&, const std::string&, DialHandle&) override { return -1; }
    void HangUp(DialHandle) override {}
    ActiveConnections EnumConnections() override { return {-1, 0}; }
    DialParams GetEntryDialParams(const std::string&) override { return {-1, {}, {}, false}; }
    bool ConnectionValid(DialHandle) override { return false; }
    std::string ErrorString(int) override { return {}; }
    std::vector<std::string> EnumEntries() override { return {}; }
};

/// The text shown for a dial-up state: its name, or "Connection state #" and the number.
std::string ConnectionStateText(int state);

/// One thing the update dialog does for the dial-up logic, in order.
struct DialUpAction {
    enum Kind {
        /// Show Text as the status text.
        StatusText,
        /// On line: start the retrieval chain (UpdateRetrieval::Start).
        StartRetrieval,
        /// Show the Connection Details window filled with UserName and Password; answer with
        /// DetailsGiven (OK) or DetailsCancelled.
        AskDetails,
        /// The attempt ended without a connection: reset the dialog.
        Reset,
    };
    Kind Type = StatusText;
    std::string Text;
    std::string UserName;
    std::string Password;
};

using DialUpActions = std::vector<DialUpAction>;

/// What closing the update dialog does about the connection this program dialled.
struct CloseStep {
    enum Kind {
        Nothing, // no connection held, or it stays up
        HungUp,  // hung up already
        Ask,     // ask Question (Yes/No); answer with CloseAnswer
    };
    Kind Type = Nothing;
    std::string Question;
};

/// The program's dial-up state (one per program run: the connection it dialled) and Proceed's
/// steps up to the retrieval. The settings are read at each step; without a service the
/// connection is taken as made by hand (ManualConnect) and left alone on closing (DiscOption 0).
class DialUpSession {
public:
    explicit DialUpSession(DialUpService& service) : m_service(service) {}

    /// Proceed: "Connecting to Gorlin Server", then the retrieval at once (ManualConnect, or a
    /// connection already up), else dials ConnectName.
    DialUpActions Proceed(const Settings& settings);
    /// The Connection Details window's OK: dials with these (each cut to 256 characters).
    DialUpActions DetailsGiven(const std::string& userName, const std::string& password);
    /// Its Cancel: nothing is dialled; the dialog is reset.
    DialUpActions DetailsCancelled();
    /// A progress report of the dial: the state's text; Connected starts the retrieval;
    /// Disconnected shows the error's text and disconnects.
    DialUpActions DialState(int state, int error);
    /// Hangs up the connection this program holds, if any; the dialog is reset.
    DialUpActions Disconnect();

    /// Closing the update dialog (DiscOption 0 stays, 1 hangs up, 2 asks).
    CloseStep DialogClosing(const Settings& settings);
    /// The answer to CloseStep::Ask: Yes hangs up.
    void CloseAnswer(bool yes);

    /// Leaving the program: true when the hang-up window is to be shown (a connection is held
    /// and still valid); a handle that is no longer valid is forgotten.
    bool LeavingNeedsHangUp();
    /// The hang-up window is showing: hangs up; then poll every kHangUpPollMs.
    void HangUpStarted();
    /// True once the connection has gone (the window closes); the handle is forgotten.
    bool HangUpPoll();
    /// Cancel in the hang-up window: it closes at once.
    void HangUpCancelled();

    /// The connection this program dialled (0: none).
    DialHandle Handle() const { return m_handle; }

private:
    /// Dials m_entry with these credentials.
    DialUpActions Dial(const std::string& userName, const std::string& password);

    DialUpService& m_service;
    DialHandle m_handle = 0;
    std::string m_entry; // the entry being dialled
    DialParams m_params; // the stored parameters offered in Connection Details
};

} // namespace gorlin
