#pragma once
// An open-addressing hash index from (name, number) to a 32-bit value, for pairing lists
// of hundreds of thousands of holders. A slot is 16 bytes and names are not copied: a
// slot refers to the list entry whose name is its key, so the table stays small enough
// for the caches, which is what its speed depends on.

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

class NameIndex {
  public:
    // Keys are (name of an entry of `keys`, number); `hashes` are the names' hashes.
    NameIndex(const TMy_FirmaArray& keys, const std::vector<std::uint32_t>& hashes)
        : keys_(keys), hashes_(hashes) {
        // At most four keys in five slots: linear probing stays short, the table small.
        std::size_t capacity = 16;
        while (capacity * 4 < keys.size() * 5)
            capacity *= 2;
        slots_.resize(capacity);
    }

    // The value stored for (name of keys[entry], number), inserted as `initial` when absent.
    std::uint32_t& at(std::uint32_t entry, std::int32_t number, std::uint32_t initial) {
        Slot& slot = find(keys_[entry].Name, hashes_[entry], number);
        if (slot.entry == kEmpty)
            slot = {hashes_[entry], entry, number, initial};
        return slot.value;
    }

    // The value stored for (name, number), or nullptr.
    const std::uint32_t* get(std::string_view name, std::uint32_t nameHash,
                             std::int32_t number) const {
        const Slot& slot = find(name, nameHash, number);
        return slot.entry == kEmpty ? nullptr : &slot.value;
    }

  private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    struct Slot {
        std::uint32_t nameHash = 0;
        std::uint32_t entry = kEmpty;
        std::int32_t number = 0;
        std::uint32_t value = 0;
    };

    static std::size_t mix(std::uint32_t nameHash, std::int32_t number) {
        // The finaliser of splitmix64: every input bit reaches every low output bit.
        std::uint64_t h = (std::uint64_t{nameHash} << 32) | static_cast<std::uint32_t>(number);
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::size_t>(h ^ (h >> 31));
    }

    Slot& find(std::string_view name, std::uint32_t nameHash, std::int32_t number) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mix(nameHash, number) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.entry == kEmpty)
                return slot;
            if (slot.nameHash == nameHash && slot.number == number &&
                keys_[slot.entry].Name == name) {
                return slot;
            }
        }
    }

    const TMy_FirmaArray& keys_;
    const std::vector<std::uint32_t>& hashes_;
    mutable std::vector<Slot> slots_;
};

}  // namespace compare::detail

namespace compare::detail {

// An open-addressing hash index from a 64-bit key to a 32-bit value.
class KeyIndex {
  public:
    explicit KeyIndex(std::size_t expectedKeys) {
        std::size_t capacity = 16;
        while (capacity * 4 < expectedKeys * 5)
            capacity *= 2;
        slots_.resize(capacity);
    }

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
        std::uint64_t h = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        for (std::size_t i = static_cast<std::size_t>(h ^ (h >> 31)) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (!slot.used || slot.key == key)
                return slot;
        }
    }

    mutable std::vector<Slot> slots_;
};

}  // namespace compare::detail
