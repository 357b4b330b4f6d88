#include "core/document_total.h"

#include "core/line_items.h"
#include "core/money.h"
#include "core/numbers.h"
#include "core/rounding.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vantrel {
namespace {

// The lists recompute this total for every row they show, so it reads the block in
// place: no line list, no item copies. The numbers it reads itself are the stored
// forms ("12,50", "-3", "20,00"); any other text goes to toFloat, which gives the
// same value or the same conversion error as it always has.

template <typename Char>
bool isBlank(Char c) {
    return c == Char(' ') || c == Char('\t');
}

constexpr int maxQuickDigits = 19; // below 2^64: the digits are held exactly

// 10^k, all exact in extended precision.
constexpr long double powersOfTen[maxQuickDigits + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
};

// [sign] digits [, digits] between blanks. The value is digits / 10^decimals with both
// operands exact, so the one correctly rounded division gives what the converter gives
// for the same decimal text. False for any other shape.
template <typename Char>
bool quickNumber(const Char* begin, const Char* end, long double& value) {
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    bool negative = false;
    if (begin < end && (*begin == Char('-') || *begin == Char('+')))
        negative = *begin++ == Char('-');
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    bool comma = false;
    for (; begin < end; ++begin) {
        const Char c = *begin;
        if (c >= Char('0') && c <= Char('9')) {
            if (++count > maxQuickDigits)
                return false;
            digits = digits * 10 + std::uint64_t(c - Char('0'));
            if (comma)
                ++decimals;
        } else if (c == Char(',') && !comma) {
            comma = true;
        } else {
            return false;
        }
    }
    if (count == 0)
        return false;
    const long double magnitude = static_cast<long double>(digits) / powersOfTen[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

QString text(const char16_t* begin, const char16_t* end) {
    return QString(reinterpret_cast<const QChar*>(begin), end - begin);
}

// Line breaks are single bytes in UTF-8, so a line decoded alone reads as the same
// line of the decoded block.
QString text(const char* begin, const char* end) { return QString::fromUtf8(begin, end - begin); }

// The number part of a money text: the characters before its first blank.
template <typename Char>
long double netValue(const Char* begin, const Char* end) {
    const Char* blank = begin;
    while (blank < end && *blank != Char(' '))
        ++blank;
    long double value;
    if (blank < end && quickNumber(begin, blank, value))
        return value;
    return moneyValue(text(begin, end));
}

template <typename Char>
long double rateValue(const Char* begin, const Char* end) {
    long double value;
    if (quickNumber(begin, end, value))
        return value;
    return toFloat(text(begin, end));
}

// Bits set in a byte, by table: the baseline x86-64 target has no popcount instruction.
constexpr auto bitCounts = [] {
    std::array<unsigned char, 256> counts{};
    for (int i = 0; i < 256; ++i)
        counts[size_t(i)] = static_cast<unsigned char>(std::popcount(unsigned(i)));
    return counts;
}();

constexpr qsizetype chunk = 256; // characters whose line breaks are gathered at once

// The positions (from `begin`) of every CR and LF in [begin, end), end - begin <= chunk,
// written to `at`; returns their number. A block of text has about one break every ten
// characters at irregular places, so they are gathered without a branch per character
// or per break, eight characters at a time where the processor allows.
int gatherBreaks(const char16_t* begin, const char16_t* end, int* at) {
    int count = 0;
    const char16_t* p = begin;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    for (; end - p >= 8; p += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(chars, cr), _mm_cmpeq_epi16(chars, lf));
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_packs_epi16(breaks, _mm_setzero_si128())));
        const int found = bitCounts[mask];
        const int offset = int(p - begin);
        // Four slots are always written (the spare ones are overwritten later); more than
        // four breaks in eight characters are blank lines, which are rare.
        for (int i = 0; i < 4; ++i) {
            at[count + i] = offset + std::countr_zero(mask);
            mask &= mask - 1;
        }
        for (int i = 4; i < found; ++i) {
            at[count + i] = offset + std::countr_zero(mask);
            mask &= mask - 1;
        }
        count += found;
    }
#endif
    for (; p < end; ++p) {
        if (*p == u'\r' || *p == u'\n')
            at[count++] = int(p - begin);
    }
    return count;
}

// The same for UTF-8 bytes, eight at a time.
int gatherBreaks(const char* begin, const char* end, int* at) {
    int count = 0;
    const char* p = begin;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 8; p += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
        unsigned mask = unsigned(_mm_movemask_epi8(breaks)) & 0xffu;
        const int found = bitCounts[mask];
        const int offset = int(p - begin);
        for (int i = 0; i < 4; ++i) {
            at[count + i] = offset + std::countr_zero(mask);
            mask &= mask - 1;
        }
        for (int i = 4; i < found; ++i) {
            at[count + i] = offset + std::countr_zero(mask);
            mask &= mask - 1;
        }
        count += found;
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\r' || *p == '\n')
            at[count++] = int(p - begin);
    }
    return count;
}

// Lines end at CR LF, a lone CR or a lone LF; a break at the very end starts no
// further line. Field 5 of each item is the net, field 7 the rate; an item is
// counted once its seventh line is there, so an incomplete last item is ignored.
template <typename Char>
long double totalOf(const Char* const p, const Char* const end) {
    constexpr int net = 4;
    constexpr int rate = 6;
    const Char* netBegin = nullptr;
    const Char* netEnd = nullptr;
    long double sum = 0.0L;
    int field = 0;
    auto line = [&](const Char* begin, const Char* lineEnd) {
        if (field == net) {
            netBegin = begin;
            netEnd = lineEnd;
        } else if (field == rate) {
            const long double n = netValue(netBegin, netEnd);
            sum += n * (rateValue(begin, lineEnd) / 100.0L + 1.0L);
        }
        field = field == lineItemFieldCount - 1 ? 0 : field + 1;
    };
    // A CR ends a line and takes a LF right after it along; every other LF ends a line.
    const Char* start = p;
    int breaks[chunk + 8];
    for (const Char* from = p; from < end; from += chunk) {
        const Char* to = end - from > chunk ? from + chunk : end;
        const int found = gatherBreaks(from, to, breaks);
        for (int i = 0; i < found; ++i) {
            const Char* lineBreak = from + breaks[i];
            if (*lineBreak == Char('\n') && lineBreak > p && lineBreak[-1] == Char('\r')) {
                start = lineBreak + 1;
                continue;
            }
            line(start, lineBreak);
            start = lineBreak + 1;
        }
    }
    if (start < end)
        line(start, end);
    return round2(sum);
}

} // namespace

long double gettotal(const QString& articlesBlock) {
    const auto* p = reinterpret_cast<const char16_t*>(articlesBlock.constData());
    return totalOf(p, p + articlesBlock.size());
}

long double gettotalUtf8(const char* block, qsizetype size) {
    return block ? totalOf(block, block + size) : 0.0L;
}

} // namespace vantrel
