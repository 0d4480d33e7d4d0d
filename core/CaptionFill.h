// How a painted title bar is filled: the stored title-bar settings, the fill
// they choose, and the fill broken into rectangles of one colour each (5-pixel
// columns for the horizontal gradient, 1-pixel rows for the vertical one), so
// the window side only has to paint the rectangles it is given.
#pragma once
#include <cstdint>
#include <vector>

#include "core/SettingsHost.h"

struct AppSettings;

// Stands for the system's caption colour of the state being drawn.
const ColorRef kSystemCaptionColour = 0xFFFFFFFF;   // -1 as stored

// The fill kinds as stored and offered on the title-bar pages.
enum StoredFillType { kStoredVertical = 0, kStoredHorizontal = 1, kStoredSingleColour = 2, kStoredSystemColour = 3 };

// One title bar's stored fill ("GBA_*" active, "GBP_*" inactive).
struct FillRecord {
    int32_t Def;        // 1: the default fill, the other fields are ignored
    int32_t Type;       // a StoredFillType
    ColorRef Colour1;   // top / left / the single colour
    ColorRef Colour2;   // bottom / right
};

// The stored title text ("GBCap_*").
struct TitleTextRecord {
    int32_t Def;               // 1: white text at the left, the other fields are ignored
    ColorRef ActiveColour;     // -1 keeps the colour the painter has
    ColorRef InactiveColour;
    int32_t Position;          // 0 left, 1 centre, 2 right
};

// Everything a caption painter is configured from.
struct CaptionSettings {
    FillRecord active;
    FillRecord inactive;
    TitleTextRecord text;
};

CaptionSettings CaptionSettingsOf(const AppSettings& settings);

enum CaptionFillType { kFillSolid = 0, kFillKneeGradient = 1, kFillVerticalGradient = 2 };

// The fill of one caption state as the painter holds it.
struct CaptionFill {
    int nType = kFillSolid;
    int nKnee = 1;                            // percent of the width where the middle colour lies
    ColorRef crFrom = kSystemCaptionColour;
    ColorRef crTo = kSystemCaptionColour;
};

// A rectangle painted in one colour.
struct ColourBand {
    int left;
    int top;
    int width;
    int height;
    ColorRef colour;
};
using ColourBands = std::vector<ColourBand>;

// The caption background of `width` x `height` pixels, in painting order.
// Colours given as kSystemCaptionColour become `systemColour`.
ColourBands CaptionFillBands(const CaptionFill& fill, int width, int height, ColorRef systemColour);

// Columns 5 pixels wide stepping from `from` towards `to`; the columns left
// over when the width is not a multiple of 5 take `to` itself.
void AddHorizontalGradient(ColourBands& bands, int left, int width, int height, ColorRef from, ColorRef to);

// The colour half-way from `to` back to `from`, per channel, truncated.
ColorRef KneeMiddleColour(ColorRef from, ColorRef to);

// Where the knee gradient reaches its middle colour.
int KneeX(int kneePercent, int width);

// The DrawText alignment for a stored title position: 0 left, 1 centred,
// anything else right (as the settings page shows such a value).
int CaptionTextAlignment(int32_t position);
