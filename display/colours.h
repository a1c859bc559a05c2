// Colours of the program's drawing. They are kept as the program has always
// written them, 0xBBGGRR (blue in the high byte, red in the low byte), and
// turned into QColor in one place.
#pragma once

#include <QColor>

#include <cstdint>

namespace orvane {

// 0xBBGGRR value.
using BgrColour = std::uint32_t;

inline constexpr BgrColour kBackgroundColour = 0xf0ffff;      // the view's background
inline constexpr BgrColour kSouthFrameColour = 0x3c2828;      // frame of the south and east charts
inline constexpr BgrColour kNorthFrameColour = 0x0a0a0a;
inline constexpr BgrColour kAscendantColour = 0x32820a;
inline constexpr BgrColour kBodyColour = 0x780a14;            // the nine grahas
inline constexpr BgrColour kHighlightColour = 0x0050e6;       // bodies picked out on screen (a yoga's)
inline constexpr BgrColour kSpecialLagnaColour = 0x50708c;
inline constexpr BgrColour kVarnadaColour = 0x828c6e;
inline constexpr BgrColour kOuterPlanetColour = 0xf06ea0;
inline constexpr BgrColour kUpagrahaColour = 0xdc9664;
inline constexpr BgrColour kArudhaLagnaColour = 0x0000fa;     // pada "AL"
inline constexpr BgrColour kPadaColour = 0x4650b4;            // the other padas
inline constexpr BgrColour kChartTitleColour = 0x6e1482;      // chart name and division label
inline constexpr BgrColour kNorthSignNumberColour = 0x787878;
inline constexpr BgrColour kTransitColour = 0xb400c8;         // transit bodies drawn with a chart

// 0xBBGGRR -> QColor (opaque).
inline QColor ColourFromBgr(BgrColour bgr) {
  return QColor(static_cast<int>(bgr & 0xff), static_cast<int>((bgr >> 8) & 0xff),
                static_cast<int>((bgr >> 16) & 0xff));
}

}  // namespace orvane
