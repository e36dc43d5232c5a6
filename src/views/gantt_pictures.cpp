#include "views/gantt_pictures.h"

#include <QColor>

#include <array>

namespace morvaine {

namespace {

constexpr int Width = 60;
constexpr int Height = 10;

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Outline(0x00, 0x00, 0x00);
// The anti-aliasing grey beside the rounded ends' outline.
const QColor EdgeGrey(0x76, 0x76, 0x7A);

struct BarColors {
    QColor fill;
    QColor inner; // the rows just inside the outline, a shade darker
};

// Ordinary light and done, critical light and done.
const BarColors BarShades[4] = {
    {QColor(0x55, 0x55, 0xFF), QColor(0x52, 0x52, 0xF7)},
    {QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0xF7)},
    {QColor(0xFF, 0x4B, 0x4B), QColor(0xF7, 0x49, 0x49)},
    {QColor(0xFF, 0x00, 0x00), QColor(0xF7, 0x00, 0x00)},
};

// A rounded bar end, the left one, counted from the bar's end: rows 0-4 (rows 5-8
// mirror rows 3-0), columns 0-4; from column 5 on a row is as in column 4.
enum Tone { W, G, O, B, I, F }; // white, grey, outline, blend, inner, fill
constexpr Tone RoundEnd[5][5] = {
    {W, W, G, O, O}, {W, O, O, B, I}, {G, O, F, F, F}, {O, B, F, F, F}, {O, B, F, F, F},
};

// The tone of a bar's pixel row (0-8) at a distance x from its end (or far inside).
Tone BarTone(int row, int x)
{
    const int fold = row <= 4 ? row : 8 - row;
    return RoundEnd[fold][qMin(x, 4)];
}

QColor ToneColor(Tone tone, const BarColors &colors)
{
    switch (tone) {
    case W:
        return White;
    case G:
        return EdgeGrey;
    case O:
        return Outline;
    case B:
        return QColor((colors.fill.red() + Outline.red()) / 2,
                      (colors.fill.green() + Outline.green()) / 2,
                      (colors.fill.blue() + Outline.blue()) / 2);
    case I:
        return colors.inner;
    case F:
        return colors.fill;
    }
    return White;
}

// Shape 0 whole, 1 start (rounded left), 2 middle, 3 end (rounded right).
QImage Bar(int shape, const BarColors &colors)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(White);
    const bool roundLeft = shape == 0 || shape == 1;
    const bool roundRight = shape == 0 || shape == 3;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < Width; ++x) {
            int distance = 4; // far from any rounded end
            if (roundLeft)
                distance = qMin(distance, x);
            if (roundRight)
                distance = qMin(distance, Width - 1 - x);
            image.setPixelColor(x, y, ToneColor(BarTone(y, distance), colors));
        }
    return image;
}

const QColor BandGrey(0x69, 0x69, 0x69);
const QColor UnderBand(0xCF, 0xCF, 0xCF);

// Brackets: 0 whole, 1 start, 2 middle, 3 end. The band takes pixel rows 0-3 (the
// middle bracket's rows 3-6), a light row lies under it, and a closed end has a hook
// three pixels wide down to row 8.
QImage Bracket(int shape)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(White);
    const int top = shape == 2 ? 3 : 0;
    for (int x = 0; x < Width; ++x) {
        image.setPixelColor(x, top, Outline);
        image.setPixelColor(x, top + 1, BandGrey);
        image.setPixelColor(x, top + 2, BandGrey);
        image.setPixelColor(x, top + 3, Outline);
        if (shape != 2)
            image.setPixelColor(x, top + 4, UnderBand);
    }
    // A hook: its outside column black, its two inner columns grey between the black
    // top and bottom rows, joining the band's grey rows.
    const auto hook = [&image](int outside, int inward) {
        for (int y = 0; y < 9; ++y) {
            const bool edge = y == 0 || y == 8;
            image.setPixelColor(outside, y, Outline);
            image.setPixelColor(outside + inward, y, edge ? Outline : BandGrey);
            image.setPixelColor(outside + 2 * inward, y, edge ? Outline : BandGrey);
        }
    };
    if (shape == 0 || shape == 1)
        hook(0, 1);
    if (shape == 0 || shape == 3)
        hook(Width - 1, -1);
    return image;
}

// A black diamond with its tips at the middles of a 9 x 9 square's sides, light grey
// pixels along its edges, white in the corners.
QImage Diamond()
{
    QImage image(9, 9, QImage::Format_RGB32);
    image.fill(White);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int distance = qAbs(x - 4) + qAbs(y - 4);
            if (distance <= 4)
                image.setPixelColor(x, y, Outline);
            else if (distance == 5)
                image.setPixelColor(x, y, QColor(0xCB, 0xCB, 0xCB));
        }
    return image;
}

struct Pictures {
    std::array<QImage, 8> ordinary, critical;
    std::array<QImage, 5> group;
    Pictures()
    {
        for (int i = 0; i < 8; ++i) {
            ordinary[i] = Bar(i % 4, BarShades[i / 4]);
            critical[i] = Bar(i % 4, BarShades[2 + i / 4]);
        }
        for (int i = 0; i < 4; ++i)
            group[i] = Bracket(i);
        group[4] = Diamond();
    }
};

} // namespace

const QImage &GanttPicture(GanttPictures list, int index)
{
    static const Pictures pictures;
    switch (list) {
    case GanttPictures::Ordinary:
        return pictures.ordinary.at(index);
    case GanttPictures::Critical:
        return pictures.critical.at(index);
    case GanttPictures::Group:
        break;
    }
    return pictures.group.at(index);
}

} // namespace morvaine
