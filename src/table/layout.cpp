// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/layout.h"

#include "language/wording.h"

#include <stdexcept>

namespace wildcrest
{

std::string Control::name() const
{
    switch (kind) {
    case ControlKind::Image:
        return "Image" + std::to_string(number);
    case ControlKind::Label:
        return "Label" + std::to_string(number);
    case ControlKind::Shape:
        return "Shape" + std::to_string(number);
    case ControlKind::Frame:
        return "Frame" + std::to_string(number);
    }
    return "?";
}

Rect playerslotRect(int k)
{
    return { 360 + 1200 * ((k - 1) % 11), k <= 11 ? 6240 : 7800, 1095, 1455 };
}

Rect cpuslotRect(int k)
{
    return { 12360 - 1200 * ((k - 1) % 11), k <= 11 ? 2160 : 600, 1095, 1455 };
}

namespace
{

    const FontSpec kPlateFont { "MS Sans Serif", 18, true, false };
    const FontSpec kResultFont { "MS Sans Serif", 24, true, true };
    const FontSpec kCreditFont { "MS Sans Serif", 13.5, false, false };
    const FontSpec kCreditBoldFont { "MS Sans Serif", 13.5, true, false };
    constexpr Colour kYellow = 0x0000FFFF;
    constexpr Colour kWhite = 0x00FFFFFF;
    constexpr Colour kGreen = 0x0000C000;

    ControlSpec at(Control c, Rect r)
    {
        ControlSpec s;
        s.control = c;
        s.rect = r;
        return s;
    }

    ControlSpec picture(Control c, Rect r, std::string builtIn = {})
    {
        ControlSpec s = at(c, r);
        s.builtInPicture = std::move(builtIn);
        return s;
    }

    ControlSpec outline(Control c, Rect r, Colour line)
    {
        ControlSpec s = at(c, r);
        s.lineColour = line;
        return s;
    }

    ControlSpec plate(Control c, Rect r, std::string caption, Align align)
    {
        ControlSpec s = at(c, r);
        s.caption = std::move(caption);
        s.textColour = kYellow;
        s.backColour = kBlack;
        s.border = true;
        s.font = kPlateFont;
        s.align = align;
        return s;
    }

    ControlSpec result(Control c, Rect r, std::string caption)
    {
        ControlSpec s = at(c, r);
        s.caption = std::move(caption);
        s.textColour = kRed;
        s.font = kResultFont;
        return s;
    }

    ControlSpec titleText(Control c, Rect r, std::string caption, FontSpec font, Colour text = kSystemWindowText)
    {
        ControlSpec s = at(c, r);
        s.onTitleScreen = true;
        s.caption = std::move(caption);
        s.textColour = text;
        s.font = std::move(font);
        return s;
    }

    ControlSpec titlePicture(Control c, Rect r, std::string builtIn, Card shows = {})
    {
        ControlSpec s = picture(c, r, std::move(builtIn));
        s.onTitleScreen = true;
        if (!shows.empty())
            s.shows = Picture::face(shows);
        return s;
    }

    // The table itself: the hands' outlines, the plates, the places, the pile and the deck.
    void addTable(std::vector<ControlSpec> &l)
    {
        l.push_back(outline(shape(3), { 120, 6120, 13575, 3255 }, kGreen));
        l.push_back(outline(shape(4), { 120, 480, 13575, 3255 }, kGreen));
        l.push_back(outline(Shape2, { 5040, 4080, 1335, 1695 }, kRed));

        ControlSpec round = at(Label1, { 120, 0, 13575, 495 });
        round.caption = WILDCREST_TEXT("Table", "START");
        round.textColour = kSystemWindowText;
        round.font = kPlateFont;
        l.push_back(round);
        l.push_back(plate(Label2, { 720, 5040, 2295, 495 }, WILDCREST_TEXT("Table", "Player"), Align::Centre));
        l.push_back(plate(Label3, { 720, 4320, 2295, 495 }, WILDCREST_TEXT("Table", "Computer"), Align::Centre));
        l.push_back(plate(Label4, { 3120, 5040, 975, 495 }, "0", Align::Left));
        l.push_back(plate(Label5, { 3120, 4320, 975, 495 }, "0", Align::Left));

        for (int k = 1; k <= 22; ++k)
            l.push_back(picture(playerslot(k), playerslotRect(k)));
        for (int k = 1; k <= 22; ++k)
            l.push_back(picture(cpuslot(k), cpuslotRect(k)));
        l.push_back(picture(Image45, { 5160, 4200, 1095, 1455 }));
        l.push_back(picture(Image47, { 7680, 4320, 1065, 1440 }, "Back.bmp"));
        l.push_back(picture(Image46, { 7560, 4200, 1065, 1440 }, "Back.bmp"));

        ControlSpec counter = at(Label16, { 7800, 4680, 615, 495 });
        counter.caption = "52";
        counter.textColour = kWhite;
        counter.font = { "Arial", 15.75, true, false };
        l.push_back(counter);
    }

    // What stands above the table: the travelling cards, the results, the sign and the menu.
    void addAboveTheTable(std::vector<ControlSpec> &l)
    {
        l.push_back(picture(Image48, { 6120, 1560, 1095, 1455 }));
        l.push_back(picture(Image49, { 6120, 6840, 1095, 1455 }));
        l.push_back(result(Label6, { 9000, 5280, 4455, 615 }, WILDCREST_TEXT("Table", "Player Wins!")));
        l.push_back(result(Label7, { 9120, 4080, 4455, 615 }, WILDCREST_TEXT("Table", "Computer Wins!")));
        l.push_back(result(Label15, { 9120, 4680, 4455, 615 }, WILDCREST_TEXT("Table", "Tie Game!")));

        // What a press will do, when the game waits with nothing on offer; hidden until then.
        ControlSpec sign = at(Label18, { 120, 5760, 13575, 375 });
        sign.textColour = kBlack;
        sign.font = { "Arial", 14.25, true, false };
        sign.visible = false;
        l.push_back(sign);

        // What just happened, between the top hand and the pile, in the prompts' type.
        ControlSpec narration = at(NarrationLine, { 120, 3735, 13575, 345 });
        narration.textColour = kBlack;
        narration.font = sign.font;
        narration.visible = false;
        l.push_back(narration);

        // The menu the switch opens: the table dimmed beneath it, a question when
        // it asks one, and large items in a column.
        ControlSpec backdrop = at(MenuBackdrop, { 0, 0, kWindowWidth, kWindowHeight });
        backdrop.veil = true;
        backdrop.visible = false;
        l.push_back(backdrop);
        ControlSpec question = at(MenuQuestion, { 1920, 120, 9975, 735 });
        question.textColour = kWhite;
        question.backColour = kBlack;
        question.font = { "Arial", 24, true, false };
        question.visible = false;
        l.push_back(question);
        for (int k = 1; k <= kMenuItems; ++k) {
            ControlSpec item = at(menuitem(k), { 3900, 1200 + (k - 1) * 1080, 6000, 735 });
            item.textColour = kBlack;
            item.backColour = kWhite;
            item.border = true;
            item.font = { "Arial", 24, true, false };
            item.visible = false;
            l.push_back(item);
        }
    }

    // The title screen, drawn above everything until the first press.
    void addTitleScreen(std::vector<ControlSpec> &l)
    {
        ControlSpec frame = at(Frame1, { 0, 0, kWindowWidth, kWindowHeight });
        frame.backColour = kWhite;
        l.push_back(frame);

        // The name stands above the title artwork, whose white would hide it.
        l.push_back(titlePicture(image(51), { 1200, 600, 11445, 3480 }, "Title.bmp"));
        l.push_back(titleText(label(10), { 0, 360, 13815, 975 }, "Unikey", { "Arial", 36, true, true }));
        l.push_back(titlePicture(image(52), { 600, 3480, 1065, 1440 }, "8C.bmp", Card('8', 'C')));
        l.push_back(titlePicture(image(55), { 12120, 3480, 1065, 1440 }, "8S.bmp", Card('8', 'S')));
        l.push_back(titlePicture(image(53), { 1080, 3960, 1065, 1440 }, "8D.bmp", Card('8', 'D')));
        l.push_back(titlePicture(image(54), { 11640, 3960, 1065, 1440 }, "8H.bmp", Card('8', 'H')));
        l.push_back(titleText(label(11), { 0, 3960, 13815, 735 }, WILDCREST_TEXT("Table", "[Press any key to start]"), { "Arial", 24, true, false }, kRed));
        l.push_back(titlePicture(image(50), { 5160, 5040, 3570, 3000 }, "Logo.bmp"));
        l.push_back(titleText(label(9), { 0, 7440, 13815, 495 }, WILDCREST_TEXT("Table", "A game of eights for players who use one switch"), kCreditBoldFont));
        l.back().backColour = kSystemWindowBackground;
        l.push_back(titleText(label(8),
            { 0, 7800, 13815, 375 },
            WILDCREST_TEXT("Table", "Any key that types a character, a click or a controller button is the switch"),
            kCreditFont));
        l.push_back(titleText(label(13), { 0, 8160, 13815, 375 }, WILDCREST_TEXT("Table", "To set it up for a player: wildcrest --settings"), kCreditFont));
        l.push_back(titleText(label(14), { 0, 8520, 13815, 375 }, WILDCREST_TEXT("Table", "Esc ends the game at any time"), kCreditFont));
        l.push_back(titlePicture(image(56), { 9960, 6000, 2700, 750 }, "Banner.bmp"));
        l.push_back(titleText(label(17), { 9480, 6720, 3735, 375 }, WILDCREST_TEXT("Table", "one switch, every card"), kCreditBoldFont));
    }

    std::vector<ControlSpec> buildLayout()
    {
        std::vector<ControlSpec> l;
        addTable(l);
        addAboveTheTable(l);
        addTitleScreen(l);
        return l;
    }

} // namespace

const std::vector<ControlSpec> &tableLayout()
{
    static const std::vector<ControlSpec> layout = buildLayout();
    return layout;
}

const ControlSpec &specOf(Control c)
{
    for (const ControlSpec &s : tableLayout())
        if (s.control == c)
            return s;
    throw std::out_of_range("no control " + c.name());
}

} // namespace wildcrest
