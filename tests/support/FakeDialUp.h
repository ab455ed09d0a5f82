#pragma once

#include "core/update/DialUp.h"

#include <string>
#include <vector>

namespace gorlin::test {

/// A dial-up service playing what a test sets up, and logging every call ("Dial entry user
/// password", "HangUp 7", "EnumConnections", "GetEntryDialParams entry", "ConnectionValid 7").
class FakeDialUpService final : public DialUpService {
public:
    bool IsPresent = true;
    ActiveConnections Active;  // what EnumConnections gives
    DialParams Params;         // what GetEntryDialParams gives
    int DialError = 0;         // what Dial returns
    DialHandle NextHandle = 7; // the handle Dial gives (also when it fails)
    int ValidPolls = 0;        // ConnectionValid answers true this many times, then false
    std::vector<std::string> Entries;
    std::vector<std::string> Calls;

    bool Present() const override { return IsPresent; }
    int Dial(const std::string& entry, const std::string& userName, const std::string& password,
             DialHandle& handle) override {
        Calls.push_back("Dial " + entry + " " + userName + " " + password);
        handle = NextHandle;
        return DialError;
    }
    void HangUp(DialHandle handle) override { Calls.push_back("HangUp " + std::to_string(handle)); }
    ActiveConnections EnumConnections() override {
        Calls.push_back("EnumConnections");
        return Active;
    }
    DialParams GetEntryDialParams(const std::string& entry) override {
        Calls.push_back("GetEntryDialParams " + entry);
        return Params;
    }
    bool ConnectionValid(DialHandle handle) override {
        Calls.push_back("ConnectionValid " + std::to_string(handle));
        return ValidPolls-- > 0;
    }
    std::string ErrorString(int code) override { return "dial error " + std::to_string(code); }
    std::vector<std::string> EnumEntries() override { return Entries; }
};

} // namespace gorlin::test
