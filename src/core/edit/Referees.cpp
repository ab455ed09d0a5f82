#include "core/edit/Referees.h"

#include "core/edit/EditStatus.h"
#include "core/model/Text.h"

#include <algorithm>

namespace gorlin {

std::vector<int> RefereeChoices(const League& league) {
    std::vector<int> referees;
    const int count = std::min<int>(league.Head.RefereeCount, kMaxReferees);
    for (int r = 1; r <= count; ++r)
        referees.push_back(r);
    std::stable_sort(referees.begin(), referees.end(), [&league](int a, int b) {
        return league.Referees[static_cast<std::size_t>(a)].Name.view() <
               league.Referees[static_cast<std::size_t>(b)].Name.view();
    });
    return referees;
}

Expected<int> StoreReferee(League& league, int r, const std::string& name) {
    const int count = std::min<int>(league.Head.RefereeCount, kMaxReferees);
    if (r < 0 || r > count)
        return Error{"Input is invalid, please correct"};
    PString<20> stored;
    stored = name;
    if (Trim(stored.view()).empty())
        return BeepError();
    for (int other = 1; other <= count; ++other)
        if (other != r && league.Referees[static_cast<std::size_t>(other)].Name.view() == stored.view())
            return Error{"A referee with that name already exists"};
    int index = r;
    if (r == 0) {
        if (count >= kMaxReferees)
            return Error{"No more referees can be added to this league"};
        index = count + 1;
        league.Head.RefereeCount = static_cast<u8>(index);
    }
    league.Referees[static_cast<std::size_t>(index)] = RefereeRec{};
    league.Referees[static_cast<std::size_t>(index)].Name = stored.view();
    league.DataChanged = true;
    return index;
}

} // namespace gorlin
