#include "core/update/VersionId.h"

#include "core/model/Text.h"

namespace gorlin {

std::string NormaliseUpdateAddress(std::string_view address) {
    address = Trim(address);
    if (address.size() > 1 && address.back() == '/')
        address.remove_suffix(1);
    return std::string(address.substr(0, decltype(DivHead::UpdateAddress)::Capacity));
}

VersionResult SetLeagueVersion(League& league, std::string_view id, std::string_view address) {
    id = Trim(id);
    if (id.empty() || id.size() > 4 || id.find_first_not_of("0123456789") != std::string_view::npos)
        return VersionResult::IdNotNumber;
    int version = 0;
    for (char c : id)
        version = version * 10 + (c - '0');
    const std::string stored = NormaliseUpdateAddress(address);
    if (!stored.empty() && version < kMinAddressVersionId)
        return VersionResult::AddressNeedsHighId;
    if (league.Head.VersionId != version || league.Head.UpdateAddress.view() != stored) {
        league.Head.VersionId = static_cast<u16>(version);
        league.Head.UpdateAddress = stored;
        league.DataChanged = true;
    }
    return VersionResult::Stored;
}

} // namespace gorlin
