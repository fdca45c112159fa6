// SPDX-License-Identifier: GPL-3.0-or-later
// The screen's size and resolution changes through XRandR, or Qt's screen size without X.
#include "zembra/platform/DisplayMode.h"
#include "zembra/startup/ModeChoice.h"

#include <QGuiApplication>
#include <QScreen>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace zembra {

namespace {

// X reports a refused request through the error handler, whose default ends the program. A
// resolution the monitor does not take must only leave the front-end where it was.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// While it lives, errors of this connection's requests are dropped; the handler is global to
// the process, so the one there before comes back once every request has been answered.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        previous_ = XSetErrorHandler(ignoreXError);
    }
    ~XErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

// The server is held while the screen and the CRTC change, so no client sees the screen
// grown around the old mode or the new mode hanging outside the screen.
class ServerGrab {
public:
    explicit ServerGrab(Display* display) : display_(display) { XGrabServer(display_); }
    ~ServerGrab() {
        XUngrabServer(display_);
        XSync(display_, False);
    }
    ServerGrab(const ServerGrab&) = delete;
    ServerGrab& operator=(const ServerGrab&) = delete;

private:
    Display* display_;
};

struct ResourcesFree {
    void operator()(XRRScreenResources* p) const { XRRFreeScreenResources(p); }
};
struct OutputFree {
    void operator()(XRROutputInfo* p) const { XRRFreeOutputInfo(p); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* p) const { XRRFreeCrtcInfo(p); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcFree>;

// The output the front-end shows on and the CRTC driving it.
struct Target {
    OutputInfo output;
    RRCrtc crtc = None;
    CrtcInfo crtcInfo;
};

bool isRotatedSideways(Rotation rotation) {
    return (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
}

// Frames per second of a mode: a doublescan mode draws every line twice, an interlaced one
// draws half the lines per field.
double refreshOf(const XRRModeInfo& mode) {
    double lines = mode.vTotal;
    if (mode.modeFlags & RR_DoubleScan) {
        lines *= 2.0;
    }
    if (mode.modeFlags & RR_Interlace) {
        lines /= 2.0;
    }
    if (mode.hTotal == 0 || lines <= 0.0) {
        return 0.0;
    }
    return static_cast<double>(mode.dotClock) / (static_cast<double>(mode.hTotal) * lines);
}

// A requested size as whole pixels; 0 for something that is no size at all.
int wholePixels(float value) {
    const float rounded = std::nearbyint(value);
    if (!(rounded >= 1.0f && rounded <= 32767.0f)) {
        return 0;
    }
    return static_cast<int>(rounded);
}

class XRandrDisplayMode : public DisplayMode {
public:
    explicit XRandrDisplayMode(Display* display)
        : display_(display), screen_(DefaultScreen(display)),
          root_(RootWindow(display, DefaultScreen(display))) {}
    ~XRandrDisplayMode() override { XCloseDisplay(display_); }
    XRandrDisplayMode(const XRandrDisplayMode&) = delete;
    XRandrDisplayMode& operator=(const XRandrDisplayMode&) = delete;

    int desktopWidth() override { return desktopSize().first; }
    int desktopHeight() override { return desktopSize().second; }

    void ChangeRes(float width, float height, float /*depth*/, float refresh) override {
        const int wantedWidth = wholePixels(width);
        const int wantedHeight = wholePixels(height);
        if (wantedWidth == 0 || wantedHeight == 0) {
            return;
        }
        const double wantedRefresh = std::isfinite(refresh) ? std::nearbyint(refresh) : 0.0;

        XErrorTrap trap(display_);
        Resources resources(XRRGetScreenResourcesCurrent(display_, root_));
        if (!resources) {
            return;
        }
        Target target = findTarget(resources.get());
        if (!target.crtcInfo) {
            return;
        }
        const XRRCrtcInfo& crtc = *target.crtcInfo;

        // Modes as they appear on the screen: a monitor turned on its side shows them turned.
        const bool sideways = isRotatedSideways(crtc.rotation);
        std::vector<ModeInfo> modes;
        std::vector<RRMode> ids;
        for (int i = 0; i < target.output->nmode; ++i) {
            for (int j = 0; j < resources->nmode; ++j) {
                const XRRModeInfo& mode = resources->modes[j];
                if (mode.id != target.output->modes[i]) {
                    continue;
                }
                const int w = static_cast<int>(sideways ? mode.height : mode.width);
                const int h = static_cast<int>(sideways ? mode.width : mode.height);
                modes.push_back({w, h, refreshOf(mode)});
                ids.push_back(mode.id);
                break;
            }
        }
        const int chosen = chooseMode(modes, wantedWidth, wantedHeight, wantedRefresh);
        if (chosen < 0 || ids[static_cast<std::size_t>(chosen)] == crtc.mode) {
            return;
        }
        const ModeInfo& mode = modes[static_cast<std::size_t>(chosen)];

        // The screen must hold every lit CRTC, this one at its new size included.
        int neededWidth = crtc.x + mode.width;
        int neededHeight = crtc.y + mode.height;
        for (int i = 0; i < resources->ncrtc; ++i) {
            if (resources->crtcs[i] == target.crtc) {
                continue;
            }
            CrtcInfo other(XRRGetCrtcInfo(display_, resources.get(), resources->crtcs[i]));
            if (other && other->mode != None) {
                neededWidth = std::max(neededWidth, other->x + static_cast<int>(other->width));
                neededHeight = std::max(neededHeight, other->y + static_cast<int>(other->height));
            }
        }
        int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
        if (XRRGetScreenSizeRange(display_, root_, &minWidth, &minHeight, &maxWidth, &maxHeight)) {
            neededWidth = std::clamp(neededWidth, minWidth, std::max(minWidth, maxWidth));
            neededHeight = std::clamp(neededHeight, minHeight, std::max(minHeight, maxHeight));
        }
        const auto [screenWidth, screenHeight] = screenSize();
        const int grownWidth = std::max(screenWidth, neededWidth);
        const int grownHeight = std::max(screenHeight, neededHeight);

        ServerGrab grab(display_);
        if (grownWidth != screenWidth || grownHeight != screenHeight) {
            setScreenSize(grownWidth, grownHeight);
        }
        const Status status = XRRSetCrtcConfig(
            display_, resources.get(), target.crtc, CurrentTime, crtc.x, crtc.y,
            ids[static_cast<std::size_t>(chosen)], crtc.rotation, crtc.outputs, crtc.noutput);
        if (status == RRSetConfigSuccess) {
            if (neededWidth != grownWidth || neededHeight != grownHeight) {
                setScreenSize(neededWidth, neededHeight);
            }
        } else if (grownWidth != screenWidth || grownHeight != screenHeight) {
            setScreenSize(screenWidth, screenHeight); // the mode stayed; so does the screen
        }
    }

private:
    // The primary output when it is lit; otherwise the first connected output that is.
    Target findTarget(XRRScreenResources* resources) {
        Target target;
        auto tryOutput = [&](RROutput id) {
            OutputInfo output(XRRGetOutputInfo(display_, resources, id));
            if (!output || output->connection != RR_Connected || output->crtc == None) {
                return false;
            }
            CrtcInfo crtc(XRRGetCrtcInfo(display_, resources, output->crtc));
            if (!crtc || crtc->mode == None) {
                return false;
            }
            target.crtc = output->crtc;
            target.output = std::move(output);
            target.crtcInfo = std::move(crtc);
            return true;
        };
        const RROutput primary = XRRGetOutputPrimary(display_, root_);
        if (primary != None && tryOutput(primary)) {
            return target;
        }
        for (int i = 0; i < resources->noutput; ++i) {
            if (resources->outputs[i] != primary && tryOutput(resources->outputs[i])) {
                return target;
            }
        }
        return target;
    }

    std::pair<int, int> desktopSize() {
        XErrorTrap trap(display_);
        Resources resources(XRRGetScreenResourcesCurrent(display_, root_));
        if (resources) {
            const Target target = findTarget(resources.get());
            // The CRTC's size is the mode as placed on the screen, turned if the monitor is.
            if (target.crtcInfo) {
                return {static_cast<int>(target.crtcInfo->width),
                        static_cast<int>(target.crtcInfo->height)};
            }
        }
        return screenSize();
    }

    // Asked of the server each time: Xlib's own copy of the screen size is only refreshed
    // by RandR events this connection never reads.
    std::pair<int, int> screenSize() {
        Window root = None;
        int x = 0, y = 0;
        unsigned int width = 0, height = 0, border = 0, depth = 0;
        if (!XGetGeometry(display_, root_, &root, &x, &y, &width, &height, &border, &depth)) {
            return {DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)};
        }
        return {static_cast<int>(width), static_cast<int>(height)};
    }

    // Keeps the screen's dots per inch, so fonts measured in points stay the size they were.
    void setScreenSize(int width, int height) {
        const int pixelsWide = DisplayWidth(display_, screen_);
        const int pixelsHigh = DisplayHeight(display_, screen_);
        const int mmWide = DisplayWidthMM(display_, screen_);
        const int mmHigh = DisplayHeightMM(display_, screen_);
        const int mmWidth = pixelsWide > 0 && mmWide > 0
                                ? static_cast<int>(std::lround(double(width) * mmWide / pixelsWide))
                                : static_cast<int>(std::lround(width * 25.4 / 96.0));
        const int mmHeight =
            pixelsHigh > 0 && mmHigh > 0
                ? static_cast<int>(std::lround(double(height) * mmHigh / pixelsHigh))
                : static_cast<int>(std::lround(height * 25.4 / 96.0));
        XRRSetScreenSize(display_, root_, width, height, mmWidth, mmHeight);
    }

    Display* display_;
    int screen_;
    Window root_;
};

// Without X (Wayland, offscreen) the size is Qt's and the resolution stays as it is.
class QtDisplayMode : public DisplayMode {
public:
    int desktopWidth() override { return pixelSize().width(); }
    int desktopHeight() override { return pixelSize().height(); }
    void ChangeRes(float, float, float, float) override {}

private:
    static QSize pixelSize() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            return {0, 0};
        }
        // Qt measures screens in device-independent pixels; the front-end wants real ones.
        const qreal ratio = screen->devicePixelRatio();
        const QSize size = screen->size();
        return {qRound(size.width() * ratio), qRound(size.height() * ratio)};
    }
};

// RandR 1.3 brings the primary output and the screen resources read without probing.
bool hasRandr13(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XRRQueryExtension(display, &eventBase, &errorBase) &&
           XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 3));
}

} // namespace

std::unique_ptr<DisplayMode> makeDisplayMode() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (Display* display = XOpenDisplay(nullptr)) {
            if (hasRandr13(display)) {
                return std::make_unique<XRandrDisplayMode>(display);
            }
            XCloseDisplay(display);
        }
    }
    return std::make_unique<QtDisplayMode>();
}

} // namespace zembra
