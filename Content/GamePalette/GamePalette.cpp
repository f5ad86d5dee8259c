#include "Content/GamePalette/GamePalette.h"

#include <dlfcn.h>
#include <libimagequant.h>

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace {

constexpr int opaqueAlpha = GamePalette::opaqueAlpha;
// Pictures keep a little of their dither: smooth shading without visible noise on flat colour.
constexpr float ditheringLevel = 0.6f;

// libimagequant may spread its search over OpenMP threads, and sums added in another order
// can choose other colours; one thread gives the same palette on every machine.
void UseOneQuantizerThread()
{
    using SetThreadCount = void (*)(int);
    if (auto* set = reinterpret_cast<SetThreadCount>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) {
        set(1);
    }
}

liq_color LiqColor(QRgb color)
{
    return {static_cast<unsigned char>(qRed(color)), static_cast<unsigned char>(qGreen(color)),
            static_cast<unsigned char>(qBlue(color)), 255};
}

QRgb OpaqueColor(QRgb premultiplied)
{
    return qUnpremultiply(premultiplied) | 0xFF000000u;
}

// RGBA bytes for libimagequant: opaque pixels in their colour, see-through ones black. Black
// is a palette colour, so the see-through pixels carry no dithering error into their neighbours.
std::vector<unsigned char> OpaqueRgba(const QImage& picture, std::vector<std::uint8_t>& opaque)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<unsigned char> rgba(static_cast<std::size_t>(source.width()) * source.height() * 4);
    opaque.assign(static_cast<std::size_t>(source.width()) * source.height(), 0);
    std::size_t index = 0;
    for (int y = 0; y < source.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x, ++index) {
            const bool isOpaque = qAlpha(row[x]) >= opaqueAlpha;
            const QRgb color = isOpaque ? OpaqueColor(row[x]) : qRgb(0, 0, 0);
            opaque[index] = isOpaque ? 1 : 0;
            rgba[index * 4] = static_cast<unsigned char>(qRed(color));
            rgba[index * 4 + 1] = static_cast<unsigned char>(qGreen(color));
            rgba[index * 4 + 2] = static_cast<unsigned char>(qBlue(color));
            rgba[index * 4 + 3] = 255;
        }
    }
    return rgba;
}

// A libimagequant result for the counted colours that keeps the given colours exactly.
liq_result* Quantize(liq_attr* attributes, const std::vector<liq_color>& fixed,
                     const std::vector<liq_histogram_entry>& entries)
{
    liq_histogram* histogram = liq_histogram_create(attributes);
    for (const liq_color& color : fixed) {
        liq_histogram_add_fixed_color(histogram, color, 0.0);
    }
    if (!entries.empty() && liq_histogram_add_colors(histogram, attributes, entries.data(),
                                                     static_cast<int>(entries.size()), 0.0) != LIQ_OK) {
        liq_histogram_destroy(histogram);
        throw std::runtime_error("libimagequant refused the art's colours");
    }
    liq_result* result = nullptr;
    const liq_error error = liq_histogram_quantize(histogram, attributes, &result);
    liq_histogram_destroy(histogram);
    if (error != LIQ_OK) {
        throw std::runtime_error("libimagequant could not choose the palette");
    }
    return result;
}

} // namespace

struct GamePalette::Remapper {
    liq_attr* attributes = nullptr;
    liq_result* result = nullptr;
    std::array<std::uint8_t, 256> toPaletteIndex{};

    ~Remapper()
    {
        if (result != nullptr) {
            liq_result_destroy(result);
        }
        if (attributes != nullptr) {
            liq_attr_destroy(attributes);
        }
    }
};

GamePalette::~GamePalette()
{
    delete remapper;
}

GamePalette::GamePalette(GamePalette&& other) noexcept : colors(other.colors), remapper(other.remapper)
{
    other.remapper = nullptr;
}

GamePalette GamePalette::Choose(const std::vector<QImage>& pictures)
{
    UseOneQuantizerThread();
    // Count every opaque colour once per occurrence, then hand libimagequant the sorted counts,
    // so the result does not depend on the order of a hash table.
    std::unordered_map<QRgb, unsigned int> counts;
    for (const QImage& picture : pictures) {
        const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < source.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if (qAlpha(row[x]) >= opaqueAlpha) {
                    ++counts[OpaqueColor(row[x])];
                }
            }
        }
    }
    std::vector<std::pair<QRgb, unsigned int>> sorted(counts.begin(), counts.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<liq_histogram_entry> entries;
    entries.reserve(sorted.size());
    for (const auto& [color, count] : sorted) {
        entries.push_back({LiqColor(color), count});
    }

    GamePalette palette;
    palette.colors.fill(qRgb(0, 0, 0));
    palette.colors[whiteIndex] = qRgb(255, 255, 255);
    {
        liq_attr* attributes = liq_attr_create();
        liq_set_max_colors(attributes, 256);
        liq_set_speed(attributes, 3);
        const std::vector<liq_color> fixed = {LiqColor(qRgb(255, 255, 255)), LiqColor(qRgb(0, 0, 0))};
        liq_result* chosen = Quantize(attributes, fixed, entries);
        // White first, black last, libimagequant's other choices in its order between them.
        const liq_palette* chosenColors = liq_get_palette(chosen);
        int next = 1;
        for (unsigned int entry = 0; entry < chosenColors->count; ++entry) {
            const liq_color& c = chosenColors->entries[entry];
            const QRgb color = qRgb(c.r, c.g, c.b);
            if (color != qRgb(255, 255, 255) && color != qRgb(0, 0, 0) && next < blackIndex) {
                palette.colors[static_cast<std::size_t>(next++)] = color;
            }
        }
        liq_result_destroy(chosen);
        liq_attr_destroy(attributes);
    }

    // The remapping runs against exactly these colours, all fixed, so libimagequant cannot
    // refine them while it remaps.
    palette.remapper = new Remapper;
    Remapper& remapper = *palette.remapper;
    remapper.attributes = liq_attr_create();
    liq_set_max_colors(remapper.attributes, 256);
    std::vector<liq_color> all;
    for (QRgb color : palette.colors) {
        if (std::none_of(all.begin(), all.end(), [&](const liq_color& c) { return c.r == qRed(color) && c.g == qGreen(color) && c.b == qBlue(color); })) {
            all.push_back(LiqColor(color));
        }
    }
    remapper.result = Quantize(remapper.attributes, all, entries);
    liq_set_dithering_level(remapper.result, ditheringLevel);
    const liq_palette* remapColors = liq_get_palette(remapper.result);
    for (unsigned int entry = 0; entry < remapColors->count; ++entry) {
        const liq_color& c = remapColors->entries[entry];
        const auto found = std::find(palette.colors.begin(), palette.colors.end(), qRgb(c.r, c.g, c.b));
        if (found == palette.colors.end()) {
            throw std::runtime_error("libimagequant remaps to a colour outside the palette");
        }
        remapper.toPaletteIndex[entry] = static_cast<std::uint8_t>(found - palette.colors.begin());
    }
    // Black's index is the last one holding black, so a short palette's unused entries stay spare.
    for (unsigned int entry = 0; entry < remapColors->count; ++entry) {
        const liq_color& c = remapColors->entries[entry];
        if (qRgb(c.r, c.g, c.b) == qRgb(0, 0, 0)) {
            remapper.toPaletteIndex[entry] = blackIndex;
        }
    }
    return palette;
}

GamePalette::IndexedPicture GamePalette::Remap(const QImage& picture) const
{
    IndexedPicture indexed{picture.width(), picture.height(), {}, {}};
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0) {
        indexed.width = indexed.height = 0;
        return indexed;
    }
    std::vector<unsigned char> rgba = OpaqueRgba(picture, indexed.opaque);
    liq_image* image = liq_image_create_rgba(remapper->attributes, rgba.data(), indexed.width, indexed.height, 0.0);
    if (image == nullptr) {
        throw std::runtime_error("libimagequant refused a picture");
    }
    indexed.pixels.resize(rgba.size() / 4);
    const liq_error error = liq_write_remapped_image(remapper->result, image, indexed.pixels.data(), indexed.pixels.size());
    liq_image_destroy(image);
    if (error != LIQ_OK) {
        throw std::runtime_error("libimagequant could not remap a picture");
    }
    for (std::uint8_t& pixel : indexed.pixels) {
        pixel = remapper->toPaletteIndex[pixel];
    }
    return indexed;
}

QImage GamePalette::ToImage(const IndexedPicture& picture) const
{
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    std::size_t index = 0;
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x, ++index) {
            row[x] = picture.opaque[index] != 0 ? colors[picture.pixels[index]] : qRgba(0, 0, 0, 0);
        }
    }
    return image;
}
