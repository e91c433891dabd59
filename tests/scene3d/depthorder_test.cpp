// The painter's order: Hoare's partition exactly (its orders among equal
// keys are part of the picture), the hand-over between the car and the
// rings, and sorted input that would nest one call per face.
#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <random>
#include <vector>

#include "base/base.h"
#include "scene3d/scene3d.h"
#include "support.h"

namespace
{

// Faces whose keys are given: face f has corners f, 698 and 699, and the
// last two lie at depth 0.
std::vector<int> sorted(std::vector<int> keys)
{
    std::vector<unsigned> face;
    for (size_t f = 0; f < keys.size(); f++) {
        face.insert(face.end(), {unsigned(f), 698, 699});
        rz[f] = keys[f];
    }
    rz[698] = rz[699] = 0;
    resetorder();
    quicksort(face.data(), 0, int(keys.size()) - 1);
    return std::vector<int>(order, order + keys.size());
}

std::vector<int> identity(int n)
{
    std::vector<int> v(n);
    std::iota(v.begin(), v.end(), 0);
    return v;
}

int key(const unsigned* face, int f)
{
    return rz[face[3 * f]] + rz[face[3 * f + 1]] + rz[face[3 * f + 2]];
}

bool fartonear(const unsigned* face, int n)
{
    for (int j = 1; j < n; j++)
        if (key(face, order[j]) > key(face, order[j - 1]))
            return false;
    return true;
}

// The plain sort the painter's order is defined by: Hoare's partition,
// summing a face's key at every comparison, and two recursive calls.
int plainpartition(const unsigned* face, int* ord, int lo, int hi)
{
    int pivot = key(face, ord[lo]);
    int i = lo - 1, j = hi + 1;
    for (;;) {
        do
            i++;
        while (key(face, ord[i]) > pivot);
        do
            j--;
        while (key(face, ord[j]) < pivot);
        if (i >= j)
            return j;
        std::swap(ord[i], ord[j]);
    }
}

void plainsort(const unsigned* face, int* ord, int lo, int hi)
{
    if (lo < hi) {
        int p = plainpartition(face, ord, lo, hi);
        plainsort(face, ord, lo, p);
        plainsort(face, ord, p + 1, hi);
    }
}

} // namespace

TEST(Quicksort, OrdersOfHoaresPartition)
{
    EXPECT_EQ(sorted({5, 1, 9, 3}), (std::vector<int>{2, 0, 3, 1}));
    EXPECT_EQ(sorted({7, 7, 7, 7}), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(sorted({4, 4, 7, 4}), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(sorted({7, 7, 3, 3}), (std::vector<int>{1, 0, 3, 2}));
    EXPECT_EQ(sorted({2, 2, 2, 2, 2, 2}), (std::vector<int>{4, 3, 5, 1, 0, 2}));
    EXPECT_EQ(sorted({1, 2, 3, 4, 5}), (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(Quicksort, EmptyAndSingleRangesLeaveTheOrder)
{
    std::vector<unsigned> face = {0, 1, 2, 3, 4, 5};
    rz[0] = 1, rz[3] = 2;
    std::swap(order[0], order[1]);
    std::vector<int> before(order, order + 2500);
    quicksort(face.data(), 1, 1);
    quicksort(face.data(), 1, 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), order));
    resetorder();
}

// On the song's own path the car is sorted after a reset, then the rings
// without one: the entries past the car's are still the identity, so the
// rings' sort starts from the order the car left.
TEST(Sortfaces, RingsAfterTheCarKeepTheCarsOrder)
{
    setupscreen();
    xr = 195, yr = 75, offsetx = offsety = 160, offsetz = -1042;
    resetorder();
    calcpoints(vertdelorean, 127);
    sortfaces(facedelorean, 238);
    xr = 300, yr = 200, offsetx = 160, offsety = 120, offsetz = -300;
    calcpoints(vert2torus, 385);
    std::vector<int> start(order, order + 2500);
    sortfaces(face2torus, 769);
    std::vector<int> rings(order, order + 2500);
    std::copy(start.begin(), start.end(), order);
    quicksort(face2torus, 0, 768);
    EXPECT_TRUE(std::equal(rings.begin(), rings.end(), order));
    EXPECT_TRUE(fartonear(face2torus, 769));
}

// Skipping back from the rings to a car scene: the first 238 entries name
// ring faces, so the car starts from the identity.
TEST(Sortfaces, CarAfterTheRingsStartsAfresh)
{
    setupscreen();
    xr = 300, yr = 200, offsetx = 160, offsety = 120, offsetz = -300;
    resetorder();
    calcpoints(vert2torus, 385);
    sortfaces(face2torus, 769);
    ASSERT_TRUE(std::any_of(order, order + 238, [](int f) { return f >= 238; }));
    xr = 100, yr = 314, offsety = 180, offsetz = -100;
    calcpoints(vertdelorean, 127);
    sortfaces(facedelorean, 238);
    std::vector<int> car(order, order + 2500);
    std::vector<int> first(car.begin(), car.begin() + 238);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, identity(238));
    resetorder();
    quicksort(facedelorean, 0, 237);
    EXPECT_TRUE(std::equal(car.begin(), car.end(), order));
    EXPECT_TRUE(std::equal(order + 238, order + 2500, identity(2500).begin() + 238));
}

// Faces already in order, far to near or near to far, split off one face
// per partition. The sort runs on a small stack on which a call per face
// would not fit.
TEST(Quicksort, OrderedInputOnASmallStack)
{
    const int n = 2000;
    static std::vector<unsigned> face;
    for (int v = 0; v < 700; v++)
        rz[v] = v - 350;
    for (bool descending : {true, false}) {
        // Keys from 1047 down (or up to 1047) in steps of one: a face's key
        // is a + b + c - 1050 for corners a, b, c.
        face.clear();
        for (int f = 0; f < n; f++) {
            int s = 2097 - (descending ? f : n - 1 - f), a = std::min(699, s),
                b = std::min(699, s - a);
            face.insert(face.end(), {unsigned(a), unsigned(b), unsigned(s - a - b)});
        }
        resetorder();
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, std::max<size_t>(16 * 1024, PTHREAD_STACK_MIN));
        pthread_t thread;
        auto run = [](void*) -> void* {
            quicksort(face.data(), 0, n - 1);
            return nullptr;
        };
        ASSERT_EQ(pthread_create(&thread, &attr, run, nullptr), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attr);
        EXPECT_TRUE(fartonear(face.data(), n));
        if (descending) {
            EXPECT_TRUE(std::equal(order, order + 2500, identity(2500).begin()));
        }
    }
    resetorder();
}

// Random meshes and starting orders, with few distinct depths so that equal
// keys abound: the same order as the plain sort, range by range.
TEST(Quicksort, SameOrderAsThePlainSort)
{
    std::mt19937 rng(2024);
    std::vector<unsigned> face;
    for (int round = 0; round < 400; round++) {
        int n = 1 + int(rng() % 1200), spread = 1 + int(rng() % 40);
        for (int v = 0; v < 700; v++)
            rz[v] = int(rng() % (2 * spread + 1)) - spread;
        face.clear();
        for (int i = 0; i < 3 * n; i++)
            face.push_back(rng() % 700);
        resetorder();
        std::shuffle(order, order + n, rng);
        // Every other round starts as a frame does, from the last frame's
        // order with a few faces moved: runs of faces each farther than all
        // after them, broken here and there.
        if (round % 2) {
            plainsort(face.data(), order, 0, n - 1);
            for (int k = int(rng() % 6); k > 0; k--)
                std::swap(order[rng() % n], order[rng() % n]);
        }
        int lo = round % 4 ? 0 : int(rng() % n);
        int hi = round % 3 ? n - 1 : lo + int(rng() % (n - lo));
        std::vector<int> want(order, order + 2500);
        plainsort(face.data(), want.data(), lo, hi);
        quicksort(face.data(), lo, hi);
        ASSERT_TRUE(std::equal(want.begin(), want.end(), order)) << "round " << round;
    }
    resetorder();
}

namespace
{

// 698 faces, face f with corners f, 698 and 699, the last two at depth 0:
// the key of a face is the depth of its first corner.
std::vector<unsigned> onecornerfaces()
{
    std::vector<unsigned> face;
    for (unsigned f = 0; f < 698; f++)
        face.insert(face.end(), {f, 698, 699});
    rz[698] = rz[699] = 0;
    return face;
}

// Sorts order[lo..hi] both ways, from the same start, and tells whether the
// whole order agrees.
bool sameasplain(const std::vector<unsigned>& face, int lo, int hi)
{
    std::vector<int> want(order, order + 2500);
    plainsort(face.data(), want.data(), lo, hi);
    quicksort(face.data(), lo, hi);
    return std::equal(want.begin(), want.end(), order);
}

} // namespace

// Up to six faces with every pattern of four depths: the shortest ranges,
// where every tie decides the order.
TEST(Quicksort, EveryPatternOfFewFaces)
{
    std::vector<unsigned> face = onecornerfaces();
    for (int n = 2; n <= 6; n++) {
        int patterns = 1;
        for (int k = 0; k < n; k++)
            patterns *= 4;
        for (int pattern = 0; pattern < patterns; pattern++) {
            resetorder();
            for (int k = 0, p = pattern; k < n; k++, p /= 4)
                rz[k] = p % 4 - 1;
            ASSERT_TRUE(sameasplain(face, 0, n - 1)) << n << " faces, pattern " << pattern;
        }
    }
    resetorder();
}

// Ranges shaped as the partitions meet them, at sizes around those where
// the partition changes its way of scanning, at any place in the order, and
// with keys too far apart for 32 bits.
TEST(Quicksort, ShapedRangesAsThePlainSort)
{
    std::vector<unsigned> face = onecornerfaces();
    std::mt19937 rng(77);
    const int sizes[] = {4,  5,  7,  8,  15, 16,  17,  31,  32,  33,  63,  64,
                         65, 66, 95, 96, 97, 127, 128, 129, 191, 250, 400, 697};
    // The key of the t-th of n faces in the starting order.
    auto shapes = {
        +[](int, int, unsigned) { return 5; },                                // all equal
        +[](int t, int, unsigned r) { return int(r % 2) + t % 2; },           // few distinct
        +[](int t, int n, unsigned) { return n - t; },                        // far to near
        +[](int t, int, unsigned) { return t; },                              // near to far
        +[](int t, int n, unsigned) { return (n - t) / 3; },                  // far to near, ties
        +[](int t, int n, unsigned) { return t < n / 2 ? t : n - t; },        // up then down
        +[](int t, int, unsigned r) { return t == 0 ? 100 : int(r % 7); },    // far pivot
        +[](int t, int, unsigned r) { return t == 0 ? -100 : int(r % 7); },   // near pivot
        +[](int, int n, unsigned r) { return int(r % unsigned(n)) - n / 2; }, // random
        // Far to near with every third entry a few places nearer: each pivot
        // splits off a few entries, and equal keys lie on both sides of where
        // its right scan first stops.
        +[](int t, int n, unsigned) { return n - t - (t % 3 ? 0 : 3); },
        +[](int t, int n, unsigned r) { return (n - t) / 4 - int(r % 2); },
    };
    for (int n : sizes) {
        int shape = 0;
        for (auto depth : shapes) {
            for (int wide = 0; wide < 2; wide++) {
                resetorder();
                int lo = int(rng() % unsigned(698 - n + 1)), hi = lo + n - 1;
                std::shuffle(order, order + 698, rng);
                for (int t = 0; t < n; t++)
                    rz[order[lo + t]] = depth(t, n, rng()) * (wide ? 1 << 20 : 1);
                ASSERT_TRUE(sameasplain(face, lo, hi))
                    << n << " faces, shape " << shape << (wide ? ", wide keys" : "");
            }
            shape++;
        }
    }
    resetorder();
}

// Frame after frame from the order the last sort left, the depths drifting
// a little (the start nearly sorted, with long runs and many ties) and now
// and then all new (the start at random).
TEST(Quicksort, FrameAfterFrameAsThePlainSort)
{
    std::vector<unsigned> face = onecornerfaces();
    std::mt19937 rng(5);
    resetorder();
    std::vector<int> plain(order, order + 2500);
    for (int frame = 0; frame < 300; frame++) {
        int spread = 1 + int(rng() % 60);
        for (int f = 0; f < 698; f++)
            rz[f] = frame % 10 ? rz[f] + int(rng() % 5) - 2 : int(rng() % unsigned(spread));
        plainsort(face.data(), plain.data(), 0, 697);
        quicksort(face.data(), 0, 697);
        ASSERT_TRUE(std::equal(plain.begin(), plain.end(), order)) << "frame " << frame;
    }
    resetorder();
}
