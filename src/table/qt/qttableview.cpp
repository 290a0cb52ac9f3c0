// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/qttableview.h"

#include "pictures/lookpictures.h"
#include "table/layout.h"
#include "table/qt/colours.h"
#include "table/qt/contrast.h"
#include "table/qt/controlwidgets.h"
#include "table/qt/offerframe.h"
#include "table/qt/picturefile.h"
#include "table/qt/qtswitches.h"
#include "table/qt/timeleftbar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>

#include <cmath>

namespace wildcrest
{

namespace
{

    // The cards of `look` as the drawing takes them, at `pictureScale`, the table showing through their corners.
    pictures::PictureLook cardLook(const TableLook &look, double pictureScale)
    {
        pictures::PictureLook card;
        card.scale = pictureScale;
        card.transparent = true;
        card.largeIndex = look.cardStyle == CardStyle::LargeIndex;
        card.fourColour = look.fourColour;
        return card;
    }

} // namespace

QtTableView::QtTableView(std::string pictureDir, const TableLook &look, const Wording &words)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , pictureDir_(pictureDir.empty() ? QCoreApplication::applicationDirPath().toStdString() : std::move(pictureDir))
    , look_(look)
    , words_(words)
    , names_(words)
{
    speech_.setLanguage(words.language());
    // The end of a spoken name may be what the game waits for: it wakes the wait.
    speech_.onHeard([] {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [] {}, Qt::QueuedConnection);
    });
    // On a screen of twice the density each table pixel is two of the screen's:
    // the pictures drawn for that, not ours enlarged by Qt.
    pictureScale_ = pictureScaleFor(look_.scale * devicePixelRatioF());

    setWindowTitle(QString::fromStdString(kWindowCaption));
    setFixedSize(toPixels(kWindowWidth), toPixels(kWindowHeight));
    fillBackground(this, shownColour(kTableColour, Paint::Table, look_.contrast));
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(QIcon(QString::fromStdString(builtInPicturePath("wildcrest.png"))));

    createControls(pictureDir_);
    readerFocus_ = std::make_unique<ReaderFocus>(this);
    if (look_.contrast == Contrast::High)
        offerFrame_ = new OfferFrame(this, int(std::lround(OfferFrame::kRing * 1.5 * look_.scale)), OfferFrame::kInner, OfferFrame::kOuter);
    else
        offerFrame_ = new OfferFrame(this, int(std::lround(OfferFrame::kRing * look_.scale)));
    timeLeft_ = new TimeLeftBar(this, int(std::lround(8 * look_.scale)), offerFrame_->frameWidth() + 1, OfferFrame::kOuter, OfferFrame::kInner);
    nameControls();

    wakeTimer_.setSingleShot(true);
    wakeTimer_.setTimerType(Qt::PreciseTimer);
    switches_ = std::make_unique<QtSwitches>(this, QtSwitches::Reach::Window, [this](const SwitchEvent &e) { report(e); });
    switches_->onEscape([this] { closeWindow(); });
}

QtTableView::~QtTableView() = default;

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
        drawn_ = std::make_unique<pictures::LookPictures>(cardLook(look_, pictureScale_));
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
        drawn_ = std::make_unique<pictures::LookPictures>(cardLook(look_, pictureScale_));
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
                names_.picture(entry.control, entry.shows);
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
        const Placed p { w, entry.control.kind, entry.rect.left, entry.rect.top, entry.visible, !frame };
        moveToTwips(p);
        controls_.emplace(entry.control, p);
    }
    for (auto &[control, p] : controls_)
        applyVisible(p);
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

void QtTableView::setPicture(Control c, const Picture &shown)
{
    auto *picture = dynamic_cast<PictureWidget *>(placed(c).widget);
    if (!picture)
        throw std::invalid_argument(c.name() + " shows no picture");
    picture->setPicture(lookPicture(pictureDir_ + shown.fileName()));
    names_.picture(c, shown);
    nameControls();
}

void QtTableView::setVisible(Control c, bool visible)
{
    Placed &p = placed(c);
    p.wanted = visible;
    applyVisible(p);
    if (c == Frame1)
        for (auto &[control, below] : controls_)
            if (below.underTitle)
                applyVisible(below);
    if (offered_ == c || timed_ == c)
        placeOfferFrame();
}

void QtTableView::applyVisible(Placed &p)
{
    // Hidden behind the opaque title screen, a control is not seen either way.
    p.widget->setVisible(p.wanted && !(p.underTitle && placed(Frame1).wanted));
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
    if (offered_ == c || timed_ == c)
        placeOfferFrame();
}

void QtTableView::setTop(Control c, Twips y)
{
    Placed &p = placed(c);
    p.top = y;
    moveToTwips(p);
    if (offered_ == c || timed_ == c)
        placeOfferFrame();
}

// The title's line offers the players' names and the saved match ("Go on with
// the match: round 3 of 5, ...") as well as its invitation: a text too wide to
// stand on one line between the fans of eights is drawn smaller.
void QtTableView::fitBetweenFans(QLabel *line) const
{
    constexpr Twips kBetweenFans = 9300;
    QFont font = tableFont(specOf(label(11)).font, look_.scale);
    const int room = toPixels(kBetweenFans);
    const int wide = QFontMetrics(font).horizontalAdvance(line->text());
    if (wide > room)
        font.setPixelSize(std::max(1, font.pixelSize() * room / wide));
    line->setFont(font);
}

void QtTableView::setCaption(Control c, const std::string &text)
{
    auto *label = qobject_cast<QLabel *>(placed(c).widget);
    if (!label)
        throw std::invalid_argument(c.name() + " has no caption");
    captions_[c] = text;
    const bool marked = look_.contrast == Contrast::High && turnMarked_.count(c);
    label->setText((marked ? kTurnMark : QString()) + QString::fromStdString(text));
    if (c == wildcrest::label(11))
        fitBetweenFans(label);
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

} // namespace wildcrest
