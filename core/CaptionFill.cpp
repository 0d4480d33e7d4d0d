#include "core/CaptionFill.h"

#include "core/AppSettings.h"

namespace {

const int kColumnWidth = 5;

int Channel(ColorRef colour, int index) { return static_cast<int>((colour >> (8 * index)) & 0xFF); }

ColorRef MakeColour(int red, int green, int blue)
{
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 | static_cast<ColorRef>(blue) << 16;
}

ColorRef Resolve(ColorRef colour, ColorRef systemColour)
{
    return colour == kSystemCaptionColour ? systemColour : colour;
}

// Per-channel steps of a gradient over `count` columns or rows, and the
// colour of step i; channels are truncated, not rounded.
struct ColourSteps {
    double start[3];
    double step[3];

    ColourSteps(ColorRef from, ColorRef to, int count)
    {
        for (int c = 0; c < 3; ++c) {
            start[c] = Channel(from, c);
            step[c] = (Channel(to, c) - Channel(from, c)) / static_cast<double>(count);
        }
    }

    ColorRef At(int i) const
    {
        int channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = static_cast<int>(start[c] + i * step[c]);
        return MakeColour(channel[0], channel[1], channel[2]);
    }
};

}  // namespace

CaptionSettings CaptionSettingsOf(const AppSettings& s)
{
    return CaptionSettings{
        FillRecord{s.GBA_Def, s.GBA_Type, s.GBA_c1, s.GBA_c2},
        FillRecord{s.GBP_Def, s.GBP_Type, s.GBP_c1, s.GBP_c2},
        TitleTextRecord{s.GBCap_Def, s.GBCap_Ac, s.GBCap_Pc, s.GBCap_Style},
    };
}

ColorRef KneeMiddleColour(ColorRef from, ColorRef to)
{
    int channel[3];
    for (int c = 0; c < 3; ++c)
        channel[c] = Channel(to, c) + (Channel(from, c) - Channel(to, c)) / 2;
    return MakeColour(channel[0], channel[1], channel[2]);
}

int KneeX(int kneePercent, int width)
{
    return static_cast<int>(kneePercent * 0.01 * width);
}

void AddHorizontalGradient(ColourBands& bands, int left, int width, int height, ColorRef from, ColorRef to)
{
    int columns = width / kColumnWidth;
    if (columns > 0) {
        ColourSteps steps(from, to, columns);
        for (int i = 0; i < columns; ++i)
            bands.push_back({left + kColumnWidth * i, 0, kColumnWidth, height, steps.At(i)});
    }
    int rest = width - kColumnWidth * columns;
    if (rest > 0)
        bands.push_back({left + kColumnWidth * columns, 0, rest, height, to});
}

ColourBands CaptionFillBands(const CaptionFill& fill, int width, int height, ColorRef systemColour)
{
    ColorRef from = Resolve(fill.crFrom, systemColour);
    ColorRef to = Resolve(fill.crTo, systemColour);
    ColourBands bands;
    if (width <= 0 || height <= 0)
        return bands;
    switch (fill.nType) {
    case kFillKneeGradient: {
        ColorRef middle = KneeMiddleColour(from, to);
        int knee = KneeX(fill.nKnee, width);
        AddHorizontalGradient(bands, 0, knee, height, from, middle);
        AddHorizontalGradient(bands, knee, width - knee, height, middle, to);
        break;
    }
    case kFillVerticalGradient: {
        ColourSteps steps(from, to, height);
        for (int row = 0; row < height; ++row)
            bands.push_back({0, row, width, 1, steps.At(row)});
        break;
    }
    default:
        bands.push_back({0, 0, width, height, from});
        break;
    }
    return bands;
}

int CaptionTextAlignment(int32_t position)
{
    const int kLeft = 0, kCentre = 1, kRight = 2;   // DT_LEFT, DT_CENTER, DT_RIGHT
    if (position == 0)
        return kLeft;
    return position == 1 ? kCentre : kRight;
}
