// Ordering the change lists.
//
// The long-standing procedure is an exchange sort: for each i, for each j >= i, swap
// entries i and j when j's difference should come first. It is quadratic and not stable
// for equal differences, and the program's users know its order, so it is reproduced
// exactly here in O(n log n).
//
// Call an entry "bigger" than a value v when the procedure puts it before v. The classes
// of equal differences come out in order, biggest first. Within the class of v, sweep the
// original list from left to right with a first-in-first-out queue: an entry of the class
// joins the back; a bigger entry, while the queue is not empty, moves the queue's front
// entry to its back; a smaller entry changes nothing. The queue at the end of the sweep is
// the class's order (100 P, 100 Q, 200 R gives R, Q, P).
//
// Per class, the rotations between two joins are counted with a Fenwick tree over the
// positions of the bigger entries; the queue itself is kept as a circular list with a
// moving front, where a join is an insertion just before the front. The insertion
// positions are resolved offline, last insertion first, with a second Fenwick tree.

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "compare/CRHoV_Util.h"

namespace compare {
namespace {

class FenwickTree {
  public:
    explicit FenwickTree(size_t size) : tree_(size + 1, 0) {}

    void add(size_t position, int delta) {
        for (size_t i = position + 1; i < tree_.size(); i += i & (~i + 1))
            tree_[i] += delta;
    }
    // Sum of positions [0, end).
    int prefix(size_t end) const {
        int sum = 0;
        for (size_t i = end; i > 0; i -= i & (~i + 1))
            sum += tree_[i];
        return sum;
    }
    int range(size_t begin, size_t end) const {
        return end > begin ? prefix(end) - prefix(begin) : 0;
    }
    // The smallest position whose prefix sum through it reaches k (k >= 1).
    size_t findKth(int k) const {
        size_t position = 0;
        size_t step = 1;
        while (step * 2 < tree_.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (position + step < tree_.size() && tree_[position + step] < k) {
                position += step;
                k -= tree_[position];
            }
        }
        return position;  // 0-based
    }

  private:
    std::vector<int> tree_;
};

// The order of one class: `positions` are its members' places in the original list
// (ascending), `rotations[t]` the number of bigger entries after member t and before the
// next member (after the last one: to the end of the list).
std::vector<size_t> classOrder(const std::vector<size_t>& positions,
                               const std::vector<int>& rotations) {
    const size_t count = positions.size();
    // Replay on a circular list L with front f: a join inserts at index f, then f moves one
    // on; k rotations move f by k modulo the size.
    std::vector<size_t> insertAt(count);
    size_t front = 0;
    for (size_t t = 0; t < count; ++t) {
        const size_t size = t;  // members already in the queue
        insertAt[t] = size == 0 ? 0 : front;
        front = size == 0 ? 0 : front + 1;
        front = (front + static_cast<size_t>(rotations[t])) % (size + 1);
    }
    // Resolve the final index of each insertion: the last one inserted takes the
    // (insertAt+1)-th free slot, and so on backwards.
    FenwickTree free(count);
    for (size_t i = 0; i < count; ++i)
        free.add(i, 1);
    std::vector<size_t> circular(count);
    for (size_t t = count; t-- > 0;) {
        const size_t slot = free.findKth(static_cast<int>(insertAt[t]) + 1);
        circular[slot] = positions[t];
        free.add(slot, -1);
    }
    std::vector<size_t> order;
    order.reserve(count);
    for (size_t i = 0; i < count; ++i)
        order.push_back(circular[(front + i) % count]);
    return order;
}

}  // namespace

void SortPromene(TMy_PromeneArray& list, int direction) {
    const size_t n = list.size();
    if (n < 2)
        return;
    // Bigger key = earlier in the result.
    auto key = [&](size_t i) { return direction >= 0 ? list[i].NumDiff : -list[i].NumDiff; };

    std::map<std::int64_t, std::vector<size_t>, std::greater<>> classes;
    for (size_t i = 0; i < n; ++i)
        classes[key(i)].push_back(i);

    FenwickTree bigger(n);
    std::vector<size_t> order;
    order.reserve(n);
    for (const auto& [value, positions] : classes) {
        std::vector<int> rotations(positions.size());
        for (size_t t = 0; t < positions.size(); ++t) {
            const size_t until = t + 1 < positions.size() ? positions[t + 1] : n;
            rotations[t] = bigger.range(positions[t] + 1, until);
        }
        const auto members = classOrder(positions, rotations);
        order.insert(order.end(), members.begin(), members.end());
        for (size_t position : positions)
            bigger.add(position, 1);
    }

    TMy_PromeneArray sorted;
    sorted.reserve(n);
    for (size_t i : order)
        sorted.push_back(std::move(list[i]));
    list = std::move(sorted);
}

}  // namespace compare
