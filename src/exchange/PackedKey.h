#pragma once

#include "store/RecordKey.h"

#include <QHashFunctions>
#include <array>
#include <cstring>
#include <optional>

// A record key held in place: exchange files and their rosters put hundreds of thousands of keys
// in hashes, where a QByteArray's own allocation costs more memory and time than the key.
struct PackedKey
{
    // Nothing for a key that is not 16 bytes, which this program never makes.
    static std::optional<PackedKey> from(const RecordKey& key)
    {
        if (key.size() != 16)
            return std::nullopt;
        PackedKey packed;
        std::memcpy(packed.bytes.data(), key.constData(), packed.bytes.size());
        return packed;
    }
    RecordKey key() const { return RecordKey(bytes.data(), bytes.size()); }
    bool operator==(const PackedKey&) const = default;

    std::array<char, 16> bytes {};
};

inline size_t qHash(const PackedKey& key, size_t seed = 0)
{
    return qHashBits(key.bytes.data(), key.bytes.size(), seed);
}
