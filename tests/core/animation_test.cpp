// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

struct Point {
    Twips x, y;
    bool operator==(const Point &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Point &p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}

} // namespace

// Follows a travelling picture through one animation: where it was after each step.
class Animation : public GameFixture
{
protected:
    std::vector<Point> trail;
    // The game sleeps once after every step, until that step's moment.
    void follow(Control traveller)
    {
        view.onWait([this, traveller](HeadlessView &v, Moment) { trail.push_back({ v.left(traveller), v.top(traveller) }); });
    }
    // The first step after which the picture stood on `p`, 0 if never.
    int arrival(Point p) const
    {
        for (std::size_t i = 0; i < trail.size(); ++i)
            if (trail[i] == p)
                return int(i) + 1;
        return 0;
    }
};

TEST_F(Animation, DeckCardToPlayerPlacesTwoOneAndTwelve)
{
    follow(Image46);
    setHand(kPlayer, { "2C", "3C" });
    game.drawanimation('D');
    ASSERT_EQ(trail.size(), 300u);
    EXPECT_EQ(trail.back(), (Point { 1560, 6240 }));
    EXPECT_EQ(arrival({ 1560, 6240 }), 300);
    EXPECT_EQ((Point { view.left(Image46), view.top(Image46) }), (Point { 7560, 4200 }));
    EXPECT_EQ(view.now(), kAnimationLength);

    trail.clear();
    setHand(kPlayer, { "2C" });
    game.drawanimation('D');
    EXPECT_EQ(trail.back(), (Point { 1560, 6240 })); // stops short of (360, 6240)

    trail.clear();
    setHand(kPlayer, std::vector<Card>(12, "2C"));
    game.drawanimation('D');
    EXPECT_EQ(trail.back(), (Point { 1560, 7200 })); // stops short of (360, 7800)
}

TEST_F(Animation, DeckCardToComputerPlacesOneAndTwelveAndAFullHand)
{
    follow(Image46);
    setHand(kComputer, { "2C" });
    game.drawanimation('U');
    EXPECT_EQ(arrival({ 12360, 2160 }), 240);
    EXPECT_EQ(trail.back(), (Point { 12360, 2160 }));

    trail.clear();
    setHand(kComputer, std::vector<Card>(12, "2C"));
    game.drawanimation('U');
    EXPECT_EQ(trail.back(), (Point { 12360, 1200 }));

    trail.clear();
    setHand(kPlayer, std::vector<Card>(22, "2C"));
    game.match.deckplace = 20;
    game.match.deck[20] = "9S";
    game.drawanimation('D');
    EXPECT_EQ(trail.back(), (Point { 12360, 7200 })); // place 22 is (12360, 7800): 300 steps leave it short
    EXPECT_EQ(view.state(Label16).caption, "1");
    EXPECT_TRUE(view.autoRedraw());
}

TEST_F(Animation, ComputerCardToThePile)
{
    follow(Image48);
    view.setPicture(Image45, Picture::face("7S"));
    game.movetopile('D', 7);
    EXPECT_EQ(arrival({ 5160, 4200 }), 204);
    EXPECT_EQ(trail.back(), (Point { 5160, 4200 }));
    EXPECT_FALSE(view.state(Image48).visible);
    EXPECT_EQ(picture(Image45), "7S.bmp"); // the computer's turn has already shown its card

    game.movetopile('D', 1);
    EXPECT_EQ((Point { view.left(Image48), view.top(Image48) }), (Point { 6360, 4200 }));
    game.movetopile('D', 12);
    EXPECT_EQ((Point { view.left(Image48), view.top(Image48) }), (Point { 6360, 3600 }));
    EXPECT_EQ(view.now(), 3 * kAnimationLength);
}

TEST_F(Animation, PlayerCardRisesFromALiftedPlace)
{
    std::vector<std::string> pileDuring;
    game.match.curcard = "QH";
    view.setTop(playerslot(1), 6240 - kLift);
    view.onWait([&](HeadlessView &v, Moment) {
        pileDuring.push_back(v.state(Image45).picture);
        trail.push_back({ v.left(Image49), v.top(Image49) });
    });
    game.movetopile('U', 1);
    EXPECT_EQ(trail.front(), (Point { 380, 5980 }));
    EXPECT_EQ(arrival({ 5160, 4200 }), 240);
    EXPECT_EQ(trail.back(), (Point { 5160, 4200 }));
    for (const std::string &p : pileDuring)
        ASSERT_EQ(p, "/game/Card.bmp");
    EXPECT_EQ(picture(Image45), "QH.bmp");
    EXPECT_EQ(picture(Image49), "QH.bmp");
    EXPECT_FALSE(view.state(Image49).visible);

    view.setTop(playerslot(12), 7800 - kLift);
    game.movetopile('U', 12);
    EXPECT_EQ((Point { view.left(Image49), view.top(Image49) }), (Point { 5160, 4550 }));
}
