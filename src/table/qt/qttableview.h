// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/layout.h"
#include "table/look.h"
#include "table/qt/beep.h"
#include "table/qt/readerfocus.h"
#include "table/qt/speech.h"
#include "table/tablenames.h"
#include "table/tableview.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

class QLabel;

namespace wildcrest
{

class JoystickSwitch;
class OfferFrame;
class TimeLeftBar;
class QtSwitches;
namespace pictures
{
    class LookPictures;
}

// The window Form1 drawn with Qt Widgets: one child widget per control of the
// table's layout, created once and stacked in layout order. The game runs its
// loops synchronously and pumps Qt's events through yield and waitForEvent.
//
//     QtTableView view;             // shows its own pictures, compiled in
//     view.setPicture(Image45, appdir + "/QH.bmp");
//     view.show();
class QtTableView : public QWidget, public TableView
{
public:
    // The window's own pictures (the deck's back, the title screen's) are
    // compiled in for the default look; for another `look` (its scale, the
    // cards' style, the contrast, and the screen's density) they are those drawn
    // for it in `pictureDir`, empty meaning the executable's directory.
    // Captions and speech are in the language of `words`, which must outlive
    // the view. Throws PictureError when one of them cannot be loaded. The
    // window is drawn at `look.scale`: fit, and the room on the screen, are
    // the caller's to settle first (scaleOnScreen).
    explicit QtTableView(std::string pictureDir = {}, const TableLook &look = {}, const Wording &words = englishWording());
    ~QtTableView() override;

    using QWidget::setVisible;

    void setPicture(Control c, const Picture &shown) override;
    void setVisible(Control c, bool visible) override;
    Twips left(Control c) const override;
    Twips top(Control c) const override;
    void setLeft(Control c, Twips x) override;
    void setTop(Control c, Twips y) override;
    void setCaption(Control c, const std::string &text) override;
    void setBackColour(Control c, Colour colour) override;
    void setAutoRedraw(bool on) override;
    void setKeyPreview(bool on) override;
    void centreWindow() override;
    void beep() override;
    void closeWindow() override;
    void setSwitchHandler(SwitchHandler handler) override;
    void markOffer(std::optional<Control> c) override;
    void focusOffer(std::optional<Control> c) override;
    void cue() override;
    void say(const std::string &text) override;
    std::optional<Moment> spokenToEnd() const override;
    void showTimeLeft(std::optional<Control> c, Moment runsFrom, Moment ends) override;
    void notifyScreenReader(const std::string &text) override;
    Moment newsSaidBy() const override
    {
        return newsSaidBy_;
    }
    const Wording &words() const override
    {
        return words_;
    }
    void yield() override;
    void waitForEvent(Moment deadline) override;
    void waitForEvent() override;
    Moment now() const override;
    int clockSeconds() override;

    // Which inputs are switches. Until this is called, every key that types a
    // character and a left click are switch 1, and joysticks are not read.
    void setSwitchWiring(const SwitchWiring &wiring);
    // With players sharing the table: each seat's inputs, seat 0 first.
    void setSwitchWiring(const std::vector<SwitchWiring> &seats);
    // The joysticks and gamepads read, while the wiring wants them.
    JoystickSwitch *joysticks() const;

    // Where a picture the window shows by itself (the deck's back, the title
    // screen's) is kept: compiled into the executable.
    static std::string builtInPicturePath(const std::string &name);

    // The table scale in use and the scale of the pictures shown.
    double scale() const
    {
        return look_.scale;
    }
    double pictureScale() const
    {
        return pictureScale_;
    }
    // Table units (twips) to this window's pixels.
    int toPixels(Twips t) const;

    // The widget that draws control `c`.
    QWidget *widgetOf(Control c) const;
    // The frame round the offered control; hidden while nothing is offered.
    QWidget *offerFrame() const;
    // The bar of the time left on the offer; hidden without one.
    TimeLeftBar *timeLeftBar() const
    {
        return timeLeft_;
    }
    bool closed() const
    {
        return closed_;
    }
    bool autoRedraw() const
    {
        return autoRedraw_;
    }
    bool keyPreview() const
    {
        return keyPreview_;
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fitBetweenFans(QLabel *line) const;
    struct Placed {
        QWidget *widget;
        ControlKind kind;
        Twips left;
        Twips top;
        bool wanted = true; // shown as the game asks, unless the title screen covers it
        bool underTitle = false; // stacked below the title screen
    };

    void createControls(const std::string &pictureDir);
    QPixmap lookPicture(const std::string &path) const;
    QPixmap builtInPicture(const std::string &pictureDir, const std::string &name) const;
    void nameControls();
    Placed &placed(Control c);
    const Placed &placed(Control c) const;
    void moveToTwips(const Placed &p) const;
    void report(const SwitchEvent &e);
    void placeOfferFrame();
    // A control shown as the game wants it, and hidden while the title screen
    // covers it: a screen reader reviewing the title reads only the title.
    void applyVisible(Placed &p);
    void endIfClosed();
    // The layout's entry with its caption in the table's language.
    ControlSpec inLanguage(ControlSpec entry) const;

    std::string pictureDir_; // where the game's pictures are read
    TableLook look_;
    double pictureScale_ = 1;
    // A look other than the game's own, drawn when the first picture is asked for.
    mutable std::unique_ptr<pictures::LookPictures> drawn_;
    const Wording &words_;
    TableNames names_;
    std::map<Control, Placed> controls_;
    SwitchHandler switchHandler_;
    std::exception_ptr switchFailure_;
    std::map<Control, std::string> captions_; // as the game set them, before any contrast mark
    std::set<Control> turnMarked_; // plates showing the side to move, in high contrast
    QTimer wakeTimer_;
    Bell bell_;
    Speech speech_;
    std::unique_ptr<QtSwitches> switches_; // keys, clicks and joysticks, caught before any widget sees them
    OfferFrame *offerFrame_ = nullptr;
    std::unique_ptr<ReaderFocus> readerFocus_;
    Moment newsSaidBy_ { 0 };
    std::optional<Control> offered_;
    TimeLeftBar *timeLeft_ = nullptr;
    std::optional<Control> timed_; // the control whose time left is shown
    bool closed_ = false;
    bool autoRedraw_ = false;
    bool keyPreview_ = false;
};

} // namespace wildcrest
