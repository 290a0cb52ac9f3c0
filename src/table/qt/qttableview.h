#pragma once

#include "table/look.h"
#include "table/qt/beep.h"
#include "table/qt/speech.h"
#include "table/switchfilter.h"
#include "table/tablenames.h"
#include "table/tableview.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace wildcrest
{

class OfferFrame;

// The window Form1 drawn with Qt Widgets: one child widget per control of the
// table's layout, created once and stacked in layout order. The game runs its
// loops synchronously and pumps Qt's events through yield and waitForEvent.
//
//     QtTableView view(appdir);     // loads the built-in pictures
//     view.setPicture(Image45, appdir + "/QH.bmp");
//     view.show();
class QtTableView : public QWidget, public TableView
{
public:
    // `pictureDir` holds the pictures the window shows by itself (the deck's
    // back, the title screen); empty means the executable's directory.
    // `look` sets the table's scale, the cards' style and the contrast; the
    // pictures shown are those drawn for it and for the screen's density.
    // Throws PictureError when one of them cannot be loaded.
    explicit QtTableView(std::string pictureDir = {}, const TableLook &look = {});
    ~QtTableView() override;

    using QWidget::setVisible;

    void setPicture(Control c, const std::string &path) override;
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
    void setKeyHandler(KeyHandler handler) override;
    void markOffer(std::optional<Control> c) override;
    void focusOffer(std::optional<Control> c) override;
    void cue() override;
    void say(const std::string &text) override;
    void yield() override;
    void waitForEvent(Moment deadline) override;
    void waitForEvent() override;
    Moment now() const override;
    int clockSeconds() override;

    // What counts as the switch: a left click too, when `mouse`; a press ignored
    // within `debounce` of the last, counted only once held for `acceptance`.
    // The defaults are a click, and every key press at once.
    void setSwitchOptions(bool mouse, std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance);

    // The table scale in use (fit resolved) and the scale of the pictures shown.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placed {
        QWidget *widget;
        ControlKind kind;
        Twips left;
        Twips top;
    };

    void createControls(const std::string &pictureDir);
    QPixmap lookPicture(const std::string &path) const;
    void nameControls();
    Placed &placed(Control c);
    const Placed &placed(Control c) const;
    void moveToTwips(const Placed &p) const;
    void pressKey(int charCode);
    bool filterSwitch(QEvent *event);
    void switchDown(int charCode);
    void switchUp();
    void acceptHeldSwitch();
    void placeOfferFrame();
    void endIfClosed();

    TableLook look_;
    double pictureScale_ = 1;
    TableNames names_;
    std::map<Control, Placed> controls_;
    std::map<Control, std::string> captions_; // as the game set them, before any contrast mark
    std::set<Control> turnMarked_; // plates showing the side to move, in high contrast
    KeyHandler keyHandler_;
    std::exception_ptr keyFailure_;
    QTimer wakeTimer_;
    Bell bell_;
    Speech speech_;
    bool mouseSwitch_ = true;
    std::optional<SwitchFilter> filter_; // none: every press counts at once
    QTimer acceptTimer_;
    int heldCode_ = 0; // the key being held for the acceptance time
    OfferFrame *offerFrame_ = nullptr;
    std::optional<Control> offered_;
    bool closed_ = false;
    bool autoRedraw_ = false;
    bool keyPreview_ = false;
};

} // namespace wildcrest
