#include "KeyIndex.h"

#include <QCryptographicHash>
#include <cstring>

KeyIndex::KeyIndex(qsizetype expected)
{
    std::size_t capacity = 16;
    while (capacity * 3 < std::size_t(expected) * 4)
        capacity *= 2;
    m_entries.resize(capacity);
}

KeyIndex::Entry KeyIndex::packed(QByteArrayView key)
{
    const QByteArray digest
        = key.size() == 16 ? QByteArray() : QCryptographicHash::hash(key, QCryptographicHash::Md5);
    const char* bytes = key.size() == 16 ? key.data() : digest.constData();
    Entry entry;
    std::memcpy(&entry.first, bytes, 8);
    std::memcpy(&entry.second, bytes + 8, 8);
    return entry;
}

// A mix of both halves: keys made in sequence still spread.
std::size_t KeyIndex::home(const Entry& key) const
{
    const quint64 mixed = (key.first ^ (key.second * 0x9E3779B97F4A7C15ULL)) * 0xBF58476D1CE4E5B9ULL;
    return std::size_t(mixed ^ (mixed >> 31)) & (m_entries.size() - 1);
}

// Linear probing from the key's home.
std::size_t KeyIndex::find(const Entry& key) const
{
    const std::size_t mask = m_entries.size() - 1;
    std::size_t i = home(key);
    while (m_entries[i].number != None
           && (m_entries[i].first != key.first || m_entries[i].second != key.second))
        i = (i + 1) & mask;
    return i;
}

void KeyIndex::prefetch(QByteArrayView key) const
{
#if defined(__GNUC__)
    __builtin_prefetch(&m_entries[home(packed(key))]);
#else
    Q_UNUSED(key);
#endif
}

qsizetype KeyIndex::value(QByteArrayView key) const
{
    return m_entries[find(packed(key))].number;
}

qsizetype KeyIndex::exchange(QByteArrayView key, qsizetype number)
{
    Q_ASSERT(number != None);
    // Up to three quarters full: probes stay short and mostly within one cache line.
    if (std::size_t(m_size + 1) * 4 > m_entries.size() * 3)
        grow();
    const Entry wanted = packed(key);
    Entry& entry = m_entries[find(wanted)];
    const qsizetype before = entry.number;
    if (before == None) {
        entry = wanted;
        ++m_size;
    }
    entry.number = number;
    return before;
}

void KeyIndex::grow()
{
    std::vector<Entry> old(m_entries.size() * 2);
    old.swap(m_entries);
    for (const Entry& entry : old) {
        if (entry.number != None)
            m_entries[find(entry)] = entry;
    }
}
