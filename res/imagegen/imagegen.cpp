// imagegen: draws the program's pictures from the pixel tables in this file
// and writes them in the formats the resource compiler takes:
//
//   jednotar.ico  icon 128: 32x32 and 16x16, 4 bits per pixel, VGA palette
//   logo.bmp      bitmap 133: 103x26, 4 bits per pixel, word mark "BRODVIK"
//   link.cur      cursor 134: 32x32 monochrome pointing hand, hot spot (6,0)
//
// Usage:
//   imagegen OUTDIR        write the three files into OUTDIR and check them
//   imagegen --check DIR   check the three files found in DIR
//   imagegen --selftest    check that the checker rejects damaged images
//
// Every file that is written is read back and checked by an independent
// parser (header sizes and offsets, dimensions, palette, masks, hot spot,
// the logo's frame and centring). Exit status 0 on success, 1 otherwise.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// ---------------------------------------------------------------------------
// Palette

struct Rgb {
    std::uint8_t r, g, b;
};

// The sixteen colours of the standard VGA palette, in the order Windows uses.
constexpr std::array<Rgb, 16> kVga = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

constexpr int kBlack = 0;
constexpr int kNavy = 4;
constexpr int kWhite = 15;

// Letters of the pixel tables: one per VGA colour, '.' is transparent.
constexpr char kColourLetters[] = "KmgonptsdrlybfcW";

int colourIndex(char c)
{
    const char* p = std::strchr(kColourLetters, c);
    return (p && c != '\0') ? static_cast<int>(p - kColourLetters) : -1;
}

// ---------------------------------------------------------------------------
// Pixel tables

// Program icon: a double arrow over a ruler.
const char* const kIcon32[32] = {
    "................................", "................................", "........K..............K........",
    ".......KbK............KbK.......", "......KbbK............KbbK......", ".....KbbbK............KbbbK.....",
    "....KbbbbK............KbbbbK....", "...KbbbbbKKKKKKKKKKKKKKbbbbbK...", "..KbbbbbccccccccccccccccbbbbbK..",
    ".KbbbbbbbbbbbbbbbbbbbbbbbbbbbbK.", "KbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbK", ".KbbbbbbbbbbbbbbbbbbbbbbbbbbbbK.",
    "..KbbbbbbbbbbbbbbbbbbbbbbbbbbK..", "...KbbbbbKKKKKKKKKKKKKKbbbbbK...", "....KbbbbK............KbbbbK....",
    ".....KbbbK............KbbbK.....", "......KbbK............KbbK......", ".......KbK............KbK.......",
    "........K..............K........", "................................", "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK",
    "KyyyKyyKyyKyyKyyKyyKyyKyyKyyKyyK", "KyyyKyyKyyKyyKyyKyyKyyKyyKyyKyyK", "KyyyKyyKyyKyyKyyKyyKyyKyyKyyKyyK",
    "KyyyKyyyyyKyyyyyKyyyyyKyyyyyKyyK", "KyyyKyyyyyKyyyyyKyyyyyKyyyyyKyyK", "KyyyyyyyyyyyyyyyKyyyyyyyyyyyyyyK",
    "KyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyK", "KyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyK", "KooooooooooooooooooooooooooooooK",
    "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK", "................................",
};

const char* const kIcon16[16] = {
    "....K......K....", "...KbK....KbK...", "..KbbKKKKKKbbK..", ".KbbbbbbbbbbbbK.",
    "KbbbbbbbbbbbbbbK", ".KbbbbbbbbbbbbK.", "..KbbKKKKKKbbK..", "...KbK....KbK...",
    "....K......K....", "................", "KKKKKKKKKKKKKKKK", "KyyKyyKyyKyyKyyK",
    "KyyKyyyyyyyyKyyK", "KyyyyyyyyyyyyyyK", "KooooooooooooooK", "KKKKKKKKKKKKKKKK",
};

// Link cursor: a hand with the index finger raised. 'K' black outline,
// 'W' white inside, '.' transparent. The hot spot is the finger tip.
constexpr int kHotX = 6;
constexpr int kHotY = 0;
const char* const kCursor[32] = {
    ".....KKK........................", "....KWWWK.......................", "....KWWWK.......................",
    "....KWWWK.......................", "....KWWWK.......................", "....KWWWKKK.....................",
    "....KWWWKWWKKK..................", "....KWWWKWWKWWKKK...............", "....KWWWKWWKWWKWWK..............",
    "KKK.KWWWKWWKWWKWWK..............", "KWWKKWWWWWWWWWWWWK..............", "KWWWKWWWWWWWWWWWWK..............",
    ".KWWWWWWWWWWWWWWWK..............", "..KWWWWWWWWWWWWWWK..............", "..KWWWWWWWWWWWWWWK..............",
    "...KWWWWWWWWWWWWWK..............", "...KWWWWWWWWWWWWK...............", "....KWWWWWWWWWWWK...............",
    "....KWWWWWWWWWWK................", ".....KWWWWWWWWWK................", ".....KWWWWWWWWWK................",
    ".....KKKKKKKKKKK................", "................................", "................................",
    "................................", "................................", "................................",
    "................................", "................................", "................................",
    "................................", "................................",
};

// Pixel font of the word mark, 7 rows high; '#' is ink.
struct Glyph {
    char letter;
    const char* rows[7];
};

const Glyph kFont[] = {
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
};

constexpr char kWordMark[] = "BRODVIK";
constexpr int kLogoWidth = 103;
constexpr int kLogoHeight = 26;
constexpr int kFontScale = 2;  // each font pixel becomes 2x2
constexpr int kLetterGap = 2;  // font pixels between letters

// ---------------------------------------------------------------------------
// Images in memory

// A palette image; index -1 marks a transparent pixel. Row 0 is the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<int> px;
    int at(int x, int y) const { return px[static_cast<size_t>(y * width + x)]; }
    void set(int x, int y, int v) { px[static_cast<size_t>(y * width + x)] = v; }
};

Image fromTable(const char* const* rows, int w, int h, int (*map)(char))
{
    Image img{w, h, std::vector<int>(static_cast<size_t>(w * h), -1)};
    for (int y = 0; y < h; ++y) {
        if (static_cast<int>(std::strlen(rows[y])) != w)
            throw std::runtime_error("pixel table row " + std::to_string(y) + " is not " + std::to_string(w) + " wide");
        for (int x = 0; x < w; ++x) {
            char c = rows[y][x];
            int v = c == '.' ? -1 : map(c);
            if (c != '.' && v < 0)
                throw std::runtime_error(std::string("unknown pixel letter '") + c + "'");
            img.set(x, y, v);
        }
    }
    return img;
}

int cursorLetter(char c)
{
    return c == 'K' ? 0 : c == 'W' ? 1 : -1;
}

const Glyph& glyphFor(char c)
{
    for (const Glyph& g : kFont)
        if (g.letter == c)
            return g;
    throw std::runtime_error(std::string("no glyph for '") + c + "'");
}

Image drawLogo()
{
    Image img{kLogoWidth, kLogoHeight, std::vector<int>(static_cast<size_t>(kLogoWidth * kLogoHeight), kNavy)};
    for (int x = 0; x < kLogoWidth; ++x) {
        img.set(x, 0, kWhite);
        img.set(x, kLogoHeight - 1, kWhite);
    }
    for (int y = 0; y < kLogoHeight; ++y) {
        img.set(0, y, kWhite);
        img.set(kLogoWidth - 1, y, kWhite);
    }

    int columns = 0;
    for (const char* p = kWordMark; *p; ++p)
        columns += static_cast<int>(std::strlen(glyphFor(*p).rows[0])) + (p[1] ? kLetterGap : 0);
    const int textW = columns * kFontScale;
    const int textH = 7 * kFontScale;
    int x0 = (kLogoWidth - textW) / 2;
    const int y0 = (kLogoHeight - textH) / 2;

    for (const char* p = kWordMark; *p; ++p) {
        const Glyph& g = glyphFor(*p);
        const int gw = static_cast<int>(std::strlen(g.rows[0]));
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < gw; ++c)
                if (g.rows[r][c] == '#')
                    for (int dy = 0; dy < kFontScale; ++dy)
                        for (int dx = 0; dx < kFontScale; ++dx)
                            img.set(x0 + c * kFontScale + dx, y0 + r * kFontScale + dy, kWhite);
        x0 += (gw + kLetterGap) * kFontScale;
    }
    return img;
}

// ---------------------------------------------------------------------------
// Writing

void put16(Bytes& b, unsigned v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

int strideBytes(int width, int bpp)
{
    return ((width * bpp + 31) / 32) * 4;
}

void putInfoHeader(Bytes& b, int w, int h, int bpp, std::uint32_t imageBytes, int colours)
{
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(w));
    put32(b, static_cast<std::uint32_t>(h));
    put16(b, 1);
    put16(b, static_cast<unsigned>(bpp));
    put32(b, 0);  // BI_RGB
    put32(b, imageBytes);
    put32(b, 0);
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(colours));
    put32(b, 0);
}

void putPalette(Bytes& b, const Rgb* colours, int n)
{
    for (int i = 0; i < n; ++i) {
        b.push_back(colours[i].b);
        b.push_back(colours[i].g);
        b.push_back(colours[i].r);
        b.push_back(0);
    }
}

// Packs pixel indices bottom-up at the given depth; a transparent pixel is
// stored as index 0.
void putPixels(Bytes& b, const Image& img, int bpp)
{
    const int stride = strideBytes(img.width, bpp);
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < img.width; ++x) {
            const int v = std::max(img.at(x, y), 0);
            const int bit = x * bpp;
            row[static_cast<size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << (8 - bpp - bit % 8));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

// AND mask: 1 where the pixel is transparent.
void putMask(Bytes& b, const Image& img)
{
    const int stride = strideBytes(img.width, 1);
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < img.width; ++x)
            if (img.at(x, y) < 0)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

// One image of an icon or cursor file: header with doubled height, palette,
// colour (XOR) bits, AND mask.
Bytes iconImage(const Image& img, int bpp, const Rgb* palette, int colours)
{
    const auto xorBytes = static_cast<std::uint32_t>(strideBytes(img.width, bpp) * img.height);
    const auto andBytes = static_cast<std::uint32_t>(strideBytes(img.width, 1) * img.height);
    Bytes b;
    putInfoHeader(b, img.width, img.height * 2, bpp, xorBytes + andBytes, 0);
    putPalette(b, palette, colours);
    putPixels(b, img, bpp);
    putMask(b, img);
    return b;
}

struct DirEntry {
    const Image* img;
    int bpp;
    int colourCount;  // the entry's colour count byte
    unsigned field4;  // planes (icon) or hot spot x (cursor)
    unsigned field6;  // bit count (icon) or hot spot y (cursor)
    Bytes data;
};

Bytes iconDirectory(unsigned type, std::vector<DirEntry>& entries)
{
    Bytes b;
    put16(b, 0);
    put16(b, type);
    put16(b, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const DirEntry& e : entries) {
        b.push_back(static_cast<std::uint8_t>(e.img->width));
        b.push_back(static_cast<std::uint8_t>(e.img->height));
        b.push_back(static_cast<std::uint8_t>(e.colourCount));
        b.push_back(0);
        put16(b, e.field4);
        put16(b, e.field6);
        put32(b, static_cast<std::uint32_t>(e.data.size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const DirEntry& e : entries)
        b.insert(b.end(), e.data.begin(), e.data.end());
    return b;
}

Bytes makeIcon()
{
    const Image big = fromTable(kIcon32, 32, 32, colourIndex);
    const Image small = fromTable(kIcon16, 16, 16, colourIndex);
    std::vector<DirEntry> entries = {
        {&big, 4, 16, 1, 4, iconImage(big, 4, kVga.data(), 16)},
        {&small, 4, 16, 1, 4, iconImage(small, 4, kVga.data(), 16)},
    };
    return iconDirectory(1, entries);
}

Bytes makeCursor()
{
    const Image hand = fromTable(kCursor, 32, 32, cursorLetter);
    const Rgb mono[2] = {{0, 0, 0}, {255, 255, 255}};
    std::vector<DirEntry> entries = {
        {&hand, 1, 2, kHotX, kHotY, iconImage(hand, 1, mono, 2)},
    };
    return iconDirectory(2, entries);
}

Bytes makeLogo()
{
    const Image logo = drawLogo();
    const auto pixelBytes = static_cast<std::uint32_t>(strideBytes(logo.width, 4) * logo.height);
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + pixelBytes);
    put32(b, 0);
    put32(b, offset);
    putInfoHeader(b, logo.width, logo.height, 4, pixelBytes, 16);
    putPalette(b, kVga.data(), 16);
    putPixels(b, logo, 4);
    return b;
}

// ---------------------------------------------------------------------------
// Checking

struct Reader {
    const Bytes& b;
    std::string what;
    void need(bool ok, const std::string& msg) const
    {
        if (!ok)
            throw std::runtime_error(what + ": " + msg);
    }
    unsigned u8(size_t at) const
    {
        need(at < b.size(), "truncated at byte " + std::to_string(at));
        return b[at];
    }
    unsigned u16(size_t at) const { return u8(at) | (u8(at + 1) << 8); }
    std::uint32_t u32(size_t at) const { return u16(at) | (static_cast<std::uint32_t>(u16(at + 2)) << 16); }
    std::int32_t s32(size_t at) const { return static_cast<std::int32_t>(u32(at)); }
};

// Reads the BITMAPINFOHEADER at `at` and checks what every image here shares.
void checkInfoHeader(const Reader& r, size_t at, int w, int h, int bpp)
{
    r.need(r.u32(at) == 40, "info header size is not 40");
    r.need(r.s32(at + 4) == w, "width is not " + std::to_string(w));
    r.need(r.s32(at + 8) == h, "height field is not " + std::to_string(h));
    r.need(r.u16(at + 12) == 1, "planes is not 1");
    r.need(r.u16(at + 14) == static_cast<unsigned>(bpp), "bit count is not " + std::to_string(bpp));
    r.need(r.u32(at + 16) == 0, "compression is not BI_RGB");
}

void checkPalette(const Reader& r, size_t at, const Rgb* expected, int n)
{
    for (int i = 0; i < n; ++i) {
        const size_t p = at + 4 * static_cast<size_t>(i);
        r.need(r.u8(p) == expected[i].b && r.u8(p + 1) == expected[i].g && r.u8(p + 2) == expected[i].r &&
                   r.u8(p + 3) == 0,
               "palette entry " + std::to_string(i) + " is wrong");
    }
}

unsigned pixelAt(const Reader& r, size_t bits, int width, int height, int bpp, int x, int y)
{
    const size_t row = bits + static_cast<size_t>(strideBytes(width, bpp) * (height - 1 - y));
    const int bit = x * bpp;
    return (r.u8(row + static_cast<size_t>(bit / 8)) >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
}

struct ImageShape {
    int size;
    int bpp;
};

// Checks an .ico (type 1) or .cur (type 2) file: directory, each image's
// header, palette and masks; for a cursor also the hot spot.
void checkIconFile(const Bytes& b, const std::string& name, unsigned type, const std::vector<ImageShape>& shapes,
                   const Rgb* palette, int colours, int hotX = -1, int hotY = -1)
{
    Reader r{b, name};
    r.need(b.size() >= 6, "shorter than its directory header");
    r.need(r.u16(0) == 0, "reserved word is not 0");
    r.need(r.u16(2) == type, "resource type is not " + std::to_string(type));
    r.need(r.u16(4) == shapes.size(), "image count is not " + std::to_string(shapes.size()));

    size_t expectOffset = 6 + 16 * shapes.size();
    for (size_t i = 0; i < shapes.size(); ++i) {
        const size_t e = 6 + 16 * i;
        const ImageShape& s = shapes[i];
        const std::string tag = " (image " + std::to_string(i) + ")";
        r.need(r.u8(e) == static_cast<unsigned>(s.size) && r.u8(e + 1) == static_cast<unsigned>(s.size),
               "directory size is not " + std::to_string(s.size) + tag);
        r.need(r.u8(e + 2) == (s.bpp == 4 ? 16u : 2u), "directory colour count is wrong" + tag);
        r.need(r.u8(e + 3) == 0, "directory reserved byte is not 0" + tag);
        if (type == 1) {
            r.need(r.u16(e + 4) == 1, "directory planes is not 1" + tag);
            r.need(r.u16(e + 6) == static_cast<unsigned>(s.bpp), "directory bit count is wrong" + tag);
        } else {
            r.need(static_cast<int>(r.u16(e + 4)) == hotX && static_cast<int>(r.u16(e + 6)) == hotY,
                   "hot spot is not (" + std::to_string(hotX) + "," + std::to_string(hotY) + ")" + tag);
        }
        const std::uint32_t bytes = r.u32(e + 8);
        const std::uint32_t offset = r.u32(e + 12);
        r.need(offset == expectOffset, "image data does not follow the directory" + tag);

        const size_t xorBytes = static_cast<size_t>(strideBytes(s.size, s.bpp) * s.size);
        const size_t andBytes = static_cast<size_t>(strideBytes(s.size, 1) * s.size);
        const size_t paletteBytes = 4 * static_cast<size_t>(colours);
        r.need(bytes == 40 + paletteBytes + xorBytes + andBytes, "image byte count is wrong" + tag);
        r.need(offset + bytes <= b.size(), "image runs past the end of the file" + tag);

        checkInfoHeader(r, offset, s.size, 2 * s.size, s.bpp);
        const std::uint32_t sizeImage = r.u32(offset + 20);
        r.need(sizeImage == 0 || sizeImage == xorBytes + andBytes, "image size field is wrong" + tag);
        checkPalette(r, offset + 40, palette, colours);

        const size_t xorAt = offset + 40 + paletteBytes;
        const size_t andAt = xorAt + xorBytes;
        int opaque = 0, transparent = 0;
        for (int y = 0; y < s.size; ++y)
            for (int x = 0; x < s.size; ++x) {
                const unsigned mask = pixelAt(r, andAt, s.size, s.size, 1, x, y);
                const unsigned colour = pixelAt(r, xorAt, s.size, s.size, s.bpp, x, y);
                if (mask) {
                    // A transparent pixel must be black in the colour bits,
                    // or it would show up inverted on the screen.
                    r.need(colour == 0, "transparent pixel (" + std::to_string(x) + "," + std::to_string(y) +
                                            ") is not black" + tag);
                    ++transparent;
                } else {
                    ++opaque;
                }
            }
        r.need(opaque > 0 && transparent > 0, "image is fully opaque or fully transparent" + tag);
        if (type == 2)
            r.need(pixelAt(r, andAt, s.size, s.size, 1, hotX, hotY) == 0, "hot spot pixel is transparent" + tag);
        expectOffset = offset + bytes;
    }
    r.need(expectOffset == b.size(), "file has trailing bytes");
}

void checkIcon(const Bytes& b)
{
    checkIconFile(b, "jednotar.ico", 1, {{32, 4}, {16, 4}}, kVga.data(), 16);
}

void checkCursor(const Bytes& b)
{
    const Rgb mono[2] = {{0, 0, 0}, {255, 255, 255}};
    checkIconFile(b, "link.cur", 2, {{32, 1}}, mono, 2, kHotX, kHotY);
}

void checkLogo(const Bytes& b)
{
    Reader r{b, "logo.bmp"};
    const int w = kLogoWidth, h = kLogoHeight;
    const size_t offset = 14 + 40 + 64;
    const size_t pixelBytes = static_cast<size_t>(strideBytes(w, 4) * h);
    r.need(b.size() >= 14 && b[0] == 'B' && b[1] == 'M', "no BM signature");
    r.need(r.u32(2) == b.size(), "file size field does not match the file");
    r.need(r.u32(6) == 0, "reserved fields are not 0");
    r.need(r.u32(10) == offset, "pixel offset is not " + std::to_string(offset));
    r.need(b.size() == offset + pixelBytes, "file size is not " + std::to_string(offset + pixelBytes));
    checkInfoHeader(r, 14, w, h, 4);
    r.need(r.u32(14 + 20) == 0 || r.u32(14 + 20) == pixelBytes, "image size field is wrong");
    r.need(r.u32(14 + 32) == 16, "colours used is not 16");
    checkPalette(r, 14 + 40, kVga.data(), 16);

    auto px = [&](int x, int y) { return pixelAt(r, offset, w, h, 4, x, y); };
    int minX = w, maxX = -1, minY = h, maxY = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned v = px(x, y);
            const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (frame) {
                r.need(v == kWhite, "frame pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is not white");
                continue;
            }
            r.need(v == kWhite || v == kNavy,
                   "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is neither white nor navy");
            if (v == kWhite) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    r.need(maxX >= 0, "no word mark inside the frame");
    r.need(minX > 1 && minY > 1 && maxX < w - 2 && maxY < h - 2, "word mark touches the frame");
    const int left = minX, right = w - 1 - maxX, top = minY, bottom = h - 1 - maxY;
    r.need(std::abs(left - right) <= 1, "word mark is not centred across");
    r.need(std::abs(top - bottom) <= 1, "word mark is not centred down");
}

// ---------------------------------------------------------------------------
// Files and modes

struct Output {
    const char* name;
    std::function<Bytes()> make;
    std::function<void(const Bytes&)> check;
};

const std::vector<Output>& outputs()
{
    static const std::vector<Output> list = {
        {"jednotar.ico", makeIcon, checkIcon},
        {"logo.bmp", makeLogo, checkLogo},
        {"link.cur", makeCursor, checkCursor},
    };
    return list;
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& b)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

int generate(const std::string& dir)
{
    for (const Output& o : outputs()) {
        const std::string path = dir + "/" + o.name;
        writeFile(path, o.make());
        o.check(readFile(path));
        std::cout << "wrote " << path << "\n";
    }
    return 0;
}

int checkDir(const std::string& dir)
{
    for (const Output& o : outputs()) {
        o.check(readFile(dir + "/" + o.name));
        std::cout << "ok " << o.name << "\n";
    }
    return 0;
}

// Damages each image in ways a broken writer could and expects the checker
// to refuse every one of them.
int selftest()
{
    struct Damage {
        const char* file;
        const char* what;
        std::function<void(Bytes&)> apply;
    };
    auto setByte = [](size_t at, std::uint8_t v) { return [=](Bytes& b) { b[at] = v; }; };
    const size_t ico32 = 6 + 32;  // first image of the icon
    const size_t ico32Mask = ico32 + 40 + 64 + 16 * 32;
    const size_t curImg = 6 + 16;
    const size_t bmpBits = 14 + 40 + 64;
    const std::vector<Damage> damages = {
        {"jednotar.ico", "type word of a cursor", setByte(2, 2)},
        {"jednotar.ico", "single image", setByte(4, 1)},
        {"jednotar.ico", "height not doubled", setByte(ico32 + 8, 32)},
        {"jednotar.ico", "8 bits per pixel", setByte(ico32 + 14, 8)},
        {"jednotar.ico", "wrong palette colour", setByte(ico32 + 40 + 4 * 4, 0x81)},
        {"jednotar.ico", "second image offset off by one", [](Bytes& b) { b[6 + 16 + 12] += 1; }},
        {"jednotar.ico", "mask over a coloured pixel", setByte(ico32Mask + 4 * 21, 0xFF)},
        {"jednotar.ico", "trailing byte", [](Bytes& b) { b.push_back(0); }},
        {"jednotar.ico", "truncated", [](Bytes& b) { b.resize(b.size() - 4); }},
        {"link.cur", "hot spot x moved", setByte(6 + 4, 7)},
        {"link.cur", "hot spot y moved", setByte(6 + 6, 1)},
        {"link.cur", "fully transparent",
         [=](Bytes& b) {
             std::fill(b.begin() + static_cast<long>(curImg + 48), b.begin() + static_cast<long>(curImg + 48 + 128), 0);
             std::fill(b.begin() + static_cast<long>(curImg + 48 + 128), b.end(), 0xFF);
         }},
        {"link.cur", "info header size 12", setByte(curImg, 12)},
        {"logo.bmp", "file size field", setByte(2, 0)},
        {"logo.bmp", "height 25", setByte(14 + 8, 25)},
        {"logo.bmp", "frame broken", setByte(bmpBits, 0x44)},
        {"logo.bmp", "stray colour", setByte(bmpBits + 52 * 3 + 1, 0x49)},
        {"logo.bmp", "word mark off centre",
         [=](Bytes& b) {
             // shift every inner row two pixels to the right
             for (int pass = 0; pass < 2; ++pass)
                 for (int y = 1; y < kLogoHeight - 1; ++y) {
                     std::uint8_t* row = &b[bmpBits + static_cast<size_t>(52 * y)];
                     for (int x = kLogoWidth - 2; x > 1; --x) {
                         auto get = [&](int i) { return (row[i / 2] >> (i % 2 ? 0 : 4)) & 0xF; };
                         const int v = get(x - 1);
                         row[x / 2] = static_cast<std::uint8_t>(x % 2 ? (row[x / 2] & 0xF0) | v
                                                                      : (row[x / 2] & 0x0F) | (v << 4));
                     }
                 }
         }},
    };

    int failures = 0;
    for (const Output& o : outputs()) {
        try {
            o.check(o.make());
        } catch (const std::exception& e) {
            std::cout << "FAIL intact " << o.name << " refused: " << e.what() << "\n";
            ++failures;
        }
    }
    for (const Damage& d : damages) {
        const auto& list = outputs();
        const auto it =
            std::find_if(list.begin(), list.end(), [&](const Output& o) { return std::strcmp(o.name, d.file) == 0; });
        Bytes b = it->make();
        d.apply(b);
        try {
            it->check(b);
            std::cout << "FAIL " << d.file << " with " << d.what << " was accepted\n";
            ++failures;
        } catch (const std::exception& e) {
            std::cout << "ok   " << d.file << " with " << d.what << ": " << e.what() << "\n";
        }
    }
    return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2 && std::strcmp(argv[1], "--selftest") == 0)
            return selftest();
        if (argc == 3 && std::strcmp(argv[1], "--check") == 0)
            return checkDir(argv[2]);
        if (argc == 2 && argv[1][0] != '-')
            return generate(argv[1]);
        std::cerr << "usage: imagegen OUTDIR | --check DIR | --selftest\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "imagegen: " << e.what() << "\n";
        return 1;
    }
}
