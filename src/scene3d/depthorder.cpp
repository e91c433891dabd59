// The painter's order of the faces: a permutation of face numbers, sorted
// far to near every frame, starting from the order the last frame left.
#include <algorithm>
#include <cstdint>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "scene3d/scene3d.h"

int order[2500];

void resetorder()
{
    for (int i = 0; i < 2500; i++)
        order[i] = i;
}

namespace
{

// The sum of the depths of a face's corners: larger is farther.
int key(const unsigned* face, int f)
{
    return rz[face[3 * f]] + rz[face[3 * f + 1]] + rz[face[3 * f + 2]];
}

// The sort moves entries that hold a face's key above its number, so that a
// comparison is one load and one compare: the key less the least key of the
// range in the high bits, the face in the low FACEBITS.
const int FACEBITS = 12;
const unsigned FACEMASK = (1u << FACEBITS) - 1;

// Hoare's scheme with the first entry as pivot, descending, on the keys.
// Both scans stop on keys equal to the pivot. An entry's key is greater than
// the pivot's when the entry is at least `above`, less when it is below
// `below`.
//
// The k-th swap exchanges the k-th stop of the left scan (an entry not
// above) with the k-th stop of the right scan (an entry not below) as long
// as they have not crossed, and the entries between the scans are as they
// were. So the stops can be listed without a branch and then swapped pair by
// pair, which gives the same entries in the same places.
const int BLOCK = 32;

// The stops among the n < 64 entries from `a` on, as bits: bit k of `left`
// when entry k is not above the pivot, bit k + 1 of `right` when it is not
// below.
template <typename T>
void liststops(const T* a, int n, T above, T below, uint64_t& left, uint64_t& right)
{
    uint64_t l = 0, r = 0;
    for (int k = 0; k < n; k++) {
        l |= uint64_t(a[k] < above) << k;
        r |= uint64_t(a[k] >= below) << k;
    }
    left = l, right = r << 1;
}

#if defined(__SSE2__)
// Four entries at a time; the reads past the n entries stay inside the
// sort's room after the range and are masked off.
template <>
void liststops(const uint32_t* a, int n, uint32_t above, uint32_t below, uint64_t& left,
               uint64_t& right)
{
    // Unsigned order is signed order with the top bits flipped.
    const __m128i flip = _mm_set1_epi32(INT32_MIN);
    const __m128i up = _mm_xor_si128(_mm_set1_epi32(int(above)), flip);
    const __m128i down = _mm_xor_si128(_mm_set1_epi32(int(below)), flip);
    uint64_t l = 0, r = 0;
    for (int k = 0; k < n; k += 4) {
        __m128i x = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k)), flip);
        l |= uint64_t(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(x, up)))) << k;
        r |= uint64_t(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(x, down)))) << k;
    }
    uint64_t in = (uint64_t(1) << n) - 1;
    left = l & in, right = (~r & in) << 1;
}
#endif

// The scans standing at i and j, every entry up to i not less than the pivot
// and every entry from j on not greater, fewer than 64 entries apart: swaps
// the k-th stop of the left scan with the k-th of the right one as long as
// they have not crossed, and returns where the right scan ends. (With i at
// lo - 1 the pivot stops the right scan before it would reach i.) The stops
// are offsets from i, the left scan's taken from the bottom of its bits and
// the right scan's from the top; each scan is also bounded by the other's
// standing place.
template <typename T> int finish(T* a, int i, int j, T above, T below)
{
    int n = j - i - 1;
    uint64_t left, right;
    liststops(a + i + 1, n, above, below, left, right);
    // Offset n + 1 (bit n of `left`) is j, offset 0 (bit 0 of `right`) is i.
    left |= uint64_t(1) << n;
    right |= 1;
    int swapped = 0;
    for (;;) {
        int l = __builtin_ctzll(left) + 1, r = 63 - __builtin_clzll(right);
        // The right scan ends at its next stop, or at the last left stop
        // swapped if that comes first.
        if (l >= r)
            return i + (r > swapped ? r : swapped);
        std::swap(a[i + l], a[i + r]);
        left &= left - 1;
        right ^= uint64_t(1) << r;
        swapped = l;
    }
}

template <typename T> int partition(T* a, int lo, int hi)
{
    const T above = (a[lo] | FACEMASK) + 1, below = a[lo] & ~T(FACEMASK);
    int i = lo - 1, j = hi + 1;
    if (hi - lo + 1 <= 6) {
        // A few entries: the plain scans, whose mispredicted stops cost
        // less here than listing. Neither can leave the range, as both stop
        // on the pivot's key.
        for (;;) {
            do
                i++;
            while (a[i] >= above);
            do
                j--;
            while (a[j] < below);
            if (i >= j)
                return j;
            std::swap(a[i], a[j]);
        }
    }
    if (hi - lo + 1 >= 2 * BLOCK) {
        // While the unscanned middle holds a block for each scan that needs
        // one, the stops of a block are listed and paired with those of the
        // other side; stops left over wait for the other side's next block.
        unsigned char left[BLOCK], right[BLOCK];
        int l = lo, r = hi; // the first unscanned entry from each end
        int lb = 0, rb = 0; // the first entry of each side's block
        int nl = 0, nr = 0, sl = 0, sr = 0;
        while (r - l + 1 >= (nl ? 0 : BLOCK) + (nr ? 0 : BLOCK)) {
            if (nl == 0) {
                lb = l, sl = 0;
                for (int k = 0; k < BLOCK; k++) {
                    left[nl] = (unsigned char)k;
                    nl += a[l + k] < above;
                }
                l += BLOCK;
            }
            if (nr == 0) {
                // The first entry, which the last frame sorted among the
                // farthest, is often still among them: the right scan of such
                // a long partition passes whole blocks without a stop, and
                // those are only counted.
                rb = r, sr = 0;
                for (int k = 0; k < BLOCK; k++)
                    nr += a[r - k] >= below;
                if (nr) {
                    nr = 0;
                    for (int k = 0; k < BLOCK; k++) {
                        right[nr] = (unsigned char)k;
                        nr += a[r - k] >= below;
                    }
                }
                r -= BLOCK;
            }
            int m = nl < nr ? nl : nr;
            for (int k = 0; k < m; k++)
                std::swap(a[lb + left[sl + k]], a[rb - right[sr + k]]);
            sl += m, sr += m, nl -= m, nr -= m;
        }
        // An entry passed and not listed is no stop of its scan: each scan
        // goes on from its next listed stop, or from the unscanned middle.
        i = (nl ? lb + left[sl] : l) - 1;
        j = (nr ? rb - right[sr] : r) + 1;
    }
    return finish(a, i, j, above, below);
}

// Three entries x, y, z, as the partitions and the sorts of their parts
// leave them: the first partition swaps x and z when z is not less than x,
// giving p, y, q; then y goes first when it is not less than p, or else last
// when q, now x, is greater than y, or q, still z, is not less.
template <typename T> void sort3(T* a)
{
    const T key = ~T(FACEMASK);
    T x = a[0], y = a[1], z = a[2];
    bool swapped = z >= (x & key);
    T p = swapped ? z : x, q = swapped ? x : z;
    bool first = y >= (p & key);
    bool last = !first && q >= (swapped ? (y | FACEMASK) + 1 : y & key);
    a[0] = first ? y : p;
    a[1] = first ? p : last ? q : y;
    a[2] = last ? y : q;
}

// Steps lo past the entries at the front of lo..hi that are each farther
// than every entry after them. The partition of such a range takes the first
// entry as pivot, stops both scans on it, swaps nothing and splits it off
// alone, after its right scan has passed every entry: on an order that the
// last frame left nearly sorted that would be once per entry. An entry
// farther than most[k + 1], the bound on every entry after it (see
// sortentries), is one of them; the walk stops at the first entry that is
// not farther than its bound. Stopping short is no fault, as the partitions
// that follow split off any such entry left all the same.
template <typename T> int peel(const T* a, const T* most, int lo, int hi)
{
    int k = lo;
    while (k < hi && a[k] >= (most[k + 1] | FACEMASK) + 1)
        k++;
    return k;
}

// Ranges of at least this many entries look up where their right scan
// first stops.
const int REACH = 32;

// The last place in lo..hi whose entry in `most`, which never grows from
// place to place, is at least `below`; the first is. It is nearly always a
// few places on, so it is first bracketed by steps that double from lo, then
// found among the n places from `at` on by halving them without a branch.
template <typename T> int laststop(const T* most, int lo, int hi, T below)
{
    int step = 1;
    while (step <= hi - lo && most[lo + step] >= below)
        step *= 2;
    int at = lo + step / 2;
    for (int n = std::min(step, hi - lo + 1) - step / 2; n > 1;) {
        int half = n / 2;
        at = most[at + half] >= below ? at + half : at;
        n -= half;
    }
    return at;
}

template <typename T> void sortentries(T* a, int lo, int hi)
{
    // The partition of a range whose right scan first stops at `last` swaps
    // and splits as that of lo..last: the entries after `last` are passed
    // and never touched. Frame after frame the first entry is among the
    // farthest and splits off with a few others while its right scan passes
    // all the rest, so that scan is looked up instead, in most[k]: the
    // farthest entry from k to the end (0 after it) as the sort starts. Every
    // exchange moves an entry whose key is not farther than some pivot's to a
    // later place, and one whose key is not nearer to the earlier place, so
    // no key from k on ever grows farther than that of most[k].
    static T most[2501];
    const int end = hi;
    most[end + 1] = 0;
    for (int k = end; k >= lo; k--)
        most[k] = a[k] > most[k + 1] ? a[k] : most[k + 1];

    // Each partition leaves two parts: the larger waits on a stack while the
    // smaller is sorted, which keeps the stack within the log of the size.
    // The parts are disjoint, so the order of their sorts does not matter.
    int stack[2 * 32], top = 0, lone = 0;
    for (;;) {
        if (hi - lo >= 3) {
            // Where an entry after the range might stop the scan, so might
            // any in it: there is nothing to look up.
            int last = hi;
            const T below = a[lo] & ~T(FACEMASK);
            if (hi - lo + 1 >= REACH && most[hi + 1] < below)
                last = laststop(most, lo, hi, below);
            int p = partition(a, lo, last);
            // Two pivots in a row split off alone on a long range likely
            // begin a sorted run: the entries after them that would split off
            // alone too are stepped over at once.
            if (p == lo && hi - lo >= 16) {
                lo = ++lone < 2 ? lo + 1 : peel(a, most, lo + 1, hi);
                continue;
            }
            lone = 0;
            if (p - lo < hi - p) {
                stack[top++] = p + 1, stack[top++] = hi;
                hi = p;
            } else {
                stack[top++] = lo, stack[top++] = p;
                lo = p + 1;
            }
            continue;
        }
        // Two entries are swapped when the second is not less.
        if (hi - lo == 2)
            sort3(a + lo);
        else if (hi - lo == 1 && a[hi] >= (a[lo] & ~T(FACEMASK)))
            std::swap(a[lo], a[hi]);
        if (top == 0)
            return;
        hi = stack[--top], lo = stack[--top];
    }
}

template <typename T> void sortpacked(const int* keys, int least, int lo, int hi)
{
    // Room after the last entry for the stops' reads.
    static T entries[2500 + 64];
    for (int j = lo; j <= hi; j++)
        entries[j] = T(unsigned(keys[j - lo]) - unsigned(least)) << FACEBITS | T(order[j]);
    sortentries(entries, lo, hi);
    for (int j = lo; j <= hi; j++)
        order[j] = int(entries[j] & FACEMASK);
}

} // namespace

void quicksort(const unsigned* face, int lo, int hi)
{
    // A range of one face or none is sorted already, and reads nothing.
    if (lo >= hi)
        return;
    // Each face's key is summed once, for the faces in the range.
    static int keys[2500];
    int least = key(face, order[lo]), most = least;
    for (int j = lo; j <= hi; j++) {
        int k = key(face, order[j]);
        keys[j - lo] = k;
        least = k < least ? k : least;
        most = k > most ? k : most;
    }
    // Keys spread over fewer than 2^19 values fit in 32 bits with the face
    // (with room for `above`); any int keys fit in 64.
    if (unsigned(most) - unsigned(least) < 1u << 19)
        sortpacked<uint32_t>(keys, least, lo, hi);
    else
        sortpacked<uint64_t>(keys, least, lo, hi);
}

void sortfaces(const unsigned* face, int count)
{
    // Skipping back from the rings to a car scene meets an order that still
    // names ring faces the car does not have: start that mesh afresh.
    for (int j = 0; j < count; j++)
        if (order[j] >= count) {
            resetorder();
            break;
        }
    quicksort(face, 0, count - 1);
}
