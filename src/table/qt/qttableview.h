#pragma once

#include "table/qt/beep.h"
#include "table/tableview.h"

#include <QTimer>
#include <QWidget>

#include <exception>
#include <map>
#include <string>

namespace wildcrest
{

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
    // Throws PictureError when one of them cannot be loaded.
    explicit QtTableView(std::string pictureDir = {});
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
    void yield() override;
    void waitForEvent(Moment deadline) override;
    void waitForEvent() override;
    Moment now() const override;
    int clockSeconds() override;

    // The widget that draws control `c`.
    QWidget *widgetOf(Control c) const;
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
    Placed &placed(Control c);
    const Placed &placed(Control c) const;
    static void moveToTwips(const Placed &p);
    void pressKey(int charCode);
    void endIfClosed();

    std::map<Control, Placed> controls_;
    KeyHandler keyHandler_;
    std::exception_ptr keyFailure_;
    QTimer wakeTimer_;
    Bell bell_;
    bool closed_ = false;
    bool autoRedraw_ = false;
    bool keyPreview_ = false;
};

} // namespace wildcrest
