#pragma once

#include <windows.h>

#include <string_view>

#include "app/form1_layout.h"
#include "win32_window_handles.h"

namespace tidemark::win32 {

// The screen's logical dots per inch (GetDeviceCaps LOGPIXELSX).
int SystemDpi();

// Twips to pixels: 15 twips a pixel at 96 dpi, scaled by the dpi.
class TwipScale {
public:
    explicit TwipScale(int dpi) : dpi_(dpi) {}

    int dpi() const { return dpi_; }
    int Pixels(int twips) const;
    // Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels.
    RECT Rect(const TwipRect& twips) const;
    // A font height for CreateFontW: negative, so it is the character height.
    int FontHeight(double points) const;

private:
    int dpi_;
};

// The window's font: Shift_JIS character set, so a Japanese face is chosen
// even where the face name itself is missing.
unique_hfont CreateWindowFont(std::wstring_view face, double points, const TwipScale& scale);

// The font narrowed just enough for the text to fit the width, or none when
// it fits already: the layout was made for MS PGothic, whose Latin letters a
// stand-in may draw wider. Narrower than three quarters, or more than two
// pixels lower, reads badly, so the text is clipped instead.
unique_hfont NarrowedToFit(HFONT font, std::wstring_view text, int width);

// The width the text takes in the font.
int TextWidth(HFONT font, std::wstring_view text);

}  // namespace tidemark::win32
