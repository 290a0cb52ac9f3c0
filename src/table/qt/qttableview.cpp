// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/qttableview.h"

#include "joystick/joystickswitch.h"
#include "pictures/lookpictures.h"
#include "table/layout.h"
#include "table/qt/colours.h"
#include "table/qt/contrast.h"
#include "table/qt/controlwidgets.h"
#include "table/qt/offerframe.h"
#include "table/qt/picturefile.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTime>

#include <climits>
#include <cmath>

namespace wildcrest
{

QtTableView::QtTableView(std::string pictureDir, const TableLook &look, const Wording &words)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , look_(look)
    , words_(words)
    , names_(words)
{
    speech_.setLanguage(words.language());
    if (pictureDir.empty())
        pictureDir = QCoreApplication::applicationDirPath().toStdString();
    if (look_.fitScale) {
        const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect area = s ? s->availableGeometry() : QRect();
        look_.scale = s ? fitScale(area.width(), area.height()) : 1;
        look_.fitScale = false;
    }
    // On a screen of twice the density each table pixel is two of the screen's:
    // the pictures drawn for that, not ours enlarged by Qt.
    pictureScale_ = pictureScaleFor(look_.scale * devicePixelRatioF());

    setWindowTitle(QString::fromStdString(kWindowCaption));
    setFixedSize(toPixels(kWindowWidth), toPixels(kWindowHeight));
    fillBackground(this, shownColour(kTableColour, Paint::Table, look_.contrast));
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(QIcon(QString::fromStdString(builtInPicturePath("wildcrest.png"))));

    createControls(pictureDir);
    if (look_.contrast == Contrast::High)
        offerFrame_ = new OfferFrame(this, int(std::lround(OfferFrame::kRing * 1.5 * look_.scale)), OfferFrame::kInner, OfferFrame::kOuter);
    else
        offerFrame_ = new OfferFrame(this, int(std::lround(OfferFrame::kRing * look_.scale)));
    nameControls();

    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    // Keys are caught before any widget sees them, whichever one has the focus.
    qApp->installEventFilter(this);
}

QtTableView::~QtTableView()
{
    qApp->removeEventFilter(this);
}

ControlSpec QtTableView::inLanguage(ControlSpec entry) const
{
    if (!entry.caption.empty())
        entry.caption = words_.translate("Table", entry.caption.c_str());
    return entry;
}

std::string QtTableView::builtInPicturePath(const std::string &name)
{
    return ":/built-in/" + name;
}

int QtTableView::toPixels(Twips t) const
{
    return int(std::lround(t * look_.scale / kTwipsPerPixel));
}

QPixmap QtTableView::lookPicture(const std::string &path) const
{
    if (ownPictures(look_, pictureScale_))
        return loadPicture(path);
    if (!drawn_) // drawn when the window opens (createControls)
        drawn_ = std::make_unique<pictures::LookPictures>(look_, pictureScale_);
    const QImage image = drawn_->picture(path);
    if (image.isNull())
        throw PictureError(path);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(pictureScale_ / look_.scale);
    return picture;
}

QPixmap QtTableView::builtInPicture(const std::string &pictureDir, const std::string &name) const
{
    // The game's own look has them in the executable; any other draws them.
    if (ownPictures(look_, pictureScale_))
        return loadPicture(builtInPicturePath(name));
    return lookPicture(pictureDir + "/" + name);
}

void QtTableView::createControls(const std::string &pictureDir)
{
    // Any other look than the game's own is drawn now, on a thread of its own
    // while the game calibrates; the title's pictures are taken when first shown.
    const bool drawn = !ownPictures(look_, pictureScale_);
    if (drawn && !drawn_)
        drawn_ = std::make_unique<pictures::LookPictures>(look_, pictureScale_);
    // A new child is drawn above its earlier siblings, so creating the controls
    // in layout order stacks them as the layout says.
    QWidget *frame = nullptr;
    for (const ControlSpec &entry : tableLayout()) {
        QWidget *parent = entry.onTitleScreen && frame ? frame : this;
        // The title screen keeps its black on white in any contrast.
        const Contrast contrast = entry.onTitleScreen ? Contrast::Standard : look_.contrast;
        QWidget *w = nullptr;
        switch (entry.control.kind) {
        case ControlKind::Image: {
            auto *picture = new PictureWidget(parent);
            if (!entry.builtInPicture.empty()) {
                if (drawn)
                    picture->setPicture([this, pictureDir, name = entry.builtInPicture] { return builtInPicture(pictureDir, name); });
                else
                    picture->setPicture(builtInPicture(pictureDir, entry.builtInPicture));
                names_.picture(entry.control, entry.builtInPicture);
            }
            w = picture;
            break;
        }
        case ControlKind::Label:
            w = makeLabel(inLanguage(entry), parent, look_.scale, contrast);
            break;
        case ControlKind::Shape:
            w = new OutlineWidget(parent,
                shownColour(entry.lineColour.value_or(kBlack), Paint::Line, contrast),
                int(std::lround(2 * look_.scale)) * (contrast == Contrast::High ? 2 : 1));
            break;
        case ControlKind::Frame:
            w = new QWidget(parent);
            if (entry.backColour)
                fillBackground(w, toQColor(*entry.backColour));
            frame = w;
            break;
        }
        w->setObjectName(QString::fromStdString(entry.control.name()));
        w->resize(toPixels(entry.rect.width), toPixels(entry.rect.height));
        w->setVisible(entry.visible);
        const Placed p { w, entry.control.kind, entry.rect.left, entry.rect.top };
        moveToTwips(p);
        controls_.emplace(entry.control, p);
    }
}

QtTableView::Placed &QtTableView::placed(Control c)
{
    return controls_.at(c);
}

const QtTableView::Placed &QtTableView::placed(Control c) const
{
    return controls_.at(c);
}

void QtTableView::moveToTwips(const Placed &p) const
{
    p.widget->move(toPixels(p.left), toPixels(p.top));
}

QWidget *QtTableView::widgetOf(Control c) const
{
    return placed(c).widget;
}

QWidget *QtTableView::offerFrame() const
{
    return offerFrame_;
}

void QtTableView::setPicture(Control c, const std::string &path)
{
    auto *picture = dynamic_cast<PictureWidget *>(placed(c).widget);
    if (!picture)
        throw std::invalid_argument(c.name() + " shows no picture");
    picture->setPicture(lookPicture(path));
    names_.picture(c, path);
    nameControls();
}

void QtTableView::setVisible(Control c, bool visible)
{
    placed(c).widget->setVisible(visible);
    if (offered_ == c)
        placeOfferFrame();
}

Twips QtTableView::left(Control c) const
{
    return placed(c).left;
}

Twips QtTableView::top(Control c) const
{
    return placed(c).top;
}

void QtTableView::setLeft(Control c, Twips x)
{
    Placed &p = placed(c);
    p.left = x;
    moveToTwips(p);
    if (offered_ == c)
        placeOfferFrame();
}

void QtTableView::setTop(Control c, Twips y)
{
    Placed &p = placed(c);
    p.top = y;
    moveToTwips(p);
    if (offered_ == c)
        placeOfferFrame();
}

void QtTableView::setCaption(Control c, const std::string &text)
{
    auto *label = qobject_cast<QLabel *>(placed(c).widget);
    if (!label)
        throw std::invalid_argument(c.name() + " has no caption");
    captions_[c] = text;
    const bool marked = look_.contrast == Contrast::High && turnMarked_.count(c);
    label->setText((marked ? kTurnMark : QString()) + QString::fromStdString(text));
    names_.caption(c, text);
    nameControls();
}

void QtTableView::setBackColour(Control c, Colour colour)
{
    fillBackground(placed(c).widget, shownColour(colour, Paint::Back, look_.contrast));
    names_.backColour(c, colour);
    if (look_.contrast == Contrast::High && c.kind == ControlKind::Label) {
        if (colour == kRed)
            turnMarked_.insert(c);
        else
            turnMarked_.erase(c);
        const auto caption = captions_.find(c);
        setCaption(c, caption == captions_.end() ? inLanguage(specOf(c)).caption : caption->second);
    }
    nameControls();
}

void QtTableView::setAutoRedraw(bool on)
{
    // Only remembered: Qt repaints whatever a moved control uncovers by itself,
    // so there is no persistent bitmap to keep or drop.
    autoRedraw_ = on;
}

void QtTableView::setKeyPreview(bool on)
{
    // Only remembered: the window sees every key first in any case (eventFilter).
    keyPreview_ = on;
}

void QtTableView::centreWindow()
{
    // A Wayland client cannot place its own window: the compositor does.
    if (QGuiApplication::platformName().startsWith("wayland"))
        return;
    QScreen *s = screen();
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->geometry();
    const QRect outer = frameGeometry();
    move(area.left() + area.width() / 2 - outer.width() / 2, area.top() + area.height() / 2 - outer.height() / 2);
}

void QtTableView::beep()
{
    bell_.ring();
}

void QtTableView::markOffer(std::optional<Control> c)
{
    offered_ = c;
    placeOfferFrame();
}

void QtTableView::focusOffer(std::optional<Control> c)
{
    names_.offered(c);
    nameControls();
    if (!QAccessible::isActive())
        return; // no screen reader listens: the keyboard focus stays where it is
    if (c)
        placed(*c).widget->setFocus(Qt::OtherFocusReason);
}

void QtTableView::nameControls()
{
    // Kept up to date always, so a screen reader started mid-game finds them.
    for (const auto &[control, p] : controls_) {
        const QString name = QString::fromStdString(names_.nameOf(control));
        if (!name.isEmpty() && p.widget->accessibleName() != name)
            p.widget->setAccessibleName(name);
    }
}

void QtTableView::placeOfferFrame()
{
    if (offered_ && !placed(*offered_).widget->isHidden())
        offerFrame_->frame(placed(*offered_).widget);
    else
        offerFrame_->hide();
}

void QtTableView::cue()
{
    bell_.cue();
}

void QtTableView::say(const std::string &text)
{
    speech_.say(text);
}

void QtTableView::closeWindow()
{
    closed_ = true;
    close();
}

void QtTableView::closeEvent(QCloseEvent *event)
{
    // The game ends at its next yield or wait: throwing here would cross Qt's event dispatch.
    closed_ = true;
    event->accept();
}

void QtTableView::setSwitchHandler(SwitchHandler handler)
{
    switchHandler_ = std::move(handler);
}

void QtTableView::setSwitchWiring(const SwitchWiring &wiring)
{
    keys_ = SwitchKeys(wiring);
    if (!wiring.wantsJoysticks())
        joysticks_.reset();
    else if (!joysticks_)
        joysticks_ = std::make_unique<JoystickSwitch>([this](int button, bool pressed, bool unplugged) { joystickButton(button, pressed, unplugged); });
}

JoystickSwitch *QtTableView::joysticks() const
{
    return joysticks_.get();
}

bool QtTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return QWidget::eventFilter(watched, event);
    if (filterSwitch(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The keys and buttons of the window that are the switch; true when the event is used up.
bool QtTableView::filterSwitch(QEvent *event)
{
    if (SwitchKeys::isEscape(event)) {
        closeWindow(); // never filtered: the way out is always there
        return true;
    }
    const std::optional<SwitchEvent> e = keys_.switchOf(event, now());
    if (e && e->source == SwitchSource::Key)
        keyRepeats_.take(*e, static_cast<const QKeyEvent *>(event)->timestamp());
    else if (e)
        report(*e);
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::KeyRelease:
        return e.has_value(); // told once, not again by each parent it would go on to
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // While clicks are switches, no button does anything else.
        return keys_.wiring().mouse || e.has_value();
    case QEvent::WindowDeactivate:
        releaseAll(); // their releases go elsewhere
        return false;
    default:
        return false;
    }
}

void QtTableView::joystickButton(int button, bool pressed, bool unplugged)
{
    const int which = keys_.wiring().joystickButton(button);
    // A button pressed for another program is not the game's; a release always is.
    if (which == 0 || (pressed && !isActiveWindow()))
        return;
    report(SwitchEvent { which, pressed, now(), SwitchSource::Joystick, unplugged });
}

void QtTableView::releaseAll()
{
    keyRepeats_.flush();
    for (int which = 1; which <= 2; ++which)
        if (held_[which - 1])
            report(SwitchEvent { which, false, now(), SwitchSource::Key });
}

void QtTableView::report(const SwitchEvent &e)
{
    held_[e.which - 1] = e.pressed;
    if (!switchHandler_ || closed_)
        return;
    // Nothing may be thrown through Qt's event dispatch: keep it for the game's next yield or wait.
    try {
        switchHandler_(e);
    } catch (const GameEnded &) {
        closed_ = true;
    } catch (...) {
        if (!switchFailure_)
            switchFailure_ = std::current_exception();
    }
}

void QtTableView::endIfClosed()
{
    if (switchFailure_)
        std::rethrow_exception(std::exchange(switchFailure_, nullptr));
    if (closed_)
        throw GameEnded {};
}

void QtTableView::yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    endIfClosed();
}

void QtTableView::waitForEvent(Moment deadline)
{
    const Moment remaining = deadline - now();
    if (remaining.count() <= 0 || closed_) {
        yield();
        return;
    }
    // Rounded up, so the wait never ends before the deadline for want of a millisecond.
    const long long ms = (remaining.count() + 999) / 1000;
    wakeTimer_.start(int(std::min<long long>(ms, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wakeTimer_.stop();
    endIfClosed();
}

void QtTableView::waitForEvent()
{
    // Once closed, nothing may come to wake the wait: end at once.
    if (closed_) {
        yield();
        return;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    endIfClosed();
}

Moment QtTableView::now() const
{
    return std::chrono::duration_cast<Moment>(std::chrono::steady_clock::now().time_since_epoch());
}

int QtTableView::clockSeconds()
{
    // Read as the time of day's text, seconds in characters 7 and 8: the pacing
    // calibration counts how many such readings fit in one second.
    return QTime::currentTime().toString("hh:mm:ss").mid(6, 2).toInt();
}

} // namespace wildcrest
