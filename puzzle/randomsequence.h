// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RANDOMSEQUENCE_H
#define RANDOMSEQUENCE_H

#include <QtGlobal>

#include <array>

// The generator's rand(): values 0..32767, the same sequence on every
// platform from the same seed, and no state shared with anything else.
class RandomSequence
{
public:
    void seed(quint32 seed) { state = seed; }
    quint32 current() const { return state; }

    quint32 next()
    {
        state = state * multiplier + increment;
        return (state >> 16) & 0x7fffu;
    }

    // Advances as `count` calls of next() would: in one step for short
    // skips, in O(log count) for long ones.
    void skip(quint32 count)
    {
        if (count < shortSkips.size()) {
            state = shortSkips[count].mul * state + shortSkips[count].add;
            return;
        }
        quint32 accMul = 1, accAdd = 0, mul = multiplier, add = increment;
        for (; count; count >>= 1) {
            if (count & 1u) {
                accMul *= mul;
                accAdd = accAdd * mul + add;
            }
            add = (mul + 1) * add;
            mul *= mul;
        }
        state = accMul * state + accAdd;
    }

private:
    static constexpr quint32 multiplier = 1103515245u;
    static constexpr quint32 increment = 12345u;
    // k steps at once: state * mul + add.
    struct Jump
    {
        quint32 mul, add;
    };
    static constexpr std::array<Jump, 64> shortSkips = [] {
        std::array<Jump, 64> jumps{};
        jumps[0] = {1, 0};
        for (std::size_t k = 1; k < jumps.size(); ++k)
            jumps[k] = {jumps[k - 1].mul * multiplier, jumps[k - 1].add * multiplier + increment};
        return jumps;
    }();
    quint32 state = 1;
};

#endif  // RANDOMSEQUENCE_H
