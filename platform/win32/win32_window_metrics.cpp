#include "win32_window_metrics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "win32_error.h"

namespace tidemark::win32 {

namespace {
constexpr int kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72.0;

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {
        if (dc_ == nullptr) ThrowLastError("GetDC");
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

int TextWidthOn(HDC dc, HFONT font, std::wstring_view text) {
    const SelectedFont selected(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}
}  // namespace

int SystemDpi() {
    const ScreenDc screen;
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

int TwipScale::Pixels(int twips) const {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / kTwipsPerInch));
}

RECT TwipScale::Rect(const TwipRect& twips) const {
    return {Pixels(twips.left), Pixels(twips.top), Pixels(twips.left + twips.width), Pixels(twips.top + twips.height)};
}

int TwipScale::FontHeight(double points) const {
    return -static_cast<int>(std::lround(points * dpi_ / kPointsPerInch));
}

unique_hfont CreateWindowFont(std::wstring_view face, double points, const TwipScale& scale) {
    const std::wstring name(face.substr(0, LF_FACESIZE - 1));
    unique_hfont font(CreateFontW(scale.FontHeight(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                  name.c_str()));
    if (!font) ThrowLastError("CreateFontW");
    return font;
}

int TextWidth(HFONT font, std::wstring_view text) {
    const ScreenDc screen;
    return TextWidthOn(screen.get(), font, text);
}

// Narrower letters first, then a pixel or two less height: whole-pixel
// widths come in steps of a seventh or so, too coarse on their own.
unique_hfont NarrowedToFit(HFONT font, std::wstring_view text, int width) {
    constexpr LONG kMostPixelsLessHeight = 2;
    const ScreenDc screen;
    if (TextWidthOn(screen.get(), font, text) <= width) return {};
    LOGFONTW face{};
    if (GetObjectW(font, sizeof face, &face) == 0) ThrowLastError("GetObjectW");
    TEXTMETRICW metrics{};
    {
        const SelectedFont selected(screen.get(), font);
        if (!GetTextMetricsW(screen.get(), &metrics)) ThrowLastError("GetTextMetricsW");
    }
    const LONG narrowest = std::max<LONG>(1, (metrics.tmAveCharWidth * 3 + 3) / 4);
    const LONG height = face.lfHeight;
    const LONG sign = height < 0 ? -1 : 1;
    unique_hfont narrowed;
    for (LONG less = 0; less <= kMostPixelsLessHeight; ++less) {
        face.lfHeight = height - sign * less;
        for (LONG average = less == 0 ? metrics.tmAveCharWidth - 1 : 0; average == 0 || average >= narrowest;
             average = average == 0 ? metrics.tmAveCharWidth - 1 : average - 1) {
            face.lfWidth = average;
            narrowed.reset(CreateFontIndirectW(&face));
            if (!narrowed) ThrowLastError("CreateFontIndirectW");
            if (TextWidthOn(screen.get(), narrowed.get(), text) <= width) return narrowed;
        }
    }
    return narrowed;
}

}  // namespace tidemark::win32
