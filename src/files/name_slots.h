// SPDX-License-Identifier: MIT
#pragma once

#include <QHashFunctions>
#include <QStringView>
#include <QtGlobal>
#include <bit>
#include <cstddef>
#include <utility>
#include <vector>

namespace km {

// The program's one hash table of names: open addressing over slots of eight bytes, 32 bits of a
// name's hash and the index of an entry the caller keeps. The names stay with the caller, who
// tells whether the entry at an index holds the name looked for; a probe reads one small array,
// and names are compared only where the 32 bits agree.
class NameSlots {
public:
    // The hash the table keeps of a name (folded first, where case is ignored).
    quint32 hashOf(QStringView name) const { return static_cast<quint32>(qHash(name, m_seed)); }

    // Room for `names` names and `spare` more before the table grows; a table less full has
    // shorter probe runs.
    NameSlots(std::size_t names, std::size_t spare) {
        m_slots.resize(std::bit_ceil(names + spare + 2));
        m_mask = m_slots.size() - 1;
    }

    // Asks for the slot a hash starts at, for a look-up some names later.
    void prefetch(quint32 hash) const { __builtin_prefetch(&m_slots[hash & m_mask]); }
    // The index in the slot a hash starts at (-1 when free): the entry a look-up most likely
    // reads, for the caller to ask for in turn.
    qint32 startIndex(quint32 hash) const { return m_slots[hash & m_mask].index; }

    // The index stored under the hash for which holdsName(index) is true, or -1.
    template <typename HoldsName> qint32 find(quint32 hash, HoldsName holdsName) const {
        for (std::size_t i = hash & m_mask; m_slots[i].index >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].hash == hash && holdsName(m_slots[i].index))
                return m_slots[i].index;
        }
        return -1;
    }

    // The index found as find() finds it, and false; or `fresh`, stored for the name, and true.
    template <typename HoldsName>
    std::pair<qint32, bool> findOrAdd(quint32 hash, qint32 fresh, HoldsName holdsName) {
        if (3 * (m_used + 1) > 2 * m_slots.size())
            grow();
        std::size_t i = hash & m_mask;
        for (; m_slots[i].index >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].hash == hash && holdsName(m_slots[i].index))
                return {m_slots[i].index, false};
        }
        m_slots[i] = {hash, fresh};
        ++m_used;
        return {fresh, true};
    }

private:
    struct Slot {
        quint32 hash = 0;
        qint32 index = -1;
    };

    void grow() {
        std::vector<Slot> larger(2 * m_slots.size());
        const std::size_t mask = larger.size() - 1;
        for (const Slot& slot : m_slots) {
            if (slot.index < 0)
                continue;
            std::size_t at = slot.hash & mask;
            while (larger[at].index >= 0)
                at = (at + 1) & mask;
            larger[at] = slot;
        }
        m_slots = std::move(larger);
        m_mask = mask;
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_used = 0;
    // Read once: asking Qt for it is a call into the library for every name.
    std::size_t m_seed = QHashSeed::globalSeed();
};

} // namespace km
