#include "core/engine/StatsLookup.h"

#include "core/engine/GameFilter.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace gorlin {

std::vector<char> PassingGames(const League& league, int gameType) {
    const int last = std::max(0, std::min(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1));
    std::vector<char> passing(static_cast<std::size_t>(last) + 1, 0);
    for (int g = 1; g <= last; ++g)
        passing[static_cast<std::size_t>(g)] =
            PassesGameFilter(league.Games[static_cast<std::size_t>(g)], gameType);
    return passing;
}

int GoalLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.GoalCount, static_cast<int>(league.Goals.size()) - 1));
}

int PlayerLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.PlayerCount, static_cast<int>(league.Players.size()) - 1));
}

int SquadLimit(const League& league) {
    return std::max(0, std::min<int>(league.Head.SquadCount, static_cast<int>(league.Squads.size()) - 1));
}

int AllTeamLimit(const League& league) {
    return std::max(0, std::min(league.AllTeamCount(), static_cast<int>(league.Teams.size()) - 1));
}

const GameRec* GameAt(const League& league, int g) {
    if (g < 1 || g > league.AllGameCount() || static_cast<std::size_t>(g) >= league.Games.size())
        return nullptr;
    return &league.Games[static_cast<std::size_t>(g)];
}

const PlayerRec* PlayerAt(const League& league, int p) {
    if (p < 1 || p > league.Head.PlayerCount || static_cast<std::size_t>(p) >= league.Players.size())
        return nullptr;
    return &league.Players[static_cast<std::size_t>(p)];
}

std::string_view TeamName(const League& league, int t) {
    if (t < 0 || t > league.AllTeamCount() || static_cast<std::size_t>(t) >= league.Teams.size())
        return {};
    return league.Teams[static_cast<std::size_t>(t)].Name.view();
}

std::string_view PlayerName(const League& league, int p) {
    const PlayerRec* player = PlayerAt(league, p);
    return player ? player->Name.view() : std::string_view{};
}

std::string_view PlayerTeamName(const League& league, int p) {
    const PlayerRec* player = PlayerAt(league, p);
    return player ? TeamName(league, player->Team) : std::string_view{};
}

std::string DateText(int day, const Locale& locale) {
    return day == 0 ? std::string{} : FormatShortDate(day, locale);
}

namespace {

std::uint32_t ByteSwap(std::uint32_t v) {
    return __builtin_bswap32(v);
}
std::uint64_t ByteSwap(std::uint64_t v) {
    return __builtin_bswap64(v);
}

template <typename T> T LoadBigEndian(const char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::little)
        value = ByteSwap(value);
    return value;
}

/// Eight characters from `depth` as a big-endian number, padded with zero bytes past the end:
/// when two chunks differ they order names that agree before `depth` as a full comparison would.
/// Upper case is made eight bytes at once (letters a..z only, like CompareNoCase). A short tail is
/// read with two overlapping loads, never through a buffer written byte by byte, which would
/// stall the one load reading it back.
std::uint64_t NameChunk(std::string_view name, std::size_t depth, bool upperCase) {
    const std::size_t n = depth < name.size() ? std::min<std::size_t>(8, name.size() - depth) : 0;
    const char* p = n > 0 ? name.data() + depth : nullptr;
    std::uint64_t key = 0;
    if (n == 8) {
        key = LoadBigEndian<std::uint64_t>(p);
    } else if (n >= 4) {
        key = std::uint64_t{LoadBigEndian<std::uint32_t>(p)} << 32 |
              std::uint64_t{LoadBigEndian<std::uint32_t>(p + n - 4)} << (64 - 8 * n);
    } else if (n > 0) {
        auto byte = [&](std::size_t k) {
            return std::uint64_t{static_cast<unsigned char>(p[k])} << (56 - 8 * k);
        };
        key = byte(0) | byte(n / 2) | byte(n - 1);
    }
    if (upperCase) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
        constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
        const std::uint64_t low7 = key & ~kHigh;
        const std::uint64_t fromA = low7 + (0x80 - 'a') * kOnes;     // high bit: low 7 bits >= 'a'
        const std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kOnes; // high bit: low 7 bits > 'z'
        const std::uint64_t lower = fromA & ~pastZ & ~key & kHigh;   // and the byte is below 0x80
        key -= lower >> 2;                                           // 0x80 >> 2 is 'a' - 'A'
    }
    return key;
}

/// Ranks names a few characters at a time. A key packs the next characters of a name above its
/// index (kIndexBits wide: sixteen bits for up to 65,536 names), so that a sort moves one word per
/// name and keeps index order among equal characters. The names of a group, which agree in
/// everything before `depth`, are ordered by their next characters (a radix sort for a large
/// group), and every run of equal characters is ranked the same way further on.
template <int kIndexBits> class NameRanker {
    static constexpr std::size_t kStep = (64 - kIndexBits) / 8; // characters a key holds
    static constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;

public:
    NameRanker(const std::vector<std::string_view>& names, bool upperCase)
        : m_names(names), m_upper(upperCase), m_keys(names.size()), m_scratch(names.size()),
          m_ranks(names.size(), 0) {
        for (std::size_t i = 0; i < names.size(); ++i)
            m_keys[i] = i;
    }

    std::vector<int> Ranks(std::vector<int>* order) {
        Rank(0, m_keys.size(), 0);
        if (order != nullptr) {
            order->resize(m_keys.size());
            for (std::size_t i = 0; i < m_keys.size(); ++i)
                (*order)[i] = static_cast<int>(Index(m_keys[i]));
        }
        return std::move(m_ranks);
    }

private:
    static std::size_t Index(std::uint64_t key) { return static_cast<std::size_t>(key & kIndexMask); }
    std::string_view Name(std::uint64_t key) const { return m_names[Index(key)]; }
    std::size_t Length(std::uint64_t key) const { return Name(key).size(); }

    void Rank(std::size_t begin, std::size_t end, std::size_t depth) {
        for (std::size_t i = begin; i < end; ++i) {
            const std::uint64_t index = m_keys[i] & kIndexMask;
            m_keys[i] = (NameChunk(m_names[index], depth, m_upper) & ~kIndexMask) | index;
        }
        if (end - begin > 64)
            RadixSort(begin, end);
        else
            std::sort(m_keys.begin() + static_cast<std::ptrdiff_t>(begin),
                      m_keys.begin() + static_cast<std::ptrdiff_t>(end));
        for (std::size_t i = begin; i < end;) {
            const std::uint64_t chars = m_keys[i] >> kIndexBits;
            std::size_t j = i + 1;
            const std::string_view name = Name(m_keys[i]);
            std::size_t longest = name.size();
            std::size_t shortest = name.size();
            bool same = true; // every name of the run is the first one, byte for byte
            for (; j < end && m_keys[j] >> kIndexBits == chars; ++j) {
                const std::string_view other = Name(m_keys[j]);
                same = same && other == name;
                longest = std::max(longest, other.size());
                shortest = std::min(shortest, other.size());
            }
            if (j - i > 1 && longest > depth + kStep && !same) {
                Rank(i, j, depth + kStep);
            } else {
                // The same names, or equal characters to the end of every name: they differ at
                // most in trailing zero bytes, so the shorter name comes first and equal lengths
                // are equal names. The keys are in index order already.
                if (shortest != longest)
                    std::sort(m_keys.begin() + static_cast<std::ptrdiff_t>(i),
                              m_keys.begin() + static_cast<std::ptrdiff_t>(j),
                              [this](std::uint64_t a, std::uint64_t b) {
                                  const std::size_t la = Length(a);
                                  const std::size_t lb = Length(b);
                                  return la != lb ? la < lb : Index(a) < Index(b);
                              });
                for (std::size_t k = i; k < j; ++k) {
                    if (shortest != longest && k > i && Length(m_keys[k]) != Length(m_keys[k - 1]))
                        ++m_next;
                    m_ranks[Index(m_keys[k])] = m_next;
                }
                ++m_next;
            }
            i = j;
        }
    }

    /// Stable least-significant-digit radix sort of keys [begin, end) by their characters,
    /// twelve bits a pass; a pass whose digit is the same for every key is skipped.
    void RadixSort(std::size_t begin, std::size_t end) {
        constexpr int kBits = 12;
        constexpr std::size_t kBuckets = std::size_t{1} << kBits;
        constexpr int kPasses = (64 - kIndexBits + kBits - 1) / kBits;
        const std::size_t n = end - begin;
        std::uint64_t* keys = m_keys.data() + begin;
        std::uint64_t* scratch = m_scratch.data() + begin;
        // Every pass's digit counts in one read of the keys.
        std::vector<std::uint32_t> counts(kBuckets * kPasses, 0);
        std::uint32_t* const c = counts.data();
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t key = keys[i] >> kIndexBits;
            for (int pass = 0; pass < kPasses; ++pass)
                ++c[static_cast<std::size_t>(pass) * kBuckets + (key >> (pass * kBits) & (kBuckets - 1))];
        }
        bool inScratch = false;
        for (int pass = 0; pass < kPasses; ++pass) {
            std::uint32_t* start = c + static_cast<std::size_t>(pass) * kBuckets;
            const int shift = kIndexBits + pass * kBits;
            if (start[keys[0] >> shift & (kBuckets - 1)] == n)
                continue; // the same digit everywhere
            std::uint32_t sum = 0;
            for (std::size_t b = 0; b < kBuckets; ++b)
                sum += std::exchange(start[b], sum);
            for (std::size_t i = 0; i < n; ++i)
                scratch[start[keys[i] >> shift & (kBuckets - 1)]++] = keys[i];
            std::swap(keys, scratch);
            inScratch = !inScratch;
        }
        if (inScratch)
            std::copy(keys, keys + n, scratch);
    }

    const std::vector<std::string_view>& m_names;
    bool m_upper;
    std::vector<std::uint64_t> m_keys;
    std::vector<std::uint64_t> m_scratch;
    std::vector<int> m_ranks;
    int m_next = 0;
};

} // namespace

std::vector<int> RankNames(const std::vector<std::string_view>& names, bool upperCase,
                           std::vector<int>* order) {
    if (names.size() <= (std::size_t{1} << 16))
        return NameRanker<16>(names, upperCase).Ranks(order);
    return NameRanker<32>(names, upperCase).Ranks(order);
}

} // namespace gorlin
