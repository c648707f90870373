#pragma once
// Open-addressing hash indexes for pairing lists of hundreds of thousands of holders. Their
// speed depends on staying small enough for the caches: a name index slot is 8 bytes and
// refers to the list entry whose name is its key, so names are never copied.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "compare/CRHoV_Util.h"

namespace compare::detail {

inline std::uint32_t hashName(std::string_view name) {
    const std::uint64_t h = std::hash<std::string_view>{}(name);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

inline std::size_t mixBits(std::uint64_t h) {
    // The finaliser of splitmix64: every input bit reaches every low output bit.
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::size_t>(h ^ (h >> 31));
}

inline std::size_t capacityFor(std::size_t keys) {
    // At most four keys in five slots: linear probing stays short, the table small.
    std::size_t capacity = 16;
    while (capacity * 4 < keys * 5)
        capacity *= 2;
    return capacity;
}

// The names of one list: for each name, the first entry that bears it.
class NameIndex {
  public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // `hashes` are the hashes of the names of `list`.
    NameIndex(const TMy_FirmaArray& list, const std::vector<std::uint32_t>& hashes)
        : list_(list), hashes_(hashes), slots_(capacityFor(list.size())) {}

    // The first entry with the name of `entry` (the entry itself when it is the first).
    std::uint32_t firstWithNameOf(std::uint32_t entry) {
        Slot& slot = find(list_[entry].Name, hashes_[entry]);
        if (slot.entry == kNone)
            slot = {hashes_[entry], entry};
        return slot.entry;
    }

    // The first entry bearing `name`, or kNone.
    std::uint32_t find(std::string_view name, std::uint32_t hash) const {
        return findSlot(name, hash).entry;
    }

  private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = kNone;
    };

    const Slot& findSlot(std::string_view name, std::uint32_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mixBits(hash) & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.entry == kNone || (slot.hash == hash && list_[slot.entry].Name == name))
                return slot;
        }
    }
    Slot& find(std::string_view name, std::uint32_t hash) {
        return const_cast<Slot&>(findSlot(name, hash));
    }

    const TMy_FirmaArray& list_;
    const std::vector<std::uint32_t>& hashes_;
    std::vector<Slot> slots_;
};

}  // namespace compare::detail

namespace compare::detail {

// An open-addressing hash index from a 64-bit key to a 32-bit value.
class KeyIndex {
  public:
    explicit KeyIndex(std::size_t expectedKeys) : slots_(capacityFor(expectedKeys)) {}

    // The value stored for `key`, inserted as `initial` when absent.
    std::uint32_t& at(std::uint64_t key, std::uint32_t initial) {
        Slot& slot = find(key);
        if (!slot.used)
            slot = {key, initial, true};
        return slot.value;
    }

    const std::uint32_t* get(std::uint64_t key) const {
        const Slot& slot = find(key);
        return slot.used ? &slot.value : nullptr;
    }

  private:
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t value = 0;
        bool used = false;
    };

    Slot& find(std::uint64_t key) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mixBits(key) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (!slot.used || slot.key == key)
                return slot;
        }
    }

    mutable std::vector<Slot> slots_;
};

}  // namespace compare::detail
