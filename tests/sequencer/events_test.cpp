// The event drain of the main loop, against the real SDL queue and a real
// module played into /dev/null by libmikmod's raw writer.
#include <gtest/gtest.h>
#include <mikmod.h>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

struct Events : ::testing::Test {
    static MODULE* song;

    static void SetUpTestSuite()
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        MikMod_RegisterDriver(&drv_raw);
        MikMod_RegisterAllLoaders();
        ASSERT_EQ(MikMod_Init("file=/dev/null"), 0);
        song = Player_Load(DEMO_RUN_DIR "/zel.it", 64, 0);
        ASSERT_NE(song, nullptr) << MikMod_strerror(MikMod_errno);
    }
    static void TearDownTestSuite()
    {
        Player_Stop();
        Player_Free(song);
        MikMod_Exit();
        SDL_Quit();
    }
    void SetUp() override
    {
        Player_Start(song);
        Player_SetPosition(5);
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
    }
    static void push(Uint8 type, SDLKey key = SDLK_UNKNOWN)
    {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.keysym.sym = key;
        ASSERT_EQ(SDL_PushEvent(&e), 0);
    }
};

MODULE* Events::song;

} // namespace

TEST_F(Events, ReleasesMoveTheSongOnePosition)
{
    push(SDL_KEYDOWN, SDLK_RIGHT); // holding does nothing
    EXPECT_EQ(pollevents(), 0);
    MikMod_Update();
    EXPECT_EQ(song->sngpos, 5);
    push(SDL_KEYUP, SDLK_RIGHT);
    EXPECT_EQ(pollevents(), 0);
    MikMod_Update(); // the player takes the jump on its next tick
    EXPECT_EQ(song->sngpos, 6);
    push(SDL_KEYUP, SDLK_LEFT);
    EXPECT_EQ(pollevents(), 0);
    MikMod_Update();
    EXPECT_EQ(song->sngpos, 5);
}

// The player keeps one pending jump, so of several releases drained before
// its next tick the last one handled decides.
TEST_F(Events, QueuedReleasesAreHandledInOrder)
{
    push(SDL_KEYUP, SDLK_RIGHT);
    push(SDL_KEYUP, SDLK_LEFT);
    EXPECT_EQ(pollevents(), 0);
    MikMod_Update();
    EXPECT_EQ(song->sngpos, 4);
}

TEST_F(Events, EscapeReleaseQuitsWithoutHandlingTheRest)
{
    push(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_EQ(pollevents(), 0);
    push(SDL_KEYUP, SDLK_ESCAPE);
    push(SDL_KEYUP, SDLK_RIGHT);
    EXPECT_EQ(pollevents(), 1);
    MikMod_Update();
    EXPECT_EQ(song->sngpos, 5);
}

TEST_F(Events, ClosingTheWindowQuits)
{
    push(SDL_KEYUP, SDLK_a);
    EXPECT_EQ(pollevents(), 0);
    push(SDL_QUIT);
    EXPECT_EQ(pollevents(), 1);
}
