#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

// Record keys to numbers (0 or more) in one flat table, for reads that look up a roster's worth
// of keys: a look touches one place in memory where a QHash touches two or three, and with
// hundreds of thousands of random keys each place is a cache miss. A key is held as two numbers;
// one of other than 16 bytes (which no copy of this program writes) by its digest.
class KeyIndex
{
public:
    static constexpr qsizetype None = -1;

    explicit KeyIndex(qsizetype expected = 0);

    // The number held for key, or None.
    qsizetype value(QByteArrayView key) const;
    // Holds number for key; returns the number it held before, or None.
    qsizetype exchange(QByteArrayView key, qsizetype number);
    // Starts fetching the memory a look for key reads, so that other work can go on meanwhile.
    void prefetch(QByteArrayView key) const;
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

private:
    struct Entry
    {
        quint64 first = 0;
        quint64 second = 0;
        qsizetype number = None; // None: unused
    };

    static Entry packed(QByteArrayView key);
    std::size_t home(const Entry& key) const;
    // Where key is held, or the free place where it would go.
    std::size_t find(const Entry& key) const;
    void grow();

    std::vector<Entry> m_entries;
    qsizetype m_size = 0;
};
